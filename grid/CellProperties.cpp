#include "grid/CellProperties.h"

#include "grid/BaseGrid.h"

TCellProperties::TCellProperties(TBaseGrid *grid, std::int32_t col, std::int32_t row)
    : OwnerCol(col),
      OwnerRow(row),
      FGrid(grid)
{}

void TCellProperties::SetBrushColor(TColor value)
{
    FBrushColor = value;
    RepaintOwnerCell();
}

void TCellProperties::SetVAlignment(TVAlignment value)
{
    FVAlignment = value;
    RepaintOwnerCell();
}

void TCellProperties::SetWordWrap(bool value)
{
    FWordWrap = value;
    RepaintOwnerCell();
}

void TCellProperties::RepaintOwnerCell()
{
    if (FGrid)
        FGrid->RepaintCellArea(OwnerCol, OwnerRow);
}

void TCellProperties::Assign(const TCellProperties &source)
{
    IsBaseCell = source.IsBaseCell;
    CellSpanX = source.CellSpanX;
    CellSpanY = source.CellSpanY;
    OwnerRow = source.OwnerRow;
    OwnerCol = source.OwnerCol;
    FAlignment = source.FAlignment;
    BorderColor = source.BorderColor;
    BorderWidth = source.BorderWidth;
    FBrushColor = source.FBrushColor;
    BrushStyle = source.BrushStyle;
    FontColor = source.FontColor;
    FontStyle = source.FontStyle;
    FontName = source.FontName;
    FontSize = source.FontSize;
    ReadOnly = source.ReadOnly;
    Editor = source.Editor;
    FVAlignment = source.FVAlignment;
    SetWordWrap(source.FWordWrap);
    NodeLevel = source.NodeLevel;
}

void TCellGraphic::SetImageObject(TCellObject *object)
{
    switch (CellType) {
    case ctBitmap:
    case ctRadio:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton: Place(FImageObject, object, CellCreated); break;
    case ctImages: Place(FImageObject, object, true); break;
    default: Place(FImageObject, object, false); break;
    }
}

void TCellGraphic::SetIconObject(TCellObject *object)
{
    Place(FIconObject, object, CellType == ctIcon && CellCreated);
}

void TCellGraphic::Place(TPayloadSlot &slot, TCellObject *object, bool owned)
{
    std::unique_ptr<TCellObject> previous =
        owned ? slot.Attach(std::unique_ptr<TCellObject>(object)) : slot.Lend(object);
    // An object set before goes when the graphic owned it, unless it is the
    // one set again: the slot holds that one now.
    if (previous.get() == object)
        (void)previous.release();
}

std::int32_t TCellGraphic::NormalizedAngle(std::int16_t angle)
{
    // Widened first, so that -32768 + 360 and 32767 - 360 cannot overflow.
    std::int32_t value = angle;
    while (value < 0)
        value += 360;
    while (value > 360)
        value -= 360;
    return value;
}

TCellGraphic &TCellGraphic::MakeRotated(std::int16_t angle)
{
    CellType = ctRotated;
    CellAngle = NormalizedAngle(angle);
    return *this;
}

void TCellGraphic::Assign(const TCellGraphic &source)
{
    CellType = source.CellType;
    CellVAlign = source.CellVAlign;
    CellHAlign = source.CellHAlign;
    CellIndex = source.CellIndex;
    CellTransparent = source.CellTransparent;
    CellValue = source.CellValue;
    CellAngle = source.CellAngle;
    CellBoolean = source.CellBoolean;
    CellErrFrom = source.CellErrFrom;
    CellErrLen = source.CellErrLen;
    CellText = source.CellText;
    CellCreated = source.CellCreated;
}
