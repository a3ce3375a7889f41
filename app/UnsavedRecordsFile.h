#pragma once

#include "platform/files/BackgroundSync.h"
#include "platform/files/FileDescriptor.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// Keeps the text area's unsaved text in a file, so that a crash, a kill, a
// lost display or a power cut loses no record. The file lies in the user's
// state folder, "$XDG_STATE_HOME/QuorinLevelMaker" (by default
// "~/.local/state/QuorinLevelMaker"), holds the text as UTF-8 with CR LF
// line breaks, and is named after the time this run started, so a file left
// by an earlier run is never overwritten. The run holds a lock on its file
// for as long as the file exists, which tells a later start that the file
// is not left over.
//
// Added records reach the system before appended() returns and the disk
// within a second; other changes (typing, "Clear", undo) are written whole
// within half a second. A write that fails leaves the file as it was. An
// empty text has no file.
class UnsavedRecordsFile : public QObject
{
    Q_OBJECT

public:
    // The text is read through the given function when the file is written whole.
    UnsavedRecordsFile(std::function<QString()> text, QObject *parent);

    QString path() const { return m_path; }

    // The text grew at its end by these characters.
    void appended(const QString &added);
    // The text changed in any other way.
    void changed();
    // Writes the whole text now; false when that failed.
    bool writeWhole();
    // The text was saved or given up: the file goes.
    void discard();

private:
    void reportFailure(const QString &reason);

    std::function<QString()> m_text;
    QString m_path;
    // This run's file, open and locked while it exists.
    platform::FileDescriptor m_file;
    // The file holds the whole text, so records can be appended to it.
    bool m_whole = false;
    QTimer m_pending;
    platform::BackgroundSync m_sync;
    bool m_failureReported = false;
};

// "$XDG_STATE_HOME/QuorinLevelMaker", or "~/.local/state/QuorinLevelMaker"
// when that variable is unset or not an absolute path.
QString unsavedRecordsFolder();
