#pragma once

#include "platform/metafile/MetafilePlayer.h"

#include <cstddef>
#include <cstdint>

namespace fuzz {

// Starts the offscreen GUI application that text drawing needs, once.
void startApplication(int *argc, char ***argv);

// Plays one input with limits small enough to keep the fuzzer fast; every
// check that bounds the default limits runs just the same.
void play(const std::uint8_t *data, std::size_t size, platform::MetafileFormat format);

// Loads one input both as a bitmap and as an icon file, from memory, for the
// terrain view's size.
void loadPicture(const std::uint8_t *data, std::size_t size);

} // namespace fuzz
