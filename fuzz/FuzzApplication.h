#pragma once

#include "platform/MetafilePlayer.h"

#include <cstddef>
#include <cstdint>

namespace fuzz {

// Starts the offscreen GUI application that text drawing needs, once.
void startApplication(int *argc, char ***argv);

// Plays one input with limits small enough to keep the fuzzer fast; every
// check that bounds the default limits runs just the same.
void play(const std::uint8_t *data, std::size_t size, platform::MetafileFormat format);

} // namespace fuzz
