#include "tools/Report.h"

#include "model/PictureText.h"

namespace jcw {

std::string crosswordReport(const Crossword& crossword) { return crosswordJson(crossword).str(); }

JsonObject crosswordJson(const Crossword& crossword) {
  const Dimensions& d = crossword.dims();
  std::vector<std::vector<int>> rowClues, colClues;
  std::vector<int> rowStatus, colStatus;
  for (int y = crossword.firstPictureY(); y < crossword.H1(); ++y) {
    rowClues.push_back(crossword.rowClues(y));
    rowStatus.push_back(crossword.rowStatus(y));
  }
  for (int x = crossword.firstPictureX(); x < crossword.W1(); ++x) {
    colClues.push_back(crossword.columnClues(x));
    colStatus.push_back(crossword.columnStatus(x));
  }
  JsonObject json;
  json.add("colCount", static_cast<long long>(d.ColCount));
  json.add("rowCount", static_cast<long long>(d.RowCount));
  json.add("capColCount", static_cast<long long>(d.CapColCount));
  json.add("capRowCount", static_cast<long long>(d.CapRowCount));
  json.add("rowClues", rowClues);
  json.add("colClues", colClues);
  json.add("picture", pictureRows(crossword));
  json.add("markedCount", static_cast<long long>(crossword.MarkedCount));
  json.add("rowStatus", rowStatus);
  json.add("colStatus", colStatus);
  json.add("clueSumsEqual", crossword.clueSumDifference() == 0);
  json.add("solved", crossword.solved());
  return json;
}

}  // namespace jcw
