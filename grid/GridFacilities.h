#pragma once

#include "grid/AuxiliaryControls.h"
#include "grid/InplaceEditors.h"

#include <QImage>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

// What the grid's further facilities need and this configuration only
// creates and releases: the footer panel, the hint window, the two rich-text
// editors, the insertion arrows, the inplace editors, the picture cache, the
// work bitmap and the integer lists. Made in two steps, as the grid's
// construction reaches them, and released in the order the grid requires.
class TGridFacilities
{
public:
    // The footer panel first, then the caches, the lists and the hint window.
    TGridFacilities();
    // The rich-text editors, then the four arrows and the inplace editors with
    // the grid as their parent.
    void CreateEditors(QWidget *grid, bool datePickerAvailable, bool themesActive);
    ~TGridFacilities();
    TGridFacilities(const TGridFacilities &) = delete;
    TGridFacilities &operator=(const TGridFacilities &) = delete;

    std::unique_ptr<TFooterPanel> FooterPanel;
    std::vector<QImage> PictureCache;
    std::vector<std::int32_t> SortIndexes;
    std::array<std::vector<std::int32_t>, 3> IntLists;
    QImage WorkBitmap;
    std::unique_ptr<THTMLHintWindow> HintWindow;
    std::unique_ptr<TGridRichEdit> RichEdit;
    // Reports selection changes to the grid's OnRichEditSelectionChange.
    std::unique_ptr<TGridRichEdit> RichEditForSelection;
    // Directions 0 to 3.
    std::array<std::unique_ptr<TArrowWindow>, 4> ArrowWindows;
    std::unique_ptr<TInplaceEditors> Editors;
};
