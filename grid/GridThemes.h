#pragma once

#include <QByteArray>
#include <array>

namespace platform {
class SystemServices;
}

// Theme support of the grid: once per process the theme library is loaded,
// when the platform has one, and every theme function the grid may use is
// looked up in it. Without a library themes are simply off.
namespace GridThemes {

// The theme functions, in the order they are looked up.
const std::array<const char *, 45> &FunctionNames();

// Loads the library and looks up every function; a function the library
// lacks stops start-up with EAssertionFailed. Does nothing when loaded.
void StartUp(platform::SystemServices &services);
// Frees the library if it was loaded.
void ShutDown();

bool LibraryLoaded();
// Whether the loaded library has the function of that name.
bool HasFunction(const QByteArray &name);
// The library's IsThemeActive answer; 0 without a library.
int IsThemeActive();

} // namespace GridThemes
