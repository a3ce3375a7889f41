#pragma once

#include "grid/CellObjectSlot.h"
#include "grid/GridTypes.h"
#include "platform/Rect.h"

#include <QImage>
#include <QSize>

#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class TBaseGrid;

// Root of everything that can hang on a cell: a cell's properties object, its
// graphic, and the payload objects a graphic carries. Cell slots hold this
// type so that an object of a foreign class is told apart from a graphic.
class TCellObject
{
public:
    TCellObject() = default;
    TCellObject(const TCellObject &) = delete;
    TCellObject &operator=(const TCellObject &) = delete;
    virtual ~TCellObject() = default;
};

// A list of integers, e.g. the image-list indexes of an images cell.
class TIntList : public TCellObject
{
public:
    std::vector<std::int32_t> Items;
};

// A picture a graphic carries: the bitmap or icon of those kinds, or the
// picture of a picture cell.
class TCellPicture : public TCellObject
{
public:
    explicit TCellPicture(QImage image)
        : Image(std::move(image))
    {}
    // The size the picture takes in a cell of the given rectangle.
    virtual QSize SizeIn(const platform::TRect &) const { return Image.size(); }

    QImage Image;
};

// The grid's image list: the images that image-list cells show by index.
class TGridImages
{
public:
    QSize ImageSize;
    std::vector<QImage> Images;
};

// A cell's graphic: changes how the cell is drawn. Its kind and CellCreated
// decide, when a payload object is set, whether the graphic keeps it and
// releases it with itself or only borrows it; so both are set first.
class TCellGraphic : public TCellObject
{
public:
    TCellType CellType = ctNone;
    TCellVAlign CellVAlign = vaTop;
    TCellHAlign CellHAlign = haLeft;
    std::int32_t CellIndex = 0;
    bool CellTransparent = false;
    // The graphic owns its payload objects.
    bool CellCreated = false;
    bool CellBoolean = false;
    std::int32_t CellAngle = 0;
    double CellValue = 0.0;
    std::int16_t CellErrFrom = 0;
    std::int16_t CellErrLen = 0;
    QString CellText;
    QVariant CellVariant;

    TCellObject *ImageObject() const { return FImageObject.Get(); }
    void SetImageObject(TCellObject *object);
    TCellObject *IconObject() const { return FIconObject.Get(); }
    void SetIconObject(TCellObject *object);

    // Turns the graphic into rotated text at the angle brought into 0..360.
    TCellGraphic &MakeRotated(std::int16_t angle);

    // Copies the values, never the payload objects.
    void Assign(const TCellGraphic &source);

    // The angle that MakeRotated stores for a given angle.
    static std::int32_t NormalizedAngle(std::int16_t angle);

private:
    using TPayloadSlot = TCellObjectSlot<TCellObject>;
    static void Place(TPayloadSlot &slot, TCellObject *object, bool owned);

    TPayloadSlot FImageObject;
    TPayloadSlot FIconObject;
};

// A cell's graphic slot. It owns the graphic attached to it; an object lent
// to it (a virtual check box, or an object of another class) stays its
// lender's and is only forgotten when the slot empties.
using TGraphicSlot = TCellObjectSlot<TCellGraphic>;

// What a cell carries besides its text: colours, font, span, alignment, and
// the slot for its graphic. At most one per cell, owned by the grid's store.
class TCellProperties : public TCellObject
{
public:
    TCellProperties(TBaseGrid *grid, std::int32_t col, std::int32_t row);

    TBaseGrid *Grid() const { return FGrid; }

    std::int32_t OwnerCol = 0;
    std::int32_t OwnerRow = 0;
    // Free for the grid's user; no grid operation reads it.
    TCellObject *CellObject = nullptr;
    // The cell's graphic.
    TGraphicSlot AttachedGraphic;
    TBrushStyle BrushStyle = bsSolid;

    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor value);

    std::int32_t FontSize = 0;
    TColor FontColor = clNone;
    TFontStyles FontStyle;
    std::int32_t CellSpanY = -1;
    std::int32_t CellSpanX = -1;
    std::int32_t BorderWidth = 0;
    TColor BorderColor = 0;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { FAlignment = value; }

    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment value);

    // The paint pass in which a span's base cell was last drawn.
    std::int32_t LastPaintPass = 0;

    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);

    bool IsBaseCell = true;
    std::uint8_t FooterCalculation = 0;
    std::int32_t NodeLevel = 0;
    TEditorType Editor = edNormal;
    QString FontName;
    bool ReadOnly = false;

    // Copies the cell's look and span, never its objects or its paint pass.
    void Assign(const TCellProperties &source);

private:
    void RepaintOwnerCell();

    TBaseGrid *FGrid;
    TColor FBrushColor = clNone;
    TAlignment FAlignment = taLeftJustify;
    TVAlignment FVAlignment = vtaTop;
    bool FWordWrap = false;
};
