// The field's clue lines as a whole: overflowing lines and lines named in a contradiction drawn
// red, and why Start refuses the clues.

#include <QCoreApplication>
#include <algorithm>

#include "field/qt/TGrid.h"
#include "model/StartRule.h"

namespace jcw {

QString startRefusalText(const StartCheck& check) {
  switch (check.block) {
    case StartBlock::LineOverflows:
      return (check.column ? QCoreApplication::translate(
                                 "jcw", "Числа столбца %1 не помещаются в нём: нужно клеток %2, "
                                        "а в столбце %3")
                           : QCoreApplication::translate(
                                 "jcw", "Числа строки %1 не помещаются в ней: нужно клеток %2, "
                                        "а в строке %3"))
          .arg(check.line)
          .arg(check.needed)
          .arg(check.length);
    case StartBlock::UnequalSums:
      return QCoreApplication::translate("jcw",
                                         "Неверно введены значения\nСумма чисел строк %1, "
                                         "столбцов %2, разница %3")
          .arg(check.rowSum)
          .arg(check.columnSum)
          .arg(std::abs(check.columnSum - check.rowSum));
    case StartBlock::None: break;
  }
  return {};
}

void TGrid::showConflictLines(const std::vector<int>& columns, const std::vector<int>& rows) {
  clearConflictLines();
  if (!model_.allocated()) return;
  for (int c : columns) conflictLines_.columns.push_back(model_.firstPictureX() + c);
  for (int r : rows) conflictLines_.rows.push_back(model_.firstPictureY() + r);
  for (int x : conflictLines_.columns) repaintClueLine(x, 0);
  for (int y : conflictLines_.rows) repaintClueLine(0, y);
}

void TGrid::clearConflictLines() {
  const ConflictLines shown = std::exchange(conflictLines_, {});
  for (int x : shown.columns) repaintClueLine(x, 0);
  for (int y : shown.rows) repaintClueLine(0, y);
}

bool TGrid::clueLineFlagged(int x, int y) const {
  const bool column = model_.isColumnClue(x, y);
  const auto& named = column ? conflictLines_.columns : conflictLines_.rows;
  return !model_.lineFits(x, y) || std::ranges::find(named, column ? x : y) != named.end();
}

void TGrid::repaintClueLine(int x, int y) {
  if (!model_.allocated()) return;
  if (x > 0)
    for (int cy = 1; cy <= model_.dims().CapRowCount; ++cy) repaintCell(x, cy);
  if (y > 0)
    for (int cx = 1; cx <= model_.dims().CapColCount; ++cx) repaintCell(cx, y);
}

void TGrid::clueLineChanged(CellPos at) {
  refreshStart();
  if (model_.isColumnClue(at.x, at.y))
    repaintClueLine(at.x, 0);
  else
    repaintClueLine(0, at.y);
}

}  // namespace jcw
