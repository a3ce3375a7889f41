#pragma once

#include <QObject>

#include <functional>

// The alignment pair that a grid asks its owner for, per cell. The names are
// known to Qt's meta-object system, so a stored form may give them as text.
inline namespace TextAlignmentEnums {
Q_NAMESPACE

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

enum TVAlignment { vtaTop, vtaCenter, vtaBottom };
Q_ENUM_NS(TVAlignment)

} // namespace TextAlignmentEnums

// Row before column; the two results are preset to the grid's default and
// the grid uses what the handler leaves in them.
using TGetAlignmentEvent =
    std::function<void(QObject *Sender, int ARow, int ACol, TAlignment &HAlign, TVAlignment &VAlign)>;
