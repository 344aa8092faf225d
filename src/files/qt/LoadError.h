#pragma once
// What a load that failed tells the user: a box with the file's name and the reason, over a
// window that keeps what it showed. UI thread only.

#include <string>

namespace jcw {

// `error` is a failed load's text (Russian, with the file's name); the box has the program's
// caption, the error icon and OK.
void showLoadError(const std::string& error);

}  // namespace jcw
