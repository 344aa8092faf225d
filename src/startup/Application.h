#pragma once
// The program's entry: builds the application and runs its event loop.

namespace jcw {

int runApplication(int argc, char** argv);

}  // namespace jcw
