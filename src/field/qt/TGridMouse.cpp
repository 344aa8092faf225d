// Mouse marking, hover tracking, undo, redo and checkpoints of the field.

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "field/ViewState.h"
#include "field/qt/FieldInput.h"
#include "field/qt/MoveCursorEvent.h"
#include "field/qt/TGrid.h"
#include "model/FilledCellsFit.h"
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
  if (aids_.finishByFilled && !model_.solved() && filledCellsFitClues(model_)) finishByFilled();
  if (model_.solved() && host_) host_->SetMode(kViewMode);
}

void TGrid::finishByFilled() {
  if (!markUndecidedEmpty(model_)) return;
  invalidateField();
  historyChanged();
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
  // Not in the middle of a stroke: its cells are the picture from before it.
  if (SolverBusy || stroke_ || CurrentMode == kViewMode) return;
  commitCursorClue();
  // The editor walks the steps of clue numbers; solving and picture mode the steps of marks.
  const bool clues = move == &Crossword::undo ? model_.undoChangesClues() : model_.redoChangesClues();
  if (clues != (CurrentMode == kEditorMode)) return;
  const HistoryStep step = (model_.*move)();
  if (step.empty()) return;
  // The pointer goes to the step's first cell: a drag's start, a hint's first in reading order.
  const CellChange& first = step.front();
  if (model_.isPicture(first.x, first.y)) {
    ensureVisible(first.x, first.y);
    const QRect box = cellRect(first.x, first.y);
    const int half = halfCell(cellSize());
    platform().setPointerPos(mapToGlobal(box.topLeft() + QPoint(half, half)));
  }
  for (const CellChange& change : step) {
    PaintCell(change.x, change.y);
    if (model_.isClue(change.x, change.y)) clueLineChanged({change.x, change.y});
  }
  noteCursorClue();  // an undone number is the cursor's cell's own again
  historyChanged();
  if (CurrentMode == kPictureMode && host_) host_->pictureChanged();
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
  showReturn(model_.returnToCheckpoint());
}

void TGrid::ReturnToPosition(std::size_t target) {
  if (SolverBusy || CurrentMode != kSolvingMode) return;
  showReturn(model_.returnToPosition(target));
}

void TGrid::showReturn(const std::vector<CellChange>& changes) {
  for (const CellChange& change : changes) {
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
  handleMouseAt(kind, event.position().toPoint(), event.button(), event.buttons(),
                event.modifiers());
}

void TGrid::handleMouseAt(MouseEvent kind, QPoint at, Qt::MouseButton button,
                          Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  const CellPos cell = CellAtPoint(at.x(), at.y());
  if (CurrentMode == kPictureMode) return drawWithMouse(kind, cell, button, modifiers);
  const MouseInput input{kind, mouseButtonOf(button), keyStateOf(buttons, modifiers),
                         model_.kindAt(cell.x, cell.y), cell == hover_};
  const bool marking = input.keyState == kLeftButtonHeld || input.keyState == kRightButtonHeld;
  if (kind == MouseEvent::Move && markDrag_.active && marking && input.hit != ckNone) {
    followMarkDrag(input, cell);
    return;
  }
  const MouseDecision decision = interpretMouse(input, CurrentMode, DigCr);
  // A move that marks nothing (Shift held, say) still moves where the drag goes on from.
  if (kind == MouseEvent::Move && input.hit == ckPicture) markDrag_.last = cell;
  // A press that marks starts a drag from its cell; any other press starts none.
  const bool pressMarks = decision.onHit == CellAction::MarkFilled ||
                          decision.onHit == CellAction::MarkEmpty;
  if (kind == MouseEvent::Press) markDrag_ = {pressMarks, cell, cell, DragAxis::Free};
  if (decision.endGesture) markDrag_ = {};
  applyMouse(decision, cell);
}

void TGrid::followMarkDrag(const MouseInput& input, CellPos cell) {
  for (const CellPos step : dragSteps(markDrag_, cell, pictureArea(), aids_.dragLineLock)) {
    const MouseInput entered{MouseEvent::Move, input.button, input.keyState, ckPicture,
                             step == hover_};
    applyMouse(interpretMouse(entered, CurrentMode, DigCr), step);
  }
  if (input.hit != ckPicture) applyMouse(interpretMouse(input, CurrentMode, DigCr), cell);
}

PictureArea TGrid::pictureArea() const {
  return {{model_.firstPictureX(), model_.firstPictureY()}, {model_.W1() - 1, model_.H1() - 1}};
}

void TGrid::applyMouse(const MouseDecision& decision, CellPos cell) {
  if (decision.wipeCross) wipeDigitalCross();
  if (decision.unhighlight) removeHighlight();
  if (decision.hoverHit) {
    hover_ = cell;
    highlightLines(cell.x, cell.y);
    setTintedLines(cell);
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
    case CellAction::OpenLineEntry: openLineEntry(cell.x, cell.y); break;
    case CellAction::None: break;
  }
  if (decision.endGesture) model_.history.endGesture();
  if (decision.showCross) PaintDigitalCross();
  if (decision.takeFocus) setFocus(Qt::MouseFocusReason);
}

void TGrid::mousePressEvent(QMouseEvent* event) {
  if (!pan(*event)) handleMouse(MouseEvent::Press, *event);
}

// Qt delivers the second press of a double click here, not as a press.
void TGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!pan(*event)) handleMouse(MouseEvent::DoubleClick, *event);
}

void TGrid::mouseReleaseEvent(QMouseEvent* event) {
  if (pan(*event)) return;
  dragEdgeTimer_.stop();
  handleMouse(MouseEvent::Release, *event);
}

void TGrid::mouseMoveEvent(QMouseEvent* event) {
  if (pan(*event)) return;
  handleMouse(MouseEvent::Move, *event);
  followDragEdge(event->position().toPoint(), event->buttons());
}

void TGrid::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  setTintedLines({});
  applyMouse(interpretMouse({MouseEvent::Leave}, CurrentMode, DigCr), hover_);
}

bool TGrid::pan(QMouseEvent& event) {
  const QPoint at = event.position().toPoint();
  switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (event.button() != Qt::MiddleButton) return false;
      panning_ = true;
      panFrom_ = at;
      panScroll_ = {view_.scrollX, view_.scrollY};
      return true;
    case QEvent::MouseMove:
      if (!panning_) return false;
      scrollTo(panScroll_.x() - (at.x() - panFrom_.x()), panScroll_.y() - (at.y() - panFrom_.y()));
      return true;
    case QEvent::MouseButtonRelease:
      if (event.button() != Qt::MiddleButton || !panning_) return false;
      panning_ = false;
      return true;
    default: return false;
  }
}

namespace {

// How near the edge of the picture pane a mark drag starts the view scrolling.
int dragEdgeBand(int cellSize) { return std::max(4, cellSize / 2); }

}  // namespace

// Only a drag that marks (one button held, solving) scrolls, and only while the pointer is in
// the band along an edge the picture continues beyond, or past it.
void TGrid::followDragEdge(QPoint at, Qt::MouseButtons buttons) {
  dragAt_ = at;
  dragButtons_ = buttons;
  const bool marking = buttons == Qt::LeftButton || buttons == Qt::RightButton;
  if (!marking || CurrentMode != kSolvingMode) {
    dragEdgeTimer_.stop();
    return;
  }
  const int band = dragEdgeBand(view_.cellSize);
  const bool nearEdge =
      (at.x() < frozenWidth(view_) + band && view_.scrollX > 0) ||
      (at.y() < frozenHeight(view_) + band && view_.scrollY > 0) ||
      (at.x() >= view_.width - band && view_.scrollX < maxScrollX(view_)) ||
      (at.y() >= view_.height - band && view_.scrollY < maxScrollY(view_));
  if (!nearEdge)
    dragEdgeTimer_.stop();
  else if (!dragEdgeTimer_.isActive())
    dragEdgeTimer_.start();
}

// One cell towards each edge the pointer is at, then the cell under it (held inside the picture
// pane) is entered as by a move.
void TGrid::dragEdgeTick() {
  const int band = dragEdgeBand(view_.cellSize);
  const int step = view_.cellSize;
  const auto towards = [&](int at, int low, int high) {
    return at < low + band ? -step : (at >= high - band ? step : 0);
  };
  scrollTo(view_.scrollX + towards(dragAt_.x(), frozenWidth(view_), view_.width),
           view_.scrollY + towards(dragAt_.y(), frozenHeight(view_), view_.height));
  const QPoint inside(std::clamp(dragAt_.x(), frozenWidth(view_), view_.width - 1),
                      std::clamp(dragAt_.y(), frozenHeight(view_), view_.height - 1));
  handleMouseAt(MouseEvent::Move, inside, Qt::NoButton, dragButtons_, Qt::NoModifier);
  followDragEdge(dragAt_, dragButtons_);
}

// Ctrl zooms about the pointer; Shift, or a sideways wheel, scrolls across; the wheel scrolls
// down, three cells a notch.
void TGrid::wheelEvent(QWheelEvent* event) {
  const QPoint delta = event->angleDelta();
  const QPoint at = event->position().toPoint();
  if (event->modifiers() & Qt::ControlModifier) {
    if (delta.y() != 0) zoom(delta.y() > 0 ? ZoomStep::In : ZoomStep::Out, at);
    return;
  }
  constexpr int kCellsPerNotch = 3;
  constexpr int kNotch = 120;
  const int pixels = view_.cellSize * kCellsPerNotch;
  const bool across = (event->modifiers() & Qt::ShiftModifier) || delta.y() == 0;
  const int notches = across && delta.x() != 0 ? delta.x() : delta.y();
  const int by = -notches * pixels / kNotch;
  if (across)
    scrollTo(view_.scrollX + by, view_.scrollY);
  else
    scrollTo(view_.scrollX, view_.scrollY + by);
}

void TGrid::zoom(ZoomStep step, QPoint anchor) {
  if (host_ && model_.allocated()) host_->zoomField(step, anchor.x(), anchor.y());
}

}  // namespace jcw
