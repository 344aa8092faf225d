// Mouse marking, hover tracking, undo, redo and checkpoints of the field.

#include <QCoreApplication>
#include <QMouseEvent>
#include <cmath>

#include "field/ViewState.h"
#include "field/qt/FieldInput.h"
#include "field/qt/MoveCursorEvent.h"
#include "field/qt/TGrid.h"
#include "model/ProcessState.h"
#include "platform/qt/Platform.h"
#include "settings/Options.h"

namespace jcw {

namespace {

// Half a cell, rounded to the nearest pixel with ties to even (5 -> 2, 7 -> 4).
int halfCell(int cellSize) { return static_cast<int>(std::lrint(cellSize / 2.0)); }

}  // namespace

void TGrid::MarkCell(int x, int y, bool fill) {
  if (SolverBusy || !model_.isPicture(x, y)) return;
  if (model_.markCell(x, y, fill))
    historyChanged();
  else
    platform().beep();
  PaintCell(x, y);
  UpdateLineStatus(x, y);
  PaintIndicators(x, y);
  if (model_.solved() && host_) host_->SetMode(kViewMode);
}

void TGrid::EraseCell(int x, int y) {
  if (SolverBusy || !model_.isPicture(x, y) || !model_.eraseCell(x, y)) return;
  historyChanged();
  UpdateLineStatus(x, y);
  PaintIndicators(x, y);
  PaintCell(x, y);
}

void TGrid::historyChanged() {
  clearDifferingCells();
  refreshCheckpointMarks();
  if (host_) host_->historyChanged();
}

void TGrid::refreshCheckpointMarks() {
  CheckpointMarks now(model_);
  const std::vector<CellPos> changed = CheckpointMarks::changed(checkpointMarks_, now);
  checkpointMarks_ = std::move(now);
  for (const CellPos& cell : changed) PaintCell(cell.x, cell.y);
}

void TGrid::Undo() { moveInHistory(&Crossword::undo); }

void TGrid::Redo() { moveInHistory(&Crossword::redo); }

void TGrid::moveInHistory(HistoryStep (Crossword::*move)()) {
  if (SolverBusy || CurrentMode != kSolvingMode) return;
  const HistoryStep step = (model_.*move)();
  if (step.empty()) return;
  // The pointer goes to the step's first cell: a drag's start, a hint's first in reading order.
  const Rect& box = model_.cell(step.front().x, step.front().y).region.box;
  const int half = halfCell(CellSize);
  platform().setPointerPos(mapToGlobal(QPoint(box.left + half, box.top + half)));
  for (const CellChange& change : step) PaintCell(change.x, change.y);
  historyChanged();
}

void TGrid::recordPictureChange(const std::vector<std::uint8_t>& before) {
  if (model_.recordPictureChange(before)) historyChanged();
}

void TGrid::SetCheckpoint() {
  if (SolverBusy || CurrentMode != kSolvingMode) return;
  model_.history.setCheckpoint();
  historyChanged();
}

void TGrid::ReturnToCheckpoint() {
  if (SolverBusy || CurrentMode != kSolvingMode) return;
  for (const CellChange& change : model_.returnToCheckpoint()) {
    PaintCell(change.x, change.y);
    PaintIndicators(change.x, change.y);
  }
  historyChanged();
}

void TGrid::AcceptCheckpoint() {
  if (SolverBusy || CurrentMode != kSolvingMode) return;
  model_.history.dropCheckpoint();
  historyChanged();
}

void TGrid::handleMouse(MouseEvent kind, const QMouseEvent& event) {
  const QPoint at = event.position().toPoint();
  const CellPos cell = CellAtPoint(at.x(), at.y());
  const MouseInput input{kind, mouseButtonOf(event.button()),
                         keyStateOf(event.buttons(), event.modifiers()),
                         model_.kindAt(cell.x, cell.y), cell == model_.HoverCell};
  applyMouse(interpretMouse(input, CurrentMode, DigCr), cell);
}

void TGrid::applyMouse(const MouseDecision& decision, CellPos cell) {
  if (decision.wipeCross) wipeDigitalCross();
  if (decision.unhighlight) removeHighlight(model_.HoverCell.x, model_.HoverCell.y);
  if (decision.hoverHit) {
    model_.HoverCell = cell;
    highlightLines(cell.x, cell.y);
  }
  if (decision.beginGesture) model_.history.beginGesture();
  switch (decision.onHit) {
    case CellAction::MarkFilled: MarkCell(cell.x, cell.y, true); break;
    case CellAction::MarkEmpty: MarkCell(cell.x, cell.y, false); break;
    case CellAction::Erase: EraseCell(cell.x, cell.y); break;
    case CellAction::MoveCursor: {
      MoveCursorEvent move(cell.x, cell.y);
      QCoreApplication::sendEvent(this, &move);
      break;
    }
    case CellAction::None: break;
  }
  if (decision.endGesture) model_.history.endGesture();
  if (decision.showCross) PaintDigitalCross();
  if (decision.takeFocus) setFocus(Qt::MouseFocusReason);
}

void TGrid::mousePressEvent(QMouseEvent* event) { handleMouse(MouseEvent::Press, *event); }

// Qt delivers the second press of a double click here, not as a press.
void TGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  handleMouse(MouseEvent::DoubleClick, *event);
}

void TGrid::mouseReleaseEvent(QMouseEvent* event) { handleMouse(MouseEvent::Release, *event); }

void TGrid::mouseMoveEvent(QMouseEvent* event) { handleMouse(MouseEvent::Move, *event); }

void TGrid::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  applyMouse(interpretMouse({MouseEvent::Leave}, CurrentMode, DigCr), model_.HoverCell);
}

void TGrid::wipeDigitalCross() {
  if (!crossShown_) return;
  const CellPos hover = model_.HoverCell;
  for (int y = model_.firstPictureY(); y < model_.H1(); ++y) PaintCell(hover.x, y);
  for (int x = model_.firstPictureX(); x < model_.W1(); ++x) PaintCell(x, hover.y);
}

}  // namespace jcw
