#include "CursorShapes.h"

#include "ProgramResources.h"

#include <array>

namespace platform {

namespace {

// Indexed by -id, for the system shapes 0 down to -22.
constexpr std::array<Qt::CursorShape, 23> kSystemShapes{
    Qt::ArrowCursor,        //   0 default
    Qt::BlankCursor,        //  -1 none
    Qt::ArrowCursor,        //  -2 arrow
    Qt::CrossCursor,        //  -3 cross
    Qt::IBeamCursor,        //  -4 text beam
    Qt::SizeAllCursor,      //  -5 size
    Qt::SizeBDiagCursor,    //  -6 size north-east / south-west
    Qt::SizeVerCursor,      //  -7 size north / south
    Qt::SizeFDiagCursor,    //  -8 size north-west / south-east
    Qt::SizeHorCursor,      //  -9 size west / east
    Qt::UpArrowCursor,      // -10 up arrow
    Qt::WaitCursor,         // -11 hour glass
    Qt::DragCopyCursor,     // -12 drag
    Qt::ForbiddenCursor,    // -13 no drop
    Qt::SplitVCursor,       // -14 horizontal split
    Qt::SplitHCursor,       // -15 vertical split
    Qt::DragCopyCursor,     // -16 multiple drag
    Qt::WaitCursor,         // -17 database wait
    Qt::ForbiddenCursor,    // -18 no
    Qt::BusyCursor,         // -19 application start
    Qt::WhatsThisCursor,    // -20 help
    Qt::PointingHandCursor, // -21 hand point
    Qt::SizeAllCursor,      // -22 size all
};

} // namespace

QCursor cursorShape(std::int32_t id)
{
    if (id > 0)
        return resourceCursor(id);
    // Widen before negating so that the lowest 32-bit value cannot overflow.
    const std::int64_t index = -std::int64_t(id);
    if (index < std::int64_t(kSystemShapes.size()))
        return QCursor(kSystemShapes[std::size_t(index)]);
    return QCursor(Qt::ArrowCursor);
}

} // namespace platform
