#include "platform/controls/TFileDialog.h"

#include <QApplication>

namespace platform {

TFileDialog::TFileDialog(QFileDialog::AcceptMode mode, QObject *parent)
    : QObject(parent)
    , m_mode(mode)
    , m_presenter([](QFileDialog &dialog) { return dialog.exec() == QDialog::Accepted; })
{
}

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
