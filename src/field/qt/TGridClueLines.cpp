// The field's clue lines as a whole: overflowing lines and lines named in a contradiction drawn
// red, and why Start refuses the clues.

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>

#include "field/CursorSteps.h"
#include "field/FieldView.h"
#include "settings/Options.h"

#include "field/ViewState.h"
#include "field/qt/FieldColors.h"
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

bool TGrid::inCursorLine(int x, int y) const {
  if (CurrentMode != kEditorMode || !model_.allocated() || x == 0 || y == 0) return false;
  const CellPos at = model_.EditCursor;
  if (!model_.isClue(at.x, at.y)) return false;
  return model_.isColumnClue(at.x, at.y) ? x == at.x : y == at.y;
}

void TGrid::repaintCursorLine(CellPos at) {
  if (!model_.allocated() || !model_.isClue(at.x, at.y)) return;
  if (model_.isColumnClue(at.x, at.y))
    for (int y = 1; y < model_.H1(); ++y) repaintCell(at.x, y);
  else
    for (int x = 1; x < model_.W1(); ++x) repaintCell(x, at.y);
  const Dimensions& d = model_.dims();
  const Rect first = cellBoxInView(view_, 1, 1);
  const Rect last = cellBoxInView(view_, d.CapColCount, d.CapRowCount);
  repaintBox({first.left, first.top, last.right, last.bottom}, paneOf(view_, 1, 1));
}

QString TGrid::cursorStatus() const {
  const CellPos at = model_.EditCursor;
  if (CurrentMode != kEditorMode || !model_.allocated() || !model_.isClue(at.x, at.y)) return {};
  const Dimensions& d = model_.dims();
  const bool column = model_.isColumnClue(at.x, at.y);
  const QString line =
      column ? QCoreApplication::translate("jcw", "Столбец %1 из %2")
                   .arg(at.x - model_.firstPictureX() + 1)
                   .arg(d.ColCount)
             : QCoreApplication::translate("jcw", "Строка %1 из %2")
                   .arg(at.y - model_.firstPictureY() + 1)
                   .arg(d.RowCount);
  const bool right = advanceDirection(NextDirect, column) == CursorDirection::Right;
  const QString direction = right ? QCoreApplication::translate("jcw", "вправо")
                                  : QCoreApplication::translate("jcw", "вниз");
  const QString advance =
      Go2Dig == 0   ? QCoreApplication::translate("jcw", "без перехода")
      : Go2Dig == 1 ? QCoreApplication::translate("jcw", "переход %1 после цифры").arg(direction)
                    : QCoreApplication::translate("jcw", "переход %1 после двух цифр").arg(direction);
  return line + QLatin1Char('\n') + advance;
}

void TGrid::drawCursorStatus(QPainter& painter, const QRect& exposed) {
  const QString status = cursorStatus();
  if (status.isEmpty()) return;
  const Dimensions& d = model_.dims();
  const QRect corner = cellRect(1, 1).united(cellRect(d.CapColCount, d.CapRowCount));
  if (!corner.intersects(exposed)) return;
  painter.save();
  painter.setClipRect(corner & exposed);
  QFont font = painter.font();
  font.setPixelSize(std::clamp(view_.cellSize * 2 / 3, 8, 13));
  painter.setFont(font);
  painter.setPen(windowTextColor());
  painter.drawText(corner.adjusted(2, 1, -2, -1), Qt::AlignRight | Qt::AlignBottom | Qt::TextWordWrap,
                   status);
  painter.restore();
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
