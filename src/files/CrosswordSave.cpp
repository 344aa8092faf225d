#include "files/CrosswordSave.h"

#include <filesystem>

#include "files/CrosswordFile.h"
#include "files/DrawnPicture.h"
#include "files/PuzzleFile.h"

namespace jcw {

namespace fs = std::filesystem;

bool keepsMarks(const std::string& name) {
  const std::optional<PuzzleFormat> format = puzzleFormatOf(name);
  return format != PuzzleFormat::Non && format != PuzzleFormat::Webpbn;
}

std::string jcwNameFor(const std::string& name) {
  return fs::path(name).replace_extension(".jcw").string();
}

Result<void> saveCrosswordAs(std::string name, Crossword& field) {
  const bool whole = keepsMarks(name);
  const Result<void> written =
      whole ? writeCrosswordFile(name, field) : writePuzzleFile(name, field);
  if (!written) return written;
  // Marks the file cannot hold stay unsaved, so that no command drops them unasked.
  if (whole || field.countMarked() == 0 || marksAreGoal(field)) {
    field.markSaved();
  }
  CurFileName = name;
  CurShortName = ShortName(name);
  return {};
}

}  // namespace jcw
