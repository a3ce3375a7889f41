#include "app/LevelRecordFile.h"

#include "platform/files/FileReplacement.h"

#include <QStringEncoder>

namespace {

QString failure(const QString &fileName, const QString &reason)
{
    return QStringLiteral("The level records could not be saved to \"%1\": %2").arg(fileName, reason);
}

} // namespace

std::optional<QString> writeLevelRecords(const QString &fileName, const QString &text)
{
    QStringEncoder encoder(QStringConverter::System);
    const QByteArray bytes = encoder.encode(text);
    // A character the encoding cannot hold would be written as something else.
    if (encoder.hasError())
        return failure(fileName, QStringLiteral("the text holds characters that the system's encoding cannot store"));
    if (const std::optional<QString> reason = platform::replaceFile(fileName, bytes))
        return failure(fileName, *reason);
    return std::nullopt;
}
