#include "grid/GridFacilities.h"

TGridFacilities::TGridFacilities()
    : FooterPanel(std::make_unique<TFooterPanel>()),
      HintWindow(std::make_unique<THTMLHintWindow>())
{
    FooterPanel->hide();
}

void TGridFacilities::CreateEditors(QWidget *grid, bool datePickerAvailable, bool themesActive)
{
    RichEdit = std::make_unique<TGridRichEdit>();
    RichEditForSelection = std::make_unique<TGridRichEdit>();
    for (int direction = 0; direction < 4; ++direction)
        ArrowWindows[std::size_t(direction)] = std::make_unique<TArrowWindow>(grid, direction);
    Editors = std::make_unique<TInplaceEditors>(grid, datePickerAvailable, themesActive);
}

TGridFacilities::~TGridFacilities()
{
    IntLists = {};
    PictureCache.clear();
    SortIndexes.clear();
    WorkBitmap = QImage();
    HintWindow.reset();
    FooterPanel.reset();
    for (auto &arrow : ArrowWindows)
        arrow.reset();
    RichEdit.reset();
    RichEditForSelection.reset();
    Editors.reset();
}
