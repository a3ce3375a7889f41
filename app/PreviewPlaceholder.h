#pragma once

// Registers "TPreviewPlaceholder": an empty control that holds the preview
// cell's place in the main window until the grid class stands there.
void registerPreviewPlaceholder();
