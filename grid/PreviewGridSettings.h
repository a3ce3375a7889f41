#pragma once

#include "platform/forms/StoredForm.h"

#include <vector>

// The orientation preview's grid as the main window stores it: one 75 x 75
// cell in a 73 x 75 window at (688, 80), no fixed cells, no border and no
// scroll bars, every optional facility off. The stored form, the tests and
// the benchmarks all build the preview from this one list, in its order.
std::vector<platform::StoredProperty> previewGridSettings();

// Applies the list to a grid as loading the form does, the after-loading
// step included; the tab order, which belongs to the form, is left out.
void applyPreviewGridSettings(QObject &grid);
