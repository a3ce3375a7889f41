#pragma once

#include <QFileDialog>
#include <QObject>
#include <QString>

#include <functional>

namespace platform {

// A modal file dialog as a component: Filter in the form
// "Description|pattern;pattern|Description|pattern", an initial folder (when
// set), and FileName, the last chosen name, offered again at
// the next opening. The chosen name need not exist. A save dialog adds the
// chosen entry's extension to a name typed without one, when the entry's
// first pattern names an extension ("*.txt", not "*"); an open dialog adds
// none.
//
// The presenter runs the configured QFileDialog and says whether the user
// confirmed; tests replace it to answer without a modal loop.
class TFileDialog : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Filter READ filter WRITE setFilter)
    Q_PROPERTY(QString InitialDir READ initialDir WRITE setInitialDir)
    Q_PROPERTY(QString FileName READ fileName WRITE setFileName)

public:
    using Presenter = std::function<bool(QFileDialog &dialog)>;

    TFileDialog(QFileDialog::AcceptMode mode, QObject *parent);

    QString filter() const { return m_filter; }
    void setFilter(const QString &filter) { m_filter = filter; }
    QString initialDir() const { return m_initialDir; }
    void setInitialDir(const QString &dir) { m_initialDir = dir; }
    QString fileName() const { return m_fileName; }
    void setFileName(const QString &name) { m_fileName = name; }

    void setPresenter(Presenter presenter) { m_presenter = std::move(presenter); }

    // Shows the dialog modally over the active window. True when the user
    // confirmed a name, which FileName then holds; false leaves all as it was.
    bool Execute();

    // "Description|*.A;*.B" -> "Description (*.A *.B)", one entry per pair;
    // a description that already ends with its patterns is kept as it is.
    static QStringList nameFilters(const QString &filter);

private:
    QFileDialog::AcceptMode m_mode;
    QString m_filter;
    QString m_initialDir;
    QString m_fileName;
    QString m_selectedFilter;
    Presenter m_presenter;
};

class TOpenDialog : public TFileDialog
{
    Q_OBJECT

public:
    explicit TOpenDialog(QObject *parent)
        : TFileDialog(QFileDialog::AcceptOpen, parent)
    {}
};

class TSaveDialog : public TFileDialog
{
    Q_OBJECT

public:
    explicit TSaveDialog(QObject *parent)
        : TFileDialog(QFileDialog::AcceptSave, parent)
    {}
};

} // namespace platform
