#pragma once
// What the program's Save and Save As write. The extension of the chosen name decides: ".non"
// and ".xml" (in any case) get those formats, which hold the clues only; every other name gets
// the .jcw layout, which holds the clues and the marks. Save never writes to a name whose
// format would drop the marks: it proposes the .jcw name beside it instead.

#include <string>

#include "model/Crossword.h"
#include "platform/Result.h"

namespace jcw {

// True iff a save under `name` writes the .jcw layout, marks included.
bool keepsMarks(const std::string& name);

// `name` with its extension (from the last dot of its own name) replaced by ".jcw", or with
// ".jcw" appended when it has none: the name Save proposes for a crossword from .non or XML.
std::string jcwNameFor(const std::string& name);

// Writes `field` under `name` in the format its extension names; on success `name` becomes the
// current file (CurFileName, CurShortName), and the field counts as saved at its present history
// position (markSaved) when the file holds all of it: always in the .jcw layout, in the formats of
// clues only while no picture cell is marked. On failure nothing changes and the error says why.
// `name` is a copy: Save passes CurFileName itself.
Result<void> saveCrosswordAs(std::string name, Crossword& field);

}  // namespace jcw
