#pragma once
// Loading a file by its name: the extension decides between the crossword readers and the text
// branch. Pure; the field and window steps that follow a load live in FileCommands (Qt side).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/PuzzleFile.h"
#include "model/Crossword.h"
#include "platform/Result.h"

namespace jcw {

// The last four characters of `name` when it is longer than four, else empty. Case is kept:
// ".JCW" is not ".jcw".
std::string loadExtension(const std::string& name);

// Accepts a text crossword: ok iff it is a regular file that can be opened for reading; then
// empties CurFileName and CurShortName. Nothing is read, so the field keeps what it has.
Result<void> LoadTxtFormat(const std::string& name);

// The crossword format the program opens a file of this extension in: ".jcw" written exactly so
// (the program's own files have always been told by a case-sensitive test), ".non" and ".xml" in
// any case; none for every other extension, ".txt" included.
std::optional<PuzzleFormat> openedFormatOf(std::string_view extension);

// A crossword extension (openedFormatOf) reads the crossword into `field` and makes the file
// current (readPuzzleFile, then adoptCrossword; .non and .xml come with the smallest headers and
// no marks); ".txt" takes the text branch while the process-wide dimensions are valid (not before
// the first crossword); any other name is refused. On failure nothing changes, and the error says
// why.
Result<void> loadByExtension(const std::string& name, Crossword& field);

// The name a drop opens: the first dropped name if it names an existing file (not a directory)
// whose own name's extension, from its last dot, is a crossword extension (openedFormatOf);
// otherwise none.
std::optional<std::string> droppedCrossword(const std::vector<std::string>& names);

}  // namespace jcw
