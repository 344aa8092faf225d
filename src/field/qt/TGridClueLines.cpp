// The field's clue lines as a whole: overflowing lines and lines named in a contradiction drawn
// red, and why Start refuses the clues.

#include <QCoreApplication>
#include <algorithm>

#include "field/ViewState.h"
#include "field/qt/LineEntryBox.h"
#include "field/qt/MoveCursorEvent.h"
#include "field/qt/TGrid.h"
#include "model/ProcessState.h"
#include "model/StartRule.h"
#include "platform/qt/Platform.h"

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

void TGrid::openLineEntry(int x, int y) {
  if (CurrentMode != kEditorMode || !model_.isClue(x, y)) return;
  const ClueLineRef line = lineOfClueCell(model_, x, y);
  // The cursor goes to the line's clue cell next to the picture, where the numbers end.
  const CellPos last = line.column ? CellPos{line.index, model_.dims().CapRowCount}
                                   : CellPos{model_.dims().CapColCount, line.index};
  MoveCursorEvent move(last.x, last.y);
  QCoreApplication::sendEvent(this, &move);
  if (!lineEntry_) {
    lineEntry_ = new LineEntryBox(
        this, [this](ClueLineRef at, const std::string& text) { return takeLineEntry(at, text); },
        [this] { closeLineEntry(); });
    connect(lineEntry_, &LineEntryBox::confirmed, this, [this](bool forward) {
      const ClueLineRef next = nextEntryLine(model_, lineEntry_->line(), forward);
      openLineEntry(next.column ? next.index : model_.dims().CapColCount,
                    next.column ? model_.dims().CapRowCount : next.index);
    });
  }
  const QRect box = cellRect(last.x, last.y);
  lineEntry_->showLine(model_, line,
                       line.column ? box.bottomLeft() + QPoint(0, 1) : box.topRight() + QPoint(1, 0));
}

bool TGrid::takeLineEntry(ClueLineRef line, const std::string& text) {
  Result<ClueLine> clues = parseLineEntry(text);
  Result<void> fits = clues ? checkLineFits(model_, line, *clues) : Result<void>(Error{clues.error()});
  if (!fits) {
    platform().messageBox({QString::fromStdString(fits.error()),
                           QCoreApplication::translate("jcw", "Японский кроссворд"), Buttons::Ok,
                           Icon::Exclamation, Answer::Ok});
    return false;
  }
  if (model_.history.recordStep(writeLineClues(model_, line, *clues))) noteCursorClue();
  SetModified(true);
  clueLineChanged(line.column ? CellPos{line.index, 1} : CellPos{1, line.index});
  return true;
}

void TGrid::closeLineEntry() {
  lineEntry_->hide();
  setFocus(Qt::OtherFocusReason);
}

}  // namespace jcw
