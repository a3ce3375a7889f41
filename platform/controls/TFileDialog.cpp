#include "platform/controls/TFileDialog.h"

#include <QApplication>

namespace platform {

namespace {

// The extension of an entry's first pattern when it names one ("*.txt" ->
// "txt"); none for patterns such as "*" or "*.t?t". The dialog names the
// entry as it shows it, without its patterns.
QString entryExtension(const QString &filter, const QString &shownEntry)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    const QStringList entries = TFileDialog::nameFilters(filter);
    qsizetype index = 0;
    while (index < entries.size() && entries[index].left(entries[index].lastIndexOf(QLatin1String(" ("))) != shownEntry)
        ++index;
    if (index == entries.size())
        return QString();
    const QString first = parts[2 * index + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).value(0).trimmed();
    const QString extension = first.mid(2);
    const bool plain = first.startsWith(QLatin1String("*.")) && !extension.isEmpty()
                       && !extension.contains(QLatin1Char('*')) && !extension.contains(QLatin1Char('?'))
                       && !extension.contains(QLatin1Char('['));
    return plain ? extension : QString();
}

} // namespace

TFileDialog::TFileDialog(QFileDialog::AcceptMode mode, QObject *parent)
    : QObject(parent),
      m_mode(mode),
      m_presenter([](QFileDialog &dialog) { return dialog.exec() == QDialog::Accepted; })
{}

QStringList TFileDialog::nameFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        const QString shown = QStringLiteral(" (%1)").arg(patterns);
        // "Level files (*.txt)|*.txt" already shows its patterns.
        entries << (parts[i].endsWith(shown) ? parts[i] : parts[i] + shown);
    }
    return entries;
}

bool TFileDialog::Execute()
{
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(m_mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Patterns match without regard to case: "*.BMP" shows terrain.bmp too.
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    if (m_mode == QFileDialog::AcceptSave)
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    const QStringList filters = nameFilters(m_filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (!m_selectedFilter.isEmpty())
        dialog.selectNameFilter(m_selectedFilter);
    if (m_mode == QFileDialog::AcceptSave) {
        const auto followEntry = [this, &dialog] {
            dialog.setDefaultSuffix(entryExtension(m_filter, dialog.selectedNameFilter()));
        };
        connect(&dialog, &QFileDialog::filterSelected, &dialog, followEntry);
        followEntry();
    }
    // Without an initial folder Qt's own choice (the working folder) stands.
    if (!m_initialDir.isEmpty())
        dialog.setDirectory(m_initialDir);
    if (!m_fileName.isEmpty())
        dialog.selectFile(m_fileName);
    if (!m_presenter(dialog))
        return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return false;
    m_fileName = chosen.first();
    m_selectedFilter = dialog.selectedNameFilter();
    return true;
}

} // namespace platform
