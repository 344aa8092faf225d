// The field's keys, the editor cursor and clue entry.

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>

#include <algorithm>

#include "field/ClueEntry.h"
#include "field/CursorSteps.h"
#include "field/ViewState.h"
#include "field/qt/FieldInput.h"
#include "field/qt/MoveCursorEvent.h"
#include "field/qt/TGrid.h"
#include "model/Clue.h"
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
  const CellPos typedAt = model_.EditCursor;
  runEditorKey(editorKey, key.ctrl);
  PaintCell(model_.EditCursor.x, model_.EditCursor.y);
  clueLineChanged(typedAt);
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
    case KeyCommand::ClearClue:
      syncCursorClue();
      clearClue(model_);
      clueLineChanged(model_.EditCursor);
      return true;
    case KeyCommand::OpenMenu: return runHostCommand(&FieldHost::MainBtnMouseDown);
    case KeyCommand::NewCrossword: return runHostCommand(&FieldHost::NNewClick);
    case KeyCommand::Save: return runHostCommand(&FieldHost::NSave0Click);
    case KeyCommand::Load: return runHostCommand(&FieldHost::NLoadClick);
    case KeyCommand::Print: return runHostCommand(&FieldHost::NPrintClick);
    case KeyCommand::ToggleAdvance:
      Go2Dig = toggledAdvance(Go2Dig);
      repaintCursorLine(model_.EditCursor);
      return true;
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
    case KeyCommand::PasteClues:
      commitCursorClue();
      return runHostCommand(&FieldHost::pasteClues);
    case KeyCommand::CopyClues: return runHostCommand(&FieldHost::copyClues);
  }
  return true;
}

void TGrid::runEditorKey(const EditorKeyDecision& key, bool ctrlHeld) {
  syncCursorClue();
  switch (key.command) {
    case EditorCommand::Backspace:
      cursorClue_.typed = true;
      backspaceClue(model_);
      SetModified(true);
      break;
    case EditorCommand::Enter:
      if (LineFits()) AdvanceCursor();
      break;
    case EditorCommand::Digit: typeDigit(key.digit, ctrlHeld); break;
    case EditorCommand::LineEntry: openLineEntry(model_.EditCursor.x, model_.EditCursor.y); break;
    case EditorCommand::None: break;
  }
}

void TGrid::typeDigit(char digit, bool ctrlHeld) {
  SetModified(true);
  const LineCheck lineFits = [this] { return LineFits(); };
  const bool replaces = host_ && host_->typingReplaces() && !cursorClue_.typed;
  cursorClue_.typed = true;
  if (enterDigit(model_, digit, Go2Dig, ctrlHeld, lineFits, replaces).advance) AdvanceCursor();
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
  commitCursorClue();
  leaveClueCell(model_);
  PaintCell(model_.EditCursor.x, model_.EditCursor.y);
  const CellPos left = model_.EditCursor;
  ensureVisible(target->x, target->y);
  SelectClueCell(target->x, target->y);
  model_.EditCursor = *target;
  noteCursorClue();
  repaintCursorLine(left);
  repaintCursorLine(*target);
}

void TGrid::noteCursorClue() {
  const CellPos at = model_.EditCursor;
  cursorClue_ = {at, model_.isClue(at.x, at.y) ? clueValue(model_.cell(at.x, at.y).Text) : 0,
                 false};
}

void TGrid::syncCursorClue() {
  if (cursorClue_.at != model_.EditCursor) noteCursorClue();
}

void TGrid::commitCursorClue() {
  // Only typing changes a clue number by hand; elsewhere the clues follow other changes.
  const CellPos at = model_.EditCursor;
  if (CurrentMode != kEditorMode || !model_.allocated() || cursorClue_.at != at ||
      !model_.isClue(at.x, at.y))
    return;
  const int value = std::min(clueValue(model_.cell(at.x, at.y).Text), 255);
  if (value == cursorClue_.value) return;
  model_.history.recordStep({{at.x, at.y, static_cast<std::uint8_t>(cursorClue_.value),
                              static_cast<std::uint8_t>(value)}});
  cursorClue_.value = value;
  historyChanged();
}

QPoint TGrid::keyZoomAnchor() const {
  const CellPos cursor = model_.EditCursor;
  if (CurrentMode == kEditorMode && model_.isClue(cursor.x, cursor.y))
    return cellRect(cursor.x, cursor.y).center();
  return {view_.width / 2, view_.height / 2};
}

}  // namespace jcw
