#pragma once

#include "platform/files/ClaimedFile.h"

#include <QString>
#include <QStringList>

#include <vector>

// The unsaved-records files that runs which are no longer running left in
// the state folder. Files of running programs are never claimed, read or
// removed; files that cannot be restored are named and left where they are.
class EarlierRunRecords
{
public:
    // The largest file that is restored.
    static constexpr qint64 kLargestFile = 16 * 1024 * 1024;

    // Looks through the folder, passing over this run's own file.
    EarlierRunRecords(const QString &folder, const QString &ownPath);

    bool isEmpty() const { return m_restorable.empty() && m_unreadable.isEmpty(); }
    bool hasText() const { return !m_restorable.empty(); }
    // The texts of the restorable files, oldest first, each followed by a line break.
    QString text() const { return m_text; }
    // Files that hold records but cannot be restored, with the reason.
    QStringList unreadable() const { return m_unreadable; }
    // Removes the files whose text text() holds; call once that text is kept elsewhere.
    void removeRestored();

private:
    std::vector<platform::ClaimedFile> m_restorable;
    QString m_text;
    QStringList m_unreadable;
};
