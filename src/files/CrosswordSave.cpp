#include "files/CrosswordSave.h"

#include <filesystem>
#include <utility>

#include "files/CrosswordFile.h"
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
  if (keepsMarks(name)) {
    std::string previous = std::exchange(CurFileName, name);  // SaveProcess writes CurFileName
    if (Result<void> saved = SaveProcess(field); !saved) {
      CurFileName = std::move(previous);
      return saved;
    }
  } else {
    if (Result<void> written = writePuzzleFile(name, field); !written) return written;
    CurFileName = name;
    // Marks the file cannot hold stay unsaved, so that no command drops them unasked.
    if (field.countMarked() == 0) {
      field.UndoList.clear();
      field.Modified = false;
    }
  }
  CurShortName = ShortName(name);
  return {};
}

}  // namespace jcw
