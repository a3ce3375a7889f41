#include "app/EarlierRunRecords.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>

using platform::ClaimedFile;

namespace {

// Our own names only: "unsaved-records-DATE-TIME-PID.txt", perhaps with "-N"
// before ".txt" when a run started twice in one second.
const QRegularExpression &ownName()
{
    static const QRegularExpression name(
        QStringLiteral("^unsaved-records-(\\d{4}-\\d\\d-\\d\\d-\\d{6})-(\\d+)(?:-(\\d+))?\\.txt$"));
    return name;
}

// When the run that wrote the file started, for putting the oldest first.
std::tuple<QString, qulonglong, qulonglong> startOf(const QString &fileName)
{
    const QRegularExpressionMatch match = ownName().match(fileName);
    return {match.captured(1), match.captured(2).toULongLong(), match.captured(3).toULongLong()};
}

// What a text area can show as it was typed: UTF-8 with no control
// characters but tabs and line breaks.
std::optional<QString> asText(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    const bool control = std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\r') && c != QLatin1Char('\n');
    });
    if (control)
        return std::nullopt;
    return text;
}

} // namespace

EarlierRunRecords::EarlierRunRecords(const QString &folder, const QString &ownPath)
{
    const QDir dir(folder);
    QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name).filter(ownName());
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) { return startOf(a) < startOf(b); });
    for (const QString &name : names) {
        const QString path = dir.filePath(name);
        if (path == ownPath)
            continue;
        ClaimedFile file = ClaimedFile::claim(path);
        if (file.outcome() == ClaimedFile::Outcome::Unreadable) {
            m_unreadable << QStringLiteral("%1 (%2)").arg(QDir::toNativeSeparators(path), file.reason());
            continue;
        }
        if (file.outcome() != ClaimedFile::Outcome::Claimed)
            continue;
        const std::optional<QByteArray> bytes = file.read(kLargestFile);
        const std::optional<QString> text = bytes ? asText(*bytes) : std::nullopt;
        if (bytes && bytes->isEmpty())
            continue;
        if (!text) {
            const QString reason = bytes ? QStringLiteral("it does not hold text") : file.reason();
            m_unreadable << QStringLiteral("%1 (%2)").arg(QDir::toNativeSeparators(path), reason);
            continue;
        }
        m_text += *text + QStringLiteral("\r\n");
        m_restorable.push_back(std::move(file));
    }
}

void EarlierRunRecords::removeRestored()
{
    for (ClaimedFile &file : m_restorable)
        file.remove();
    m_restorable.clear();
}
