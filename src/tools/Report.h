#pragma once
// The JSON description of a crossword that jcwtool prints.

#include <string>

#include "model/Crossword.h"

namespace jcw {

// colCount, rowCount, capColCount, capRowCount, rowClues, colClues, picture, markedCount,
// rowStatus, colStatus, clueSumsEqual, solved; one line.
std::string crosswordReport(const Crossword& crossword);

}  // namespace jcw
