#pragma once
// The JSON description of a crossword that jcwtool prints.

#include <string>

#include "model/Crossword.h"
#include "tools/Json.h"

namespace jcw {

// colCount, rowCount, capColCount, capRowCount, rowClues, colClues, picture, markedCount,
// rowStatus, colStatus, clueSumsEqual, solved; one line.
std::string crosswordReport(const Crossword& crossword);
// The same as an object that more fields can join.
JsonObject crosswordJson(const Crossword& crossword);

}  // namespace jcw
