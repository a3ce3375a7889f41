#pragma once

#include <QFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// Keeps the text area's unsaved text in a file, so that a crash, a kill or a
// lost display loses no record. The file lies in the user's state folder,
// "$XDG_STATE_HOME/QuorinLevelMaker" (by default "~/.local/state/QuorinLevelMaker"),
// holds the text as UTF-8 with CR LF line breaks, and is named after the
// time this run started, so a file left by an earlier run is never
// overwritten.
//
// Added records reach the file before appended() returns; other changes
// (typing, "Clear", undo) are written whole and atomically within half a
// second. An empty text has no file.
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
    // The text was saved or given up: the file goes.
    void discard();

private:
    void rewrite();
    void reportFailure(const QString &reason);

    std::function<QString()> m_text;
    QString m_path;
    // Open for appending exactly while the file holds the whole text.
    QFile m_appending;
    QTimer m_pending;
    bool m_failureReported = false;
};

// "$XDG_STATE_HOME/QuorinLevelMaker", or "~/.local/state/QuorinLevelMaker"
// when that variable is unset or not an absolute path.
QString unsavedRecordsFolder();
