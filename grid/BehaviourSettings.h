#pragma once

#include "grid/GridSettings.h"
#include "grid/GridTypes.h"

#include <QImage>
#include <QString>
#include <functional>

// Settings that switch the grid's optional behaviours: keyboard and
// clipboard, pointer actions, growing while typing, OLE drag and drop,
// column widths and sorting.

class TNavigation : public TGridSettings
{
    Q_OBJECT
    Q_PROPERTY(bool AllowInsertRow MEMBER FAllowInsertRow NOTIFY changed)
    Q_PROPERTY(bool AllowDeleteRow MEMBER FAllowDeleteRow NOTIFY changed)
    Q_PROPERTY(bool AdvanceOnEnter MEMBER FAdvanceOnEnter NOTIFY changed)
    Q_PROPERTY(bool AdvanceInsert MEMBER FAdvanceInsert NOTIFY changed)
    Q_PROPERTY(bool AutoGotoWhenSorted MEMBER FAutoGotoWhenSorted NOTIFY changed)
    Q_PROPERTY(bool AutoGotoIncremental MEMBER FAutoGotoIncremental NOTIFY changed)
    Q_PROPERTY(bool AutoComboDropSize MEMBER FAutoComboDropSize NOTIFY changed)
    Q_PROPERTY(bool AdvanceAuto MEMBER FAdvanceAuto NOTIFY changed)
    Q_PROPERTY(bool AllowClipboardShortCuts MEMBER FAllowClipboardShortCuts NOTIFY changed)
    Q_PROPERTY(bool AllowSmartClipboard MEMBER FAllowSmartClipboard NOTIFY changed)
    Q_PROPERTY(bool AllowRTFClipboard MEMBER FAllowRTFClipboard NOTIFY changed)
    Q_PROPERTY(bool AllowClipboardAlways MEMBER FAllowClipboardAlways NOTIFY changed)
    Q_PROPERTY(bool AllowClipboardRowGrow MEMBER FAllowClipboardRowGrow NOTIFY changed)
    Q_PROPERTY(bool AllowClipboardColGrow MEMBER FAllowClipboardColGrow NOTIFY changed)
    Q_PROPERTY(bool CopyHTMLTagsToClipboard MEMBER FCopyHTMLTagsToClipboard NOTIFY changed)
    Q_PROPERTY(bool AlwaysEdit MEMBER FAlwaysEdit NOTIFY changed)
    Q_PROPERTY(bool KeepHorizScroll MEMBER FKeepHorizScroll NOTIFY changed)
    Q_PROPERTY(TAdvanceDirection AdvanceDirection MEMBER FAdvanceDirection NOTIFY changed)
    Q_PROPERTY(TInsertPosition InsertPosition MEMBER FInsertPosition NOTIFY changed)
    Q_PROPERTY(THomeEndAction HomeEndKey MEMBER FHomeEndKey NOTIFY changed)

public:
    using TGridSettings::TGridSettings;

    bool AllowInsertRow() const { return FAllowInsertRow; }
    bool AllowDeleteRow() const { return FAllowDeleteRow; }
    bool AdvanceOnEnter() const { return FAdvanceOnEnter; }
    bool AdvanceInsert() const { return FAdvanceInsert; }
    bool AutoGotoWhenSorted() const { return FAutoGotoWhenSorted; }
    bool AutoGotoIncremental() const { return FAutoGotoIncremental; }
    bool AutoComboDropSize() const { return FAutoComboDropSize; }
    bool AdvanceAuto() const { return FAdvanceAuto; }
    bool AllowClipboardShortCuts() const { return FAllowClipboardShortCuts; }
    bool AllowSmartClipboard() const { return FAllowSmartClipboard; }
    bool AllowRTFClipboard() const { return FAllowRTFClipboard; }
    bool AllowClipboardAlways() const { return FAllowClipboardAlways; }
    bool AllowClipboardRowGrow() const { return FAllowClipboardRowGrow; }
    bool AllowClipboardColGrow() const { return FAllowClipboardColGrow; }
    bool CopyHTMLTagsToClipboard() const { return FCopyHTMLTagsToClipboard; }
    bool AlwaysEdit() const { return FAlwaysEdit; }
    void SetAlwaysEdit(bool value) { Store(FAlwaysEdit, value); }
    bool KeepHorizScroll() const { return FKeepHorizScroll; }
    TAdvanceDirection AdvanceDirection() const { return FAdvanceDirection; }
    TInsertPosition InsertPosition() const { return FInsertPosition; }
    THomeEndAction HomeEndKey() const { return FHomeEndKey; }

private:
    bool FAllowInsertRow = false;
    bool FAllowDeleteRow = false;
    bool FAdvanceOnEnter = false;
    bool FAdvanceInsert = false;
    bool FAutoGotoWhenSorted = false;
    bool FAutoGotoIncremental = false;
    bool FAutoComboDropSize = false;
    bool FAdvanceAuto = false;
    bool FAllowClipboardShortCuts = false;
    bool FAllowSmartClipboard = false;
    bool FAllowRTFClipboard = false;
    bool FAllowClipboardAlways = false;
    bool FAllowClipboardRowGrow = true;
    bool FAllowClipboardColGrow = true;
    bool FCopyHTMLTagsToClipboard = true;
    bool FAlwaysEdit = false;
    bool FKeepHorizScroll = false;
    TAdvanceDirection FAdvanceDirection = adLeftRight;
    TInsertPosition FInsertPosition = pInsertBefore;
    THomeEndAction FHomeEndKey = heFirstLastColumn;
};

// Optional pointer behaviours; all off by default.
class TMouseActions : public TGridSettings
{
    Q_OBJECT
    Q_PROPERTY(bool AllColumnSize MEMBER FAllColumnSize NOTIFY changed)
    Q_PROPERTY(bool AllRowSize MEMBER FAllRowSize NOTIFY changed)
    Q_PROPERTY(bool AllSelect MEMBER FAllSelect NOTIFY changed)
    Q_PROPERTY(bool CaretPositioning MEMBER FCaretPositioning NOTIFY changed)
    Q_PROPERTY(bool ColSelect MEMBER FColSelect NOTIFY changed)
    Q_PROPERTY(bool DirectComboDrop MEMBER FDirectComboDrop NOTIFY changed)
    Q_PROPERTY(bool DirectEdit MEMBER FDirectEdit NOTIFY changed)
    Q_PROPERTY(bool DisjunctRowSelect MEMBER FDisjunctRowSelect NOTIFY changed)
    Q_PROPERTY(bool DisjunctCellSelect MEMBER FDisjunctCellSelect NOTIFY changed)
    Q_PROPERTY(bool RangeSelectAndEdit MEMBER FRangeSelectAndEdit NOTIFY changed)
    Q_PROPERTY(bool RowSelect MEMBER FRowSelect NOTIFY changed)
    Q_PROPERTY(bool SizeFixedCol MEMBER FSizeFixedCol NOTIFY changed)

public:
    using TGridSettings::TGridSettings;

    bool AllColumnSize() const { return FAllColumnSize; }
    bool AllRowSize() const { return FAllRowSize; }
    bool AllSelect() const { return FAllSelect; }
    bool CaretPositioning() const { return FCaretPositioning; }
    bool ColSelect() const { return FColSelect; }
    bool DirectComboDrop() const { return FDirectComboDrop; }
    bool DirectEdit() const { return FDirectEdit; }
    bool DisjunctRowSelect() const { return FDisjunctRowSelect; }
    bool DisjunctCellSelect() const { return FDisjunctCellSelect; }
    bool RangeSelectAndEdit() const { return FRangeSelectAndEdit; }
    bool RowSelect() const { return FRowSelect; }
    bool SizeFixedCol() const { return FSizeFixedCol; }

private:
    bool FAllColumnSize = false;
    bool FAllRowSize = false;
    bool FAllSelect = false;
    bool FCaretPositioning = false;
    bool FColSelect = false;
    bool FDirectComboDrop = false;
    bool FDirectEdit = false;
    bool FDisjunctRowSelect = false;
    bool FDisjunctCellSelect = false;
    bool FRangeSelectAndEdit = false;
    bool FRowSelect = false;
    bool FSizeFixedCol = false;
};

// Growing cells while the user types into them.
class TSizeWhileTyping : public TGridSettings
{
    Q_OBJECT
    Q_PROPERTY(bool Height MEMBER FHeight NOTIFY changed)
    Q_PROPERTY(bool Width MEMBER FWidth NOTIFY changed)

public:
    using TGridSettings::TGridSettings;

    bool Height() const { return FHeight; }
    bool Width() const { return FWidth; }

private:
    bool FHeight = false;
    bool FWidth = false;
};

// OLE drag and drop. Switching the drop target on or off is announced apart,
// because the grid registers or revokes its drop target then.
class TDragDropSettings : public TGridSettings
{
    Q_OBJECT
    Q_PROPERTY(bool OleDropTarget READ OleDropTarget WRITE SetOleDropTarget NOTIFY changed)
    Q_PROPERTY(bool OleDropSource MEMBER FOleDropSource NOTIFY changed)
    Q_PROPERTY(bool OleAcceptFiles MEMBER FOleAcceptFiles NOTIFY changed)
    Q_PROPERTY(bool OleAcceptText MEMBER FOleAcceptText NOTIFY changed)
    Q_PROPERTY(bool OleCopyAlways MEMBER FOleCopyAlways NOTIFY changed)
    Q_PROPERTY(bool OleDropRTF MEMBER FOleDropRTF NOTIFY changed)
    Q_PROPERTY(bool OleEntireRows MEMBER FOleEntireRows NOTIFY changed)
    Q_PROPERTY(bool OleInsertRows MEMBER FOleInsertRows NOTIFY changed)
    Q_PROPERTY(bool OleRemoveRows MEMBER FOleRemoveRows NOTIFY changed)
    Q_PROPERTY(bool OleColumnDragDrop MEMBER FOleColumnDragDrop NOTIFY changed)
    Q_PROPERTY(bool OleRowDragDrop MEMBER FOleRowDragDrop NOTIFY changed)

public:
    using TGridSettings::TGridSettings;

    bool OleDropTarget() const { return FOleDropTarget; }
    void SetOleDropTarget(bool value);
    bool OleDropSource() const { return FOleDropSource; }
    bool OleAcceptFiles() const { return FOleAcceptFiles; }
    bool OleAcceptText() const { return FOleAcceptText; }
    bool OleCopyAlways() const { return FOleCopyAlways; }
    bool OleDropRTF() const { return FOleDropRTF; }
    bool OleEntireRows() const { return FOleEntireRows; }
    bool OleInsertRows() const { return FOleInsertRows; }
    bool OleRemoveRows() const { return FOleRemoveRows; }
    bool OleColumnDragDrop() const { return FOleColumnDragDrop; }
    bool OleRowDragDrop() const { return FOleRowDragDrop; }

signals:
    void dropTargetSwitched(bool on);

private:
    bool FOleDropTarget = false;
    bool FOleDropSource = false;
    bool FOleAcceptFiles = true;
    bool FOleAcceptText = true;
    bool FOleCopyAlways = false;
    bool FOleDropRTF = false;
    bool FOleEntireRows = false;
    bool FOleInsertRows = false;
    bool FOleRemoveRows = false;
    bool FOleColumnDragDrop = false;
    bool FOleRowDragDrop = false;
};

// Persistence and stretching of column widths.
class TColumnSize : public TGridSettings
{
    Q_OBJECT
    Q_PROPERTY(bool Save MEMBER FSave NOTIFY changed)
    Q_PROPERTY(QString Key MEMBER FKey NOTIFY changed)
    Q_PROPERTY(QString Section MEMBER FSection NOTIFY changed)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch NOTIFY changed)
    Q_PROPERTY(int StretchColumn MEMBER FStretchColumn NOTIFY changed)
    Q_PROPERTY(bool SynchWithGrid MEMBER FSynchWithGrid NOTIFY changed)
    Q_PROPERTY(TColumnSizeLocation Location MEMBER FLocation NOTIFY changed)

public:
    // The grid stretches its columns by a direct call, so that a refusal
    // (an exception) leaves the switch as it was and announces nothing.
    using Stretcher = std::function<void(bool stretch, int stretchColumn)>;
    explicit TColumnSize(Stretcher stretcher = {}, QObject *parent = nullptr);

    bool Save() const { return FSave; }
    QString Key() const { return FKey; }
    QString Section() const { return FSection; }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    int StretchColumn() const { return FStretchColumn; }
    void SetStretchColumn(int value) { Store(FStretchColumn, value); }
    bool SynchWithGrid() const { return FSynchWithGrid; }
    TColumnSizeLocation Location() const { return FLocation; }

private:
    Stretcher FStretcher;
    bool FSave = false;
    QString FKey;
    QString FSection;
    bool FStretch = false;
    int FStretchColumn = -1;
    bool FSynchWithGrid = false;
    TColumnSizeLocation FLocation = clRegistry;
};

// Sorting. The sort row must lie within the fixed rows, which the grid tells.
class TSortSettings : public TGridSettings
{
    Q_OBJECT
    Q_PROPERTY(bool AutoColumnMerge MEMBER FAutoColumnMerge NOTIFY changed)
    Q_PROPERTY(int Column MEMBER FColumn NOTIFY changed)
    Q_PROPERTY(bool Show MEMBER FShow NOTIFY changed)
    Q_PROPERTY(bool IgnoreBlanks MEMBER FIgnoreBlanks NOTIFY changed)
    Q_PROPERTY(bool IgnoreCase MEMBER FIgnoreCase NOTIFY changed)
    Q_PROPERTY(bool Full MEMBER FFull NOTIFY changed)
    Q_PROPERTY(bool AutoFormat MEMBER FAutoFormat NOTIFY changed)
    Q_PROPERTY(TSortDirection Direction MEMBER FDirection NOTIFY changed)
    Q_PROPERTY(TSortDirection InitSortDirection MEMBER FInitSortDirection NOTIFY changed)
    Q_PROPERTY(bool IndexShow MEMBER FIndexShow NOTIFY changed)
    Q_PROPERTY(TColor IndexColor MEMBER FIndexColor NOTIFY changed)
    Q_PROPERTY(bool NormalCellsOnly MEMBER FNormalCellsOnly NOTIFY changed)
    Q_PROPERTY(bool UndoSort MEMBER FUndoSort NOTIFY changed)
    Q_PROPERTY(QImage UpGlyph MEMBER FUpGlyph NOTIFY changed)
    Q_PROPERTY(QImage DownGlyph MEMBER FDownGlyph NOTIFY changed)
    Q_PROPERTY(int Row READ Row WRITE SetRow NOTIFY changed)

public:
    explicit TSortSettings(std::function<int()> fixedRowCount, QObject *parent = nullptr);

    bool AutoColumnMerge() const { return FAutoColumnMerge; }
    int Column() const { return FColumn; }
    bool Show() const { return FShow; }
    bool IgnoreBlanks() const { return FIgnoreBlanks; }
    bool IgnoreCase() const { return FIgnoreCase; }
    bool Full() const { return FFull; }
    bool AutoFormat() const { return FAutoFormat; }
    TSortDirection Direction() const { return FDirection; }
    TSortDirection InitSortDirection() const { return FInitSortDirection; }
    bool IndexShow() const { return FIndexShow; }
    TColor IndexColor() const { return FIndexColor; }
    bool NormalCellsOnly() const { return FNormalCellsOnly; }
    bool UndoSort() const { return FUndoSort; }
    QImage UpGlyph() const { return FUpGlyph; }
    QImage DownGlyph() const { return FDownGlyph; }
    int Row() const { return FRow; }
    // Refuses a row beyond the fixed rows and keeps the old value then.
    void SetRow(int value);

private:
    std::function<int()> FFixedRowCount;
    bool FAutoColumnMerge = false;
    int FColumn = 0;
    bool FShow = false;
    bool FIgnoreBlanks = false;
    bool FIgnoreCase = false;
    bool FFull = true;
    bool FAutoFormat = true;
    TSortDirection FDirection = sdAscending;
    TSortDirection FInitSortDirection = sdAscending;
    bool FIndexShow = false;
    TColor FIndexColor = clYellow;
    bool FNormalCellsOnly = false;
    bool FUndoSort = false;
    QImage FUpGlyph;
    QImage FDownGlyph;
    int FRow = 0;
};
