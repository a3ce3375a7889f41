#include "app/LevelRecordFile.h"

#include <QSaveFile>
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
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return failure(fileName, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure(fileName, reason);
    }
    if (!file.commit())
        return failure(fileName, file.errorString());
    return std::nullopt;
}
