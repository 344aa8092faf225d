#pragma once
// The program's entry: creates the start-up window (which reads the options), the main window
// and the other windows, hidden, and runs the event loop, which shows the start-up window.
//   jcw              the start-up window, asking for the size of a new crossword
//   jcw FILE         FILE is loaded at the start-up window's first paint and opens in the main
//                    window; a name that cannot be loaded leaves the start-up window, with the
//                    reason in a box and on stderr
//   jcw --version    prints the version

namespace jcw {

int runApplication(int argc, char** argv);

}  // namespace jcw
