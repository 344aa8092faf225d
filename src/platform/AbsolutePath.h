#pragma once
// Names given relative to the working directory, made to hold wherever they are used later.

#include <string>

namespace jcw {

// `name` as an absolute path from the current directory; "." components and doubled separators
// go, ".." stays (through a symbolic link it need not mean the lexical parent). An empty name, or
// one that cannot be made absolute, is returned as it is.
std::string absoluteFileName(const std::string& name);

}  // namespace jcw
