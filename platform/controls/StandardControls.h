#pragma once

#include "platform/forms/ComponentRegistry.h"

#include <vector>

namespace platform {

// The classes of the standard controls, as stored forms name them: TBevel,
// TButton, TCheckBox, TEdit, TImage, TLabel, TMemo, TOpenDialog, TRadioGroup,
// TSaveDialog, TScrollBar, TSpinEdit.
std::vector<ComponentClass> standardControlClasses();

} // namespace platform
