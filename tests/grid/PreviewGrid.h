#pragma once

#include "grid/CellGrid.h"

#include <QImage>
#include <QWidget>

#include <memory>

namespace testsupport {

// A form holding the preview grid with the main window's stored settings,
// at the form's top-left corner, answering centre and centre for every
// cell's alignment.
struct PreviewForm
{
    PreviewForm();

    // Shows the form and gives the grid the keyboard focus.
    void focusGrid();
    // Shows the form with the keyboard focus on another control.
    void focusElsewhere();
    QImage paint();

    std::unique_ptr<QWidget> form;
    TCellGrid *grid = nullptr;
    QWidget *other = nullptr;
    int alignmentCalls = 0;
};

// Pixels of the image that differ from colour, inside rect.
int countPixels(const QImage &image, const QRect &rect, QRgb colour);
QRect inkBounds(const QImage &image, const QRect &rect, QRgb background);

} // namespace testsupport
