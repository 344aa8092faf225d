#include "solver/FixSuggestions.h"

#include <algorithm>

#include "model/PictureClues.h"

namespace jcw {

namespace {

ClueLists cluesOfGrid(const WorkGrid& picture) {
  return cluesOfPicture(picture.colCount(), picture.rowCount(),
                        [&](int c, int r) { return picture.at(c, r) == wcFilled; });
}

// Rows and columns that hold an open cell of `byLines`.
void linesWithOpenCells(const WorkGrid& byLines, std::vector<bool>& rows,
                        std::vector<bool>& columns) {
  rows.assign(byLines.rowCount(), false);
  columns.assign(byLines.colCount(), false);
  for (int r = 0; r < byLines.rowCount(); ++r)
    for (int c = 0; c < byLines.colCount(); ++c)
      if (byLines.at(c, r) == wcUnknown) rows[r] = columns[c] = true;
}

bool ranksBefore(const FixSuggestion& a, const FixSuggestion& b) {
  if (a.makesUnique != b.makesUnique) return a.makesUnique;
  if (a.decided != b.decided) return a.decided > b.decided;
  if (a.inHatch != b.inHatch) return a.inHatch;
  if (a.cell.row != b.cell.row) return a.cell.row < b.cell.row;
  return a.cell.column < b.cell.column;
}

}  // namespace

std::vector<FixSuggestion> suggestFixes(const WorkGrid& picture, const PictureAnalysis& analysis,
                                        const CancelCheck& cancel, std::size_t most) {
  const int openBefore = analysis.byLines.unknownCount();
  if (openBefore == 0) return {};
  std::vector<bool> openRows, openColumns;
  linesWithOpenCells(analysis.byLines, openRows, openColumns);
  std::vector<FixSuggestion> found;
  WorkGrid changed = picture;
  for (int r = 0; r < picture.rowCount(); ++r)
    for (int c = 0; c < picture.colCount(); ++c) {
      if (!openRows[r] && !openColumns[c]) continue;
      if (cancelled(cancel)) return {};
      const std::uint8_t was = picture.at(c, r);
      changed.at(c, r) = was == wcFilled ? wcEmpty : wcFilled;
      const int openAfter = decidedByLines(cluesOfGrid(changed)).unknownCount();
      changed.at(c, r) = was;
      if (openAfter >= openBefore) continue;
      const PictureCell cell{c, r};
      found.push_back({cell, was != wcFilled, openBefore - openAfter, openAfter == 0,
                       std::find(analysis.differing.begin(), analysis.differing.end(), cell) !=
                           analysis.differing.end()});
    }
  std::sort(found.begin(), found.end(), ranksBefore);
  if (found.size() > most) found.resize(most);
  return found;
}

}  // namespace jcw
