#pragma once

#include "grid/BaseGrid.h"

#include <QString>
#include <QStringList>

// The grid's plain published settings. Each is stored as it is set; a
// change through the property system announces settingChanged, on which the
// grid repaints. Painting and input read the fields directly; the settings
// with further effects have their setters in the grid.
class TCellGridSettings : public TBaseGrid
{
    Q_OBJECT
    Q_PROPERTY(bool ActiveCellShow MEMBER FActiveCellShow NOTIFY settingChanged)
    Q_PROPERTY(TColor ActiveCellColor MEMBER FActiveCellColor NOTIFY settingChanged)
    Q_PROPERTY(bool AutoNumAlign MEMBER FAutoNumAlign NOTIFY settingChanged)
    Q_PROPERTY(bool EnhTextSize MEMBER FEnhTextSize NOTIFY settingChanged)
    Q_PROPERTY(bool EnhRowColMove MEMBER FEnhRowColMove NOTIFY settingChanged)
    Q_PROPERTY(bool SizeWithForm MEMBER FSizeWithForm NOTIFY settingChanged)
    Q_PROPERTY(bool Multilinecells MEMBER FMultilinecells NOTIFY settingChanged)
    Q_PROPERTY(bool EnableBlink MEMBER FEnableBlink NOTIFY settingChanged)
    Q_PROPERTY(bool EnableHTML MEMBER FEnableHTML NOTIFY settingChanged)
    Q_PROPERTY(bool EnableWheel MEMBER FEnableWheel NOTIFY settingChanged)
    Q_PROPERTY(TColor HintColor MEMBER FHintColor NOTIFY settingChanged)
    Q_PROPERTY(TColor SelectionColor MEMBER FSelectionColor NOTIFY settingChanged)
    Q_PROPERTY(TColor SelectionTextColor MEMBER FSelectionTextColor NOTIFY settingChanged)
    Q_PROPERTY(bool SelectionRectangle MEMBER FSelectionRectangle NOTIFY settingChanged)
    Q_PROPERTY(bool SelectionResizer MEMBER FSelectionResizer NOTIFY settingChanged)
    Q_PROPERTY(bool SelectionRTFKeep MEMBER FSelectionRTFKeep NOTIFY settingChanged)
    Q_PROPERTY(bool HintShowCells MEMBER FHintShowCells NOTIFY settingChanged)
    Q_PROPERTY(bool HintShowLargeText MEMBER FHintShowLargeText NOTIFY settingChanged)
    Q_PROPERTY(bool HintShowSizing MEMBER FHintShowSizing NOTIFY settingChanged)
    Q_PROPERTY(int MaxEditLength MEMBER FMaxEditLength NOTIFY settingChanged)
    Q_PROPERTY(TIntelliPan IntelliPan MEMBER FIntelliPan NOTIFY settingChanged)
    Q_PROPERTY(bool IntelliZoom MEMBER FIntelliZoom NOTIFY settingChanged)
    Q_PROPERTY(TColor URLColor MEMBER FURLColor NOTIFY settingChanged)
    Q_PROPERTY(bool URLShow MEMBER FURLShow NOTIFY settingChanged)
    Q_PROPERTY(bool URLFull MEMBER FURLFull NOTIFY settingChanged)
    Q_PROPERTY(bool URLEdit MEMBER FURLEdit NOTIFY settingChanged)
    Q_PROPERTY(bool ScrollSynch MEMBER FScrollSynch NOTIFY settingChanged)
    Q_PROPERTY(TScrollHintType ScrollHints MEMBER FScrollHints NOTIFY settingChanged)
    Q_PROPERTY(bool OemConvert MEMBER FOemConvert NOTIFY settingChanged)
    Q_PROPERTY(QString FloatFormat MEMBER FFloatFormat NOTIFY settingChanged)
    Q_PROPERTY(QStringList LookupItems MEMBER FLookupItems)
    Q_PROPERTY(int FixedFooters MEMBER FFixedFooters NOTIFY settingChanged)
    Q_PROPERTY(int FixedRightCols MEMBER FFixedRightCols NOTIFY settingChanged)
    Q_PROPERTY(int FixedRowHeight MEMBER FFixedRowHeight)
    Q_PROPERTY(bool FixedAsButtons MEMBER FFixedAsButtons NOTIFY settingChanged)
    Q_PROPERTY(bool FixedColAlways MEMBER FFixedColAlways NOTIFY settingChanged)
    Q_PROPERTY(bool FixedRowAlways MEMBER FFixedRowAlways NOTIFY settingChanged)
    Q_PROPERTY(bool WordWrap MEMBER FWordWrap NOTIFY settingChanged)
    Q_PROPERTY(bool Lookup MEMBER FLookup NOTIFY settingChanged)
    Q_PROPERTY(bool LookupCaseSensitive MEMBER FLookupCaseSensitive NOTIFY settingChanged)
    Q_PROPERTY(bool LookupHistory MEMBER FLookupHistory NOTIFY settingChanged)
    Q_PROPERTY(bool ShowSelection MEMBER FShowSelection NOTIFY settingChanged)
    Q_PROPERTY(bool HideFocusRect MEMBER FHideFocusRect NOTIFY settingChanged)
    Q_PROPERTY(TGridLook Look MEMBER FLook NOTIFY settingChanged)
    Q_PROPERTY(bool Hovering MEMBER FHovering NOTIFY settingChanged)

public:
    using TBaseGrid::TBaseGrid;

    TColor SelectionColor() const { return FSelectionColor; }
    TColor SelectionTextColor() const { return FSelectionTextColor; }
    bool IntelliZoom() const { return FIntelliZoom; }
    int FixedFooters() const { return FFixedFooters; }
    int FixedRowHeight() const { return FFixedRowHeight; }

signals:
    void settingChanged();

protected:
    bool FActiveCellShow = false;
    TColor FActiveCellColor = clGray;
    bool FAutoNumAlign = false;
    bool FAutoSize = false;
    bool FEnhTextSize = false;
    bool FEnhRowColMove = false;
    bool FSizeWithForm = false;
    bool FMultilinecells = false;
    TVAlignment FVAlignment = vtaTop;
    bool FEnableBlink = false;
    bool FEnableHTML = true;
    bool FEnableWheel = true;
    bool FFlat = false;
    TColor FHintColor = clInfoBk;
    TColor FSelectionColor = clHighlight;
    TColor FSelectionTextColor = clHighlightText;
    bool FSelectionRectangle = false;
    bool FSelectionResizer = false;
    bool FSelectionRTFKeep = false;
    bool FHintShowCells = false;
    bool FHintShowLargeText = false;
    bool FHintShowSizing = false;
    int FMaxEditLength = 0;
    TIntelliPan FIntelliPan = ipVertical;
    bool FIntelliZoom = true;
    TColor FURLColor = clBlue;
    bool FURLShow = false;
    bool FURLFull = false;
    bool FURLEdit = false;
    TScrollType FScrollType = ssNormal;
    TColor FScrollColor = clNone;
    // The system's scroll bar width, read at construction.
    int FScrollWidth = 0;
    bool FScrollSynch = false;
    bool FScrollProportional = false;
    TScrollHintType FScrollHints = shNone;
    bool FOemConvert = false;
    int FFixedFooters = 0;
    int FFixedRightCols = 0;
    int FFixedRowHeight = 21;
    bool FFixedAsButtons = false;
    bool FFixedColAlways = false;
    bool FFixedRowAlways = false;
    QString FFloatFormat;
    bool FIntegralHeight = false;
    bool FWordWrap = false;
    bool FLookup = false;
    bool FLookupCaseSensitive = false;
    bool FLookupHistory = false;
    QStringList FLookupItems;
    bool FShowSelection = true;
    bool FHideFocusRect = false;
    TGridLook FLook = glSoft;
    bool FHovering = false;
};
