// The field's keys, the editor cursor and clue entry.

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>

#include "field/ClueEntry.h"
#include "field/CursorSteps.h"
#include "field/ViewState.h"
#include "field/qt/FieldInput.h"
#include "field/qt/MoveCursorEvent.h"
#include "field/qt/TGrid.h"
#include "model/ProcessState.h"
#include "settings/Options.h"

namespace jcw {

bool TGrid::focusNextPrevChild(bool) { return false; }

bool TGrid::event(QEvent* event) {
  if (event->type() == MSG_MOVE_CURSOR) {
    const auto& move = static_cast<const MoveCursorEvent&>(*event);
    moveEditCursor(move.wParam, move.lParam);
    return true;
  }
  return QWidget::event(event);
}

KeyContext TGrid::keyContext() const {
  return {CurrentMode, model_.allocated(), IsModified(), SolverBusy};
}

// Every key stays with the field: the window sees them first through its event filter, and a
// key passed on to the window would let Tab move the focus away.
void TGrid::keyPressEvent(QKeyEvent* event) {
  const KeyInput key = keyInputOf(*event);
  const KeyDecision decision = interpretKeyPress(key, keyContext());
  if (!runKeyCommand(decision.command)) return;
  if (decision.setModified) SetModified(true);
  if (decision.ends) return;
  const EditorKeyDecision editorKey = interpretEditorKey(key, keyContext());
  if (!editorKey.applies) return;
  runEditorKey(editorKey, key.ctrl);
  PaintCell(model_.EditCursor.x, model_.EditCursor.y);
}

void TGrid::keyReleaseEvent(QKeyEvent* event) {
  const std::optional<KeyCommand> command = interpretKeyRelease(keyInputOf(*event), CurrentMode);
  if (command)
    runKeyCommand(*command);
  else
    QWidget::keyReleaseEvent(event);
}

bool TGrid::runHostCommand(void (FieldHost::*command)()) {
  if (!host_) return true;
  const QPointer<TGrid> self(this);
  (host_->*command)();
  return !self.isNull();
}

bool TGrid::runKeyCommand(KeyCommand command) {
  switch (command) {
    case KeyCommand::None: return true;
    case KeyCommand::ShowCross: PaintDigitalCross(); return true;
    case KeyCommand::ClearField: return runHostCommand(&FieldHost::NClearClick);
    case KeyCommand::ClearClue: clearClue(model_); return true;
    case KeyCommand::OpenMenu: return runHostCommand(&FieldHost::MainBtnMouseDown);
    case KeyCommand::NewCrossword: return runHostCommand(&FieldHost::NNewClick);
    case KeyCommand::Save: return runHostCommand(&FieldHost::NSave0Click);
    case KeyCommand::Load: return runHostCommand(&FieldHost::NLoadClick);
    case KeyCommand::Print: return runHostCommand(&FieldHost::NPrintClick);
    case KeyCommand::ToggleAdvance: Go2Dig = toggledAdvance(Go2Dig); return true;
    case KeyCommand::Start: return runHostCommand(&FieldHost::NStartClick);
    case KeyCommand::Edit: return runHostCommand(&FieldHost::NEditClick);
    case KeyCommand::Undo: Undo(); return true;
    case KeyCommand::Redo: Redo(); return true;
    case KeyCommand::SetCheckpoint: SetCheckpoint(); return true;
    case KeyCommand::ReturnToCheckpoint: ReturnToCheckpoint(); return true;
    case KeyCommand::AcceptCheckpoint: AcceptCheckpoint(); return true;
    case KeyCommand::Check: return runHostCommand(&FieldHost::NCheckClick);
    case KeyCommand::HintLine: return runHostCommand(&FieldHost::NHintLineClick);
    case KeyCommand::ZoomIn: zoom(ZoomStep::In, keyZoomAnchor()); return true;
    case KeyCommand::ZoomOut: zoom(ZoomStep::Out, keyZoomAnchor()); return true;
    case KeyCommand::ZoomWhole: zoom(ZoomStep::Whole, keyZoomAnchor()); return true;
  }
  return true;
}

void TGrid::runEditorKey(const EditorKeyDecision& key, bool ctrlHeld) {
  switch (key.command) {
    case EditorCommand::Backspace:
      backspaceClue(model_);
      SetModified(true);
      break;
    case EditorCommand::Enter:
      if (LineFits()) AdvanceCursor();
      break;
    case EditorCommand::Digit: typeDigit(key.digit, ctrlHeld); break;
    case EditorCommand::None: break;
  }
}

void TGrid::typeDigit(char digit, bool ctrlHeld) {
  if (host_) host_->setStartEnabled(true);
  SetModified(true);
  const LineCheck lineFits = [this] { return LineFits(); };
  if (enterDigit(model_, digit, Go2Dig, ctrlHeld, lineFits).advance) AdvanceCursor();
}

void TGrid::AdvanceCursor() {
  const CellPos at = model_.EditCursor;
  const bool right = advanceDirection(NextDirect, model_.isColumnClue(at.x, at.y)) ==
                     CursorDirection::Right;
  MoveCursorEvent move(right ? kMoveRight : kMoveDown, 0);
  QCoreApplication::sendEvent(this, &move);
}

void TGrid::moveEditCursor(int wParam, int lParam) {
  if (CurrentMode == kSolvingMode || !model_.allocated()) return;
  const std::optional<CellPos> target = moveCursorTarget(model_, wParam, lParam);
  if (!target) return;
  leaveClueCell(model_);
  PaintCell(model_.EditCursor.x, model_.EditCursor.y);
  ensureVisible(target->x, target->y);
  SelectClueCell(target->x, target->y);
  model_.EditCursor = *target;
}

QPoint TGrid::keyZoomAnchor() const {
  const CellPos cursor = model_.EditCursor;
  if (CurrentMode == kEditorMode && model_.isClue(cursor.x, cursor.y))
    return cellRect(cursor.x, cursor.y).center();
  return {view_.width / 2, view_.height / 2};
}

}  // namespace jcw
