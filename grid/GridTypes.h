#pragma once

#include "platform/Brush.h"
#include "platform/Colors.h"
#include "platform/FontStyle.h"
#include "platform/forms/TextAlignment.h"

#include <QFlags>
#include <QObject>
#include <cstdint>

// Value types shared by the grid's classes and by the code that configures it.
// The enumerations sit in an inline namespace so that Qt's meta-object system
// knows their names (the stored form may give them as text) while callers
// still write them unqualified.
inline namespace GridEnums {
Q_NAMESPACE

enum TGridOption : std::uint32_t {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goDrawFocusSelected = 1u << 5,
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goRowMoving = 1u << 8,
    goColMoving = 1u << 9,
    goEditing = 1u << 10,
    goTabs = 1u << 11,
    goRowSelect = 1u << 12,
    goAlwaysShowEditor = 1u << 13,
    goThumbTracking = 1u << 14,
};
Q_DECLARE_FLAGS(TGridOptions, TGridOption)
Q_FLAG_NS(TGridOptions)

// Flags the paint loop computes per cell.
enum TGridDrawStateFlag : std::uint8_t { gdSelected = 1, gdFocused = 2, gdFixed = 4 };
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateFlag)
Q_FLAG_NS(TGridDrawState)

enum TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
Q_ENUM_NS(TScrollStyle)

enum TBorderStyle : std::uint8_t { bsNone, bsSingle };
Q_ENUM_NS(TBorderStyle)

// What the base grid is doing with the pointer.
enum TGridState : std::uint8_t { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };
Q_ENUM_NS(TGridState)

enum TCellType : std::uint8_t {
    ctBitmap,
    ctIcon,
    ctNone,
    ctImageList,
    ctCheckBox,
    ctDataCheckBox,
    ctRotated,
    ctDataImage,
    ctNode,
    ctRadio,
    ctEmpty,
    ctImages,
    ctPicture,
    ctFilePicture,
    ctValue,
    ctProgress,
    ctComment,
    ctButton,
    ctBitButton,
    ctVirtCheckBox
};
Q_ENUM_NS(TCellType)

enum TCellHAlign : std::uint8_t { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
Q_ENUM_NS(TCellHAlign)

enum TCellVAlign : std::uint8_t { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
Q_ENUM_NS(TCellVAlign)

enum TEditorType : std::uint8_t {
    edNormal,
    edSpinEdit,
    edComboEdit,
    edComboList,
    edEditBtn,
    edCheckBox,
    edDateEdit,
    edDateEditUpDown,
    edTimeEdit,
    edButton,
    edDataCheckBox,
    edNumeric,
    edPositiveNumeric,
    edFloat,
    edCapital,
    edMixedCase,
    edPassword,
    edUnitEditBtn,
    edLowerCase,
    edUpperCase,
    edFloatSpinEdit,
    edTimeSpinEdit,
    edDateSpinEdit,
    edNumericEdit,
    edFloatEdit,
    edCustom,
    edRichEdit,
    edUniEdit
};
Q_ENUM_NS(TEditorType)

enum TGridLook : std::uint8_t { glStandard, glSoft, glClassic, glGradient };
Q_ENUM_NS(TGridLook)

enum TIntelliPan : std::uint8_t { ipVertical, ipHorizontal, ipBoth, ipNone };
Q_ENUM_NS(TIntelliPan)

enum TScrollType : std::uint8_t { ssNormal, ssFlat, ssEncarta };
Q_ENUM_NS(TScrollType)

enum TScrollHintType : std::uint8_t { shNone, shVertical, shHorizontal, shBoth };
Q_ENUM_NS(TScrollHintType)

enum TControlStyle : std::uint8_t { csClassic, csFlat, csWinXP, csBevelled, csGradient, csGlyph };
Q_ENUM_NS(TControlStyle)

enum TAdvanceDirection : std::uint8_t { adLeftRight, adTopBottom };
Q_ENUM_NS(TAdvanceDirection)

enum TInsertPosition : std::uint8_t { pInsertBefore, pInsertAfter };
Q_ENUM_NS(TInsertPosition)

enum THomeEndAction : std::uint8_t { heFirstLastColumn, heFirstLastRow };
Q_ENUM_NS(THomeEndAction)

enum TColumnSizeLocation : std::uint8_t { clRegistry, clIniFile };
Q_ENUM_NS(TColumnSizeLocation)

enum TCellNodeType : std::uint8_t { cnFlat, cn3D, cnGlyph, cnXP, cnLeaf };
Q_ENUM_NS(TCellNodeType)

enum TFooterStyle : std::uint8_t { fsFixedLastRow, fsColumnPreview, fsCustomPreview };
Q_ENUM_NS(TFooterStyle)

enum TBackgroundDisplay : std::uint8_t { bdTile, bdFixed };
Q_ENUM_NS(TBackgroundDisplay)

enum TBackgroundCells : std::uint8_t { bcNormal, bcFixed, bcAll };
Q_ENUM_NS(TBackgroundCells)

enum TSortDirection : std::uint8_t { sdAscending, sdDescending };
Q_ENUM_NS(TSortDirection)

} // namespace GridEnums

Q_DECLARE_OPERATORS_FOR_FLAGS(TGridOptions)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridDrawState)

// The canvas's styles, written plainly like the grid's own enumerations.
using platform::bsClear;
using platform::bsSolid;
using platform::fsBold;
using platform::fsItalic;
using platform::fsStrikeOut;
using platform::fsUnderline;
using platform::TBrushStyle;
using platform::TFontStyle;
using platform::TFontStyles;

// A cell address: column and row counted from 0 at the top-left cell.
struct TGridCoord
{
    std::int32_t X = 0;
    std::int32_t Y = 0;
    friend bool operator==(const TGridCoord &a, const TGridCoord &b) { return a.X == b.X && a.Y == b.Y; }
    friend bool operator!=(const TGridCoord &a, const TGridCoord &b) { return !(a == b); }
};

// A rectangle of cells, corners included.
struct TGridRect
{
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    bool contains(std::int32_t col, std::int32_t row) const
    {
        return col >= Left && col <= Right && row >= Top && row <= Bottom;
    }
    friend bool operator==(const TGridRect &a, const TGridRect &b)
    {
        return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
    }
    friend bool operator!=(const TGridRect &a, const TGridRect &b) { return !(a == b); }
};

// Cursor identifiers: 0 and the negative numbers are the platform's shapes,
// positive numbers the program's own cursor resources.
using TCursor = std::int32_t;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crHandPoint = -21;
