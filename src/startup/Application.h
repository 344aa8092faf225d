#pragma once
// The program's entry: builds the application and the main window and runs its event loop.
//   jcw              an empty crossword (24 rows, 31 columns, 4 and 4 header lines) in the editor
//   jcw FILE.jcw     that crossword: solving when its clue sums agree, else the editor
//   jcw --version    prints the version

namespace jcw {

int runApplication(int argc, char** argv);

}  // namespace jcw
