#include "mainwindow/StoreOptions.h"

namespace jcw {

// The registry side of the settings is not in this build yet; the options stay in memory.
void StoreOptions() {}

}  // namespace jcw
