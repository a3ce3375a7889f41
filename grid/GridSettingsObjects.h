#pragma once

#include "grid/BehaviourSettings.h"
#include "grid/DisplaySettings.h"
#include "grid/GridFilter.h"
#include "grid/GridFont.h"
#include "grid/OutputSettings.h"

#include <memory>

// The grid's settings objects and its two extra fonts, published under these
// names; the grid makes them and releases them in its own order.
struct TGridSettingsObjects
{
    std::unique_ptr<TFloatingFooter> FloatingFooter;
    std::unique_ptr<TPrintSettings> PrintSettings;
    std::unique_ptr<THTMLSettings> HTMLSettings;
    std::unique_ptr<TSortSettings> SortSettings;
    std::unique_ptr<TDragDropSettings> DragDropSettings;
    std::unique_ptr<TControlLook> ControlLook;
    std::unique_ptr<TNavigation> Navigation;
    std::unique_ptr<TColumnSize> ColumnSize;
    std::unique_ptr<TCellNode> CellNode;
    std::unique_ptr<TBands> Bands;
    std::unique_ptr<TSizeWhileTyping> SizeWhileTyping;
    std::unique_ptr<TMouseActions> MouseActions;
    std::unique_ptr<TFont> FixedFont;
    std::unique_ptr<TFont> ActiveCellFont;
    std::unique_ptr<TBackGround> BackGround;
    std::unique_ptr<TFilter> Filter;
};
