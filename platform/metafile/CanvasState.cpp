#include "platform/metafile/MetafileCanvas.h"

#include "platform/metafile/MetafileError.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace platform::metafile {

namespace {

// Millimetres per logical unit of the metric and English modes.
double millimetresPerUnit(int mode)
{
    switch (mode) {
    case MapLoMetric: return 0.1;
    case MapHiMetric: return 0.01;
    case MapLoEnglish: return 0.254;
    case MapHiEnglish: return 0.0254;
    case MapTwips: return 25.4 / 1440.0;
    default: return 0;
    }
}

bool isFinite(const QTransform &t)
{
    const double values[] = {t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy()};
    return std::all_of(std::begin(values), std::end(values),
                       [](double v) { return std::isfinite(v) && std::abs(v) < 1e9; });
}

// A zero extent would divide by zero and a scaled one can run off to infinity;
// the device keeps the old extent then.
bool usableExtent(QSizeF ext)
{
    const auto usable = [](double v) { return v != 0 && std::isfinite(v) && std::abs(v) < 1e12; };
    return usable(ext.width()) && usable(ext.height());
}

} // namespace

MetafileCanvas::MetafileCanvas(PlayBudget &budget, const QSizeF &devicePixelsPerMm, const QTransform &deviceToOutput)
    : m_budget(budget),
      m_devicePixelsPerMm(devicePixelsPerMm),
      m_deviceToOutput(deviceToOutput)
{}

void MetafileCanvas::setPainter(QPainter *painter)
{
    m_painter = painter;
    m_appliedClipGeneration = 0;
}

void MetafileCanvas::setMapMode(int mode)
{
    if (mode < MapText || mode > MapAnisotropic)
        return;
    m_state.mapMode = mode;
}

void MetafileCanvas::setWindowExt(QSizeF ext)
{
    if (usableExtent(ext))
        m_state.windowExt = ext;
}

void MetafileCanvas::setViewportExt(QSizeF ext)
{
    if (usableExtent(ext))
        m_state.viewportExt = ext;
}

void MetafileCanvas::scaleWindowExt(double xNum, double xDenom, double yNum, double yDenom)
{
    if (xDenom == 0 || yDenom == 0)
        return;
    setWindowExt(QSizeF(m_state.windowExt.width() * xNum / xDenom, m_state.windowExt.height() * yNum / yDenom));
}

void MetafileCanvas::scaleViewportExt(double xNum, double xDenom, double yNum, double yDenom)
{
    if (xDenom == 0 || yDenom == 0)
        return;
    setViewportExt(QSizeF(m_state.viewportExt.width() * xNum / xDenom, m_state.viewportExt.height() * yNum / yDenom));
}

void MetafileCanvas::setWorldTransform(const QTransform &transform)
{
    if (!isFinite(transform))
        throw MetafileError("world transform out of range");
    m_state.world = transform;
}

void MetafileCanvas::modifyWorldTransform(const QTransform &transform, int mode)
{
    switch (mode) {
    case 1: m_state.world = QTransform(); return;
    case 2: setWorldTransform(transform * m_state.world); return;
    case 3: setWorldTransform(m_state.world * transform); return;
    case 4: setWorldTransform(transform); return;
    default: return;
    }
}

QTransform MetafileCanvas::pageToDevice() const
{
    double sx = 1;
    double sy = 1;
    switch (m_state.mapMode) {
    case MapText: break;
    case MapIsotropic:
    case MapAnisotropic:
        sx = m_state.viewportExt.width() / m_state.windowExt.width();
        sy = m_state.viewportExt.height() / m_state.windowExt.height();
        if (m_state.mapMode == MapIsotropic) {
            // A logical unit is as long across as down on the device itself,
            // whose pixels need not be square.
            const double xMm = std::abs(sx) / m_devicePixelsPerMm.width();
            const double yMm = std::abs(sy) / m_devicePixelsPerMm.height();
            const double mm = std::min(xMm, yMm);
            sx = std::copysign(mm * m_devicePixelsPerMm.width(), sx);
            sy = std::copysign(mm * m_devicePixelsPerMm.height(), sy);
        }
        break;
    default:
        sx = millimetresPerUnit(m_state.mapMode) * m_devicePixelsPerMm.width();
        sy = -millimetresPerUnit(m_state.mapMode) * m_devicePixelsPerMm.height();
        break;
    }
    const QPointF wo = m_state.windowOrg;
    const QPointF vo = m_state.viewportOrg;
    return QTransform(sx, 0, 0, sy, vo.x() - wo.x() * sx, vo.y() - wo.y() * sy);
}

QTransform MetafileCanvas::logicalToOutput() const
{
    return m_state.world * pageToDevice() * m_deviceToOutput;
}

double MetafileCanvas::outputScale() const
{
    const QTransform t = logicalToOutput();
    return std::sqrt(std::abs(t.determinant()));
}

void MetafileCanvas::saveDc()
{
    m_budget.checkSaveDepth(m_saved.size());
    m_saved.push_back(m_state);
}

void MetafileCanvas::restoreDc(int which)
{
    const int depth = int(m_saved.size());
    const int index = which < 0 ? depth + which : which - 1;
    if (which == 0 || index < 0 || index >= depth)
        return;
    m_state = m_saved[std::size_t(index)];
    m_saved.resize(std::size_t(index));
    ++m_clipGeneration;
}

void MetafileCanvas::resetObjectTable(std::size_t size)
{
    m_objects.assign(size, std::nullopt);
}

std::uint32_t MetafileCanvas::checkedIndex(std::uint32_t index) const
{
    if (index >= m_objects.size())
        throw MetafileError("object index outside the table");
    return index;
}

void MetafileCanvas::addObject(GdiObject object)
{
    const auto free =
        std::find_if(m_objects.begin(), m_objects.end(), [](const auto &slot) { return !slot.has_value(); });
    if (free == m_objects.end())
        throw MetafileError("object table full");
    *free = std::move(object);
}

void MetafileCanvas::putObject(std::uint32_t index, GdiObject object)
{
    // Slot 0 is the metafile itself.
    if (index == 0)
        throw MetafileError("object index 0 is reserved");
    m_objects[checkedIndex(index)] = std::move(object);
}

const GdiObject *MetafileCanvas::objectAt(std::uint32_t index) const
{
    const auto &slot = m_objects[checkedIndex(index)];
    return slot ? &*slot : nullptr;
}

void MetafileCanvas::selectObject(std::uint32_t index)
{
    const GdiObject *object = objectAt(index);
    if (!object)
        return;
    if (const auto *pen = std::get_if<GdiPen>(object))
        m_state.pen = *pen;
    else if (const auto *brush = std::get_if<GdiBrush>(object))
        m_state.brush = *brush;
    else if (const auto *font = std::get_if<GdiFont>(object))
        m_state.font = *font;
    else if (const auto *region = std::get_if<GdiRegion>(object))
        changeClip(toOutput(region->area), ClipCopy);
}

void MetafileCanvas::deleteObject(std::uint32_t index)
{
    m_objects[checkedIndex(index)].reset();
}

void MetafileCanvas::selectStockObject(std::uint32_t stock)
{
    if (auto brush = stockBrush(stock))
        m_state.brush = *brush;
    else if (auto pen = stockPen(stock))
        m_state.pen = *pen;
    else if (isStockFont(stock))
        m_state.font = GdiFont{};
}

void MetafileCanvas::selectPalette(std::optional<std::uint32_t> index)
{
    const GdiObject *object = index ? objectAt(*index) : nullptr;
    const auto *palette = object ? std::get_if<GdiPalette>(object) : nullptr;
    if (index && !palette)
        return;
    m_state.palette = palette ? palette->colors : defaultPalette();
    m_state.paletteObject = index;
}

void MetafileCanvas::setPaletteEntries(std::uint32_t index, std::uint32_t start, const QVector<QColor> &colors)
{
    auto &slot = m_objects[checkedIndex(index)];
    auto *palette = slot ? std::get_if<GdiPalette>(&*slot) : nullptr;
    if (!palette)
        return;
    for (qsizetype i = 0;
         i < colors.size() && std::uint64_t(start) + std::uint64_t(i) < std::uint64_t(palette->colors.size()); ++i)
        palette->colors[qsizetype(start + i)] = colors[i];
    if (m_state.paletteObject == index)
        m_state.palette = palette->colors;
}

} // namespace platform::metafile
