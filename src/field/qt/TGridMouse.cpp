// Mouse marking, hover tracking and undo of the field.

#include <QCoreApplication>
#include <QMouseEvent>
#include <cmath>

#include "field/qt/MoveCursorEvent.h"
#include "field/qt/TGrid.h"
#include "field/ViewState.h"
#include "model/ProcessState.h"
#include "platform/qt/Platform.h"
#include "settings/Options.h"

namespace jcw {

namespace {

enum class MoveAction { MarkFilled, MarkEmpty, FollowWithCross, OnlyHover };

// A move's key-state flags taken as one value, as the buttons and the Shift and Ctrl keys
// together: exactly one of the two buttons drags a mark, nothing at all lets the cross follow,
// any other combination only moves the highlight. Alt is no key-state flag.
MoveAction moveActionOf(const QMouseEvent& event) {
  const bool keysHeld = event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
  if (keysHeld) return MoveAction::OnlyHover;
  switch (event.buttons()) {
    case Qt::LeftButton: return MoveAction::MarkFilled;
    case Qt::RightButton: return MoveAction::MarkEmpty;
    case Qt::NoButton: return MoveAction::FollowWithCross;
    default: return MoveAction::OnlyHover;
  }
}

// Half a cell, rounded to the nearest pixel with ties to even (5 -> 2, 7 -> 4).
int halfCell(int cellSize) { return static_cast<int>(std::lrint(cellSize / 2.0)); }

}  // namespace

void TGrid::ClickCell(int x, int y, bool fill) {
  if (x + y == 0) return;
  if (model_.isPicture(x, y) && CurrentMode == kSolvingMode) {
    MarkCell(x, y, fill);
  } else if (model_.isClue(x, y) && CurrentMode == kEditorMode) {
    MoveCursorEvent move(x, y);
    QCoreApplication::sendEvent(this, &move);
  }
}

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
  const TUndoRec record = *model_.undoLast();
  const Rect& box = model_.cell(record.Col, record.Row).region.box;
  const int half = halfCell(CellSize);
  platform().setPointerPos(mapToGlobal(QPoint(box.left + half, box.top + half)));
  PaintCell(record.Col, record.Row);
  if (!host_) return;
  // Typed clues, a clear or a solver result still need saving when the last mark is undone.
  if (model_.UndoList.empty()) host_->setSaveButtonEnabled(model_.Modified);
  host_->setUndoButtonEnabled(!model_.UndoList.empty());
}

void TGrid::mousePressEvent(QMouseEvent* event) {
  const bool left = event->button() == Qt::LeftButton;
  if (!left && event->button() != Qt::RightButton) return;
  const QPoint at = event->position().toPoint();
  const CellPos cell = CellAtPoint(at.x(), at.y());
  ClickCell(cell.x, cell.y, left);
  if (left) setFocus(Qt::MouseFocusReason);
}

// Qt delivers the second press of a double click here, not as a press.
void TGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || CurrentMode != kSolvingMode) return;
  const QPoint at = event->position().toPoint();
  const CellPos cell = CellAtPoint(at.x(), at.y());
  EraseCell(cell.x, cell.y);
}

void TGrid::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) wipeDigitalCross();
}

void TGrid::mouseMoveEvent(QMouseEvent* event) {
  if (CurrentMode != kSolvingMode) return;
  const QPoint at = event->position().toPoint();
  hoverTo(CellAtPoint(at.x(), at.y()), *event);
}

void TGrid::hoverTo(CellPos cell, const QMouseEvent& event) {
  const CellPos old = model_.HoverCell;
  if (cell.x == 0 || cell.y == 0 || cell == old) return;
  wipeDigitalCross();
  removeHighlight(old.x, old.y);
  if (!model_.isPicture(cell.x, cell.y)) return;
  model_.HoverCell = cell;
  highlightLines(cell.x, cell.y);
  const MoveAction action = moveActionOf(event);
  if (action == MoveAction::MarkFilled || action == MoveAction::MarkEmpty) {
    MarkCell(cell.x, cell.y, action == MoveAction::MarkFilled);
    PaintDigitalCross();
  } else if (action == MoveAction::FollowWithCross && DigCr) {
    PaintDigitalCross();
  }
}

void TGrid::wipeDigitalCross() {
  if (!crossShown_) return;
  const CellPos hover = model_.HoverCell;
  for (int y = model_.firstPictureY(); y < model_.H1(); ++y) PaintCell(hover.x, y);
  for (int x = model_.firstPictureX(); x < model_.W1(); ++x) PaintCell(x, hover.y);
}

void TGrid::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (CurrentMode == kSolvingMode) removeHighlight(model_.HoverCell.x, model_.HoverCell.y);
}

void TGrid::keyReleaseEvent(QKeyEvent* event) {
  const bool altBackspace =
      event->key() == Qt::Key_Backspace && (event->modifiers() & Qt::AltModifier);
  if (!altBackspace || event->isAutoRepeat()) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  if (CurrentMode == kSolvingMode) Undo();
}

}  // namespace jcw
