#pragma once

#include "grid/CellPaintEvents.h"
#include "grid/GridEvents.h"

// The events the grid raises on top of those of its base. Each is optional:
// raised only when assigned.
struct TCellGridEvents
{
    // Painting.
    TGridAlignEvent OnGetAlignment;
    TGridColorEvent OnGetCellColor;
    TGridColorEvent OnGetCellPrintColor;
    TIsFixedCellEvent OnIsFixedCell;
    TDrawCellEvent OnDrawCell;
    TCustomCellDrawEvent OnCustomCellDraw;
    TIsPasswordCellEvent OnIsPasswordCell;
    TGridBorderEvent OnGetCellBorder;
    TGridBorderPropEvent OnGetCellBorderProp;
    TNotifyEvent OnRichEditSelectionChange;

    // Pointer and keyboard.
    TClickCellEvent OnClickCell;
    TClickCellEvent OnRightClickCell;
    TClickCellEvent OnDblClickCell;
    TRowChangingEvent OnRowChanging;
    TColChangingEvent OnColChanging;
    TCellChangingEvent OnCellChanging;
    TCanEditCellEvent OnCanEditCell;
    TGridHintEvent OnGridHint;
};
