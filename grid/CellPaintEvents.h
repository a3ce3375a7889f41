#pragma once

#include "grid/CellPaintTypes.h"
#include "grid/GridTypes.h"
#include "platform/Brush.h"
#include "platform/Font.h"
#include "platform/Pen.h"
#include "platform/Rect.h"

#include <cstdint>
#include <functional>

class QObject;
namespace platform {
class TCanvas;
}

// Events the grid raises while it paints. Most pass the row before the
// column; the two drawing events pass the column first.

using TGridColorEvent = std::function<void(QObject *Sender, std::int32_t ARow, std::int32_t ACol, TGridDrawState AState,
                                           platform::TBrush &ABrush, platform::TFont &AFont)>;

using TIsFixedCellEvent = std::function<void(QObject *Sender, std::int32_t ARow, std::int32_t ACol, bool &IsFixed)>;

using TDrawCellEvent = std::function<void(QObject *Sender, std::int32_t ACol, std::int32_t ARow,
                                          const platform::TRect &Rect, TGridDrawState State)>;

using TCustomCellDrawEvent =
    std::function<void(QObject *Sender, platform::TCanvas &Canvas, std::int32_t ACol, std::int32_t ARow,
                       TGridDrawState AState, const platform::TRect &ARect, bool Printing)>;

using TIsPasswordCellEvent =
    std::function<void(QObject *Sender, std::int32_t ARow, std::int32_t ACol, bool &IsPassword)>;

using TGridBorderEvent = std::function<void(QObject *Sender, std::int32_t ARow, std::int32_t ACol, platform::TPen &APen,
                                            TCellBorders &Borders)>;

using TGridBorderPropEvent =
    std::function<void(QObject *Sender, std::int32_t ARow, std::int32_t ACol, platform::TPen &LeftPen,
                       platform::TPen &TopPen, platform::TPen &RightPen, platform::TPen &BottomPen)>;
