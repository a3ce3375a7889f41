#pragma once

#include <QObject>

#include <functional>

// The alignment pair that a grid asks its owner for, per cell.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TVAlignment { vtaTop, vtaCenter, vtaBottom };

// Row before column; the two results are preset to the grid's default and
// the grid uses what the handler leaves in them.
using TGetAlignmentEvent =
    std::function<void(QObject *Sender, int ARow, int ACol, TAlignment &HAlign, TVAlignment &VAlign)>;
