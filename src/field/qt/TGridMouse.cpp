// Mouse marking, hover tracking and undo of the field.

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
  if (SolverBusy) return;
  if (SkipNextMark) {
    SkipNextMark = false;
    return;
  }
  if (!model_.isPicture(x, y)) return;
  if (model_.markCell(x, y, fill))
    enableSaveAndUndo();
  else
    platform().beep();
  PaintCell(x, y);
  UpdateLineStatus(x, y);
  PaintIndicators(x, y);
  if (model_.solved() && host_) host_->SetMode(kViewMode);
}

void TGrid::EraseCell(int x, int y) {
  if (SolverBusy || !model_.isPicture(x, y) || !model_.eraseCell(x, y)) return;
  enableSaveAndUndo();
  UpdateLineStatus(x, y);
  PaintIndicators(x, y);
  PaintCell(x, y);
}

void TGrid::enableSaveAndUndo() {
  if (!host_) return;
  host_->setSaveButtonEnabled(true);
  host_->setUndoButtonEnabled(true);
}

void TGrid::Undo() {
  if (SolverBusy || model_.UndoList.empty() || CurrentMode != kSolvingMode) return;
  const std::vector<TUndoRec> step = model_.undoLast();
  // A step of many cells (a hint) sends the pointer to its first cell in reading order.
  const Rect& box = model_.cell(step.front().Col, step.front().Row).region.box;
  const int half = halfCell(CellSize);
  platform().setPointerPos(mapToGlobal(QPoint(box.left + half, box.top + half)));
  for (const TUndoRec& record : step) PaintCell(record.Col, record.Row);
  if (!host_) return;
  // Typed clues, a clear or a solver result still need saving when the last mark is undone.
  if (model_.UndoList.empty()) host_->setSaveButtonEnabled(model_.Modified);
  host_->setUndoButtonEnabled(!model_.UndoList.empty());
}

void TGrid::recordUndoStep(const std::vector<std::uint8_t>& before) {
  if (model_.pushUndoStep(before)) enableSaveAndUndo();
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
