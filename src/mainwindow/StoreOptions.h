#pragma once
// Writes the options to the settings registry (every close query of the main window, and the
// start-up window's close).

namespace jcw {

void StoreOptions();

}  // namespace jcw
