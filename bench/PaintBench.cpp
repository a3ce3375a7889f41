#include "grid/CellGrid.h"
#include "grid/PreviewGridSettings.h"
#include "platform/Canvas.h"
#include "platform/FormFonts.h"
#include "platform/LogicalFont.h"

#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QTableView>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A form with the preview grid: one 75 x 75 cell in a 73 x 75 window,
// centred alignment, rotated text in cell (0,0).
struct PreviewGrid
{
    PreviewGrid()
    {
        grid = new TCellGrid(&form);
        applyPreviewGridSettings(*grid);
        grid->move(0, 0);
        grid->OnGetAlignment = [](QObject *, std::int32_t, std::int32_t, TAlignment &h, TVAlignment &v) {
            h = taCenter;
            v = vtaCenter;
        };
    }
    QWidget form;
    TCellGrid *grid;
};

// One angle change as the main window makes it, and the paint that follows.
void BM_PreviewSetAndPaint(benchmark::State &state)
{
    PreviewGrid preview;
    QImage target(73, 75, QImage::Format_RGB32);
    std::int16_t angle = 0;
    for (auto _ : state) {
        preview.grid->SetRotatedCell(0, 0, angle, QStringLiteral("orientation"));
        preview.grid->render(&target);
        angle = std::int16_t((angle + 1) % 360);
    }
    benchmark::DoNotOptimize(target.constBits());
}
BENCHMARK(BM_PreviewSetAndPaint);

// The floor: Qt alone drawing the same turned word into an image of the cell.
void BM_BareRotatedWord(benchmark::State &state)
{
    QImage target(75, 75, QImage::Format_RGB32);
    const QFont font = platform::formFont(platform::kCellFontFamily, 11);
    int angle = 0;
    for (auto _ : state) {
        target.fill(0xF0F0F0);
        QPainter painter(&target);
        painter.setFont(font);
        painter.setClipRect(2, 2, 71, 71);
        painter.translate(6, 28);
        painter.rotate(-angle);
        painter.drawText(0, 11, QStringLiteral("orientation"));
        angle = (angle + 1) % 360;
    }
    benchmark::DoNotOptimize(target.constBits());
}
BENCHMARK(BM_BareRotatedWord);

// The floor as a widget: a bare widget that paints the same turned word and
// is rendered like the grid, so that both pay for the widget's paint event.
class TurnedWordWidget : public QWidget
{
public:
    TurnedWordWidget()
        : m_font(platform::formFont(platform::kCellFontFamily, 11))
    {
        resize(73, 75);
    }
    int angle = 0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0xF0, 0xF0, 0xF0));
        painter.setFont(m_font);
        painter.setClipRect(2, 2, 71, 71);
        painter.translate(6, 28);
        painter.rotate(-angle);
        painter.drawText(0, 11, QStringLiteral("orientation"));
    }

private:
    QFont m_font;
};

void BM_BareWidgetRotatedWord(benchmark::State &state)
{
    TurnedWordWidget widget;
    QImage target(73, 75, QImage::Format_RGB32);
    for (auto _ : state) {
        widget.render(&target);
        widget.angle = (widget.angle + 1) % 360;
    }
    benchmark::DoNotOptimize(target.constBits());
}
BENCHMARK(BM_BareWidgetRotatedWord);

// A grid showing 40 x 40 cells, each with a short text; counted per cell.
void BM_Paint40x40Cells(benchmark::State &state)
{
    QWidget form;
    auto *grid = new TCellGrid(&form);
    grid->SetBorderStyle(bsNone);
    grid->SetScrollBars(ssNone);
    grid->SetColCount(40);
    grid->SetRowCount(40);
    grid->SetDefaultColWidth(24);
    grid->SetDefaultRowHeight(16);
    grid->SetWidth(40 * 24);
    grid->SetHeight(40 * 16);
    for (int row = 0; row < 40; ++row)
        for (int col = 0; col < 40; ++col)
            grid->SetCells(col, row, QString::number(row * 40 + col));
    QImage target(grid->size(), QImage::Format_RGB32);
    for (auto _ : state)
        grid->render(&target);
    benchmark::DoNotOptimize(target.constBits());
    state.SetItemsProcessed(state.iterations() * 40 * 40);
}
BENCHMARK(BM_Paint40x40Cells);

// The floor: Qt's table view showing the same cells.
void BM_QtTableView40x40Cells(benchmark::State &state)
{
    QStandardItemModel model(40, 40);
    for (int row = 0; row < 40; ++row)
        for (int col = 0; col < 40; ++col)
            model.setItem(row, col, new QStandardItem(QString::number(row * 40 + col)));
    QTableView view;
    view.setModel(&model);
    view.horizontalHeader()->hide();
    view.verticalHeader()->hide();
    view.horizontalHeader()->setDefaultSectionSize(24);
    view.verticalHeader()->setDefaultSectionSize(16);
    view.setFrameShape(QFrame::NoFrame);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.resize(40 * 24, 40 * 16);
    QImage target(view.size(), QImage::Format_RGB32);
    for (auto _ : state)
        view.render(&target);
    benchmark::DoNotOptimize(target.constBits());
    state.SetItemsProcessed(state.iterations() * 40 * 40);
}
BENCHMARK(BM_QtTableView40x40Cells);

} // namespace
