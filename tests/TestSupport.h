#pragma once

#include <QImage>
#include <QPalette>
#include <QWidget>

namespace testsupport {

// The palette every test runs with, so that system colours give fixed pixels.
QPalette fixedPalette();

// Renders a widget into an image the size of the widget.
QImage grab(QWidget &widget);

} // namespace testsupport
