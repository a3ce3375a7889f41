#pragma once

#include "platform/metafile/GdiObjects.h"

#include <QPainterPath>
#include <QPointF>
#include <QRegion>
#include <QSizeF>
#include <QTransform>

#include <optional>

namespace platform::metafile {

enum MapMode {
    MapText = 1,
    MapLoMetric = 2,
    MapHiMetric = 3,
    MapLoEnglish = 4,
    MapHiEnglish = 5,
    MapTwips = 6,
    MapIsotropic = 7,
    MapAnisotropic = 8,
};

enum BackgroundMode { BkTransparent = 1, BkOpaque = 2 };

enum TextAlign : unsigned {
    TextUpdateCp = 1,
    TextRight = 2,
    TextCenter = 6,
    TextHorizontalMask = 6,
    TextBottom = 8,
    TextBaseline = 24,
    TextVerticalMask = 24,
};

enum Rop2 {
    R2Black = 1,
    R2NotMergePen = 2,
    R2MaskNotPen = 3,
    R2NotCopyPen = 4,
    R2MaskPenNot = 5,
    R2Not = 6,
    R2XorPen = 7,
    R2NotMaskPen = 8,
    R2MaskPen = 9,
    R2NotXorPen = 10,
    R2Nop = 11,
    R2MergeNotPen = 12,
    R2CopyPen = 13,
    R2MergePenNot = 14,
    R2MergePen = 15,
    R2White = 16,
};

// Everything SaveDC keeps and RestoreDC brings back.
struct DrawingState
{
    int mapMode = MapText;
    QPointF windowOrg;
    QSizeF windowExt{1, 1};
    QPointF viewportOrg;
    QSizeF viewportExt{1, 1};
    QTransform world;

    GdiPen pen;
    GdiBrush brush;
    GdiFont font;
    std::optional<std::uint32_t> paletteObject; // none: the default palette
    QVector<QColor> palette = defaultPalette(); // the selected palette's colours

    int backgroundMode = BkOpaque;
    QColor backgroundColor = Qt::white;
    QColor textColor = Qt::black;
    unsigned textAlign = 0;
    bool windingFill = false;
    int rop2 = R2CopyPen;
    bool clockwiseArcs = false;

    std::optional<QRegion> clip; // output pixels; none means unclipped
    QPointF position;            // logical current position
};

} // namespace platform::metafile
