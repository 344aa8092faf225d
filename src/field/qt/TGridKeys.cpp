// The field's keys, the editor cursor and clue entry.

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>

#include "field/ClueEntry.h"
#include "field/CursorSteps.h"
#include "field/qt/MoveCursorEvent.h"
#include "field/qt/TGrid.h"
#include "field/ViewState.h"
#include "model/ProcessState.h"
#include "settings/Options.h"

namespace jcw {

namespace {

enum class FieldKey {
  Other, Space, Delete, Menu, New, Save, Load, ToggleAdvance, StartOrEdit,  // every mode
  Backspace, Enter, Digit,                                                  // editor mode
};

bool ctrlHeld(const QKeyEvent& event) { return event.modifiers() & Qt::ControlModifier; }

// Keys held with Alt are system keys, which the field's tables do not take (Alt+Backspace is
// Undo on its release). Digits include the keypad's.
FieldKey fieldKeyOf(const QKeyEvent& event) {
  if (event.modifiers() & Qt::AltModifier) return FieldKey::Other;
  const int key = event.key();
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return FieldKey::Digit;
  switch (key) {
    case Qt::Key_Space: return FieldKey::Space;
    case Qt::Key_Delete: return FieldKey::Delete;
    case Qt::Key_M: return FieldKey::Menu;
    case Qt::Key_N: return ctrlHeld(event) ? FieldKey::New : FieldKey::Other;
    case Qt::Key_F2: return FieldKey::Save;
    case Qt::Key_F3: return FieldKey::Load;
    case Qt::Key_F4: return FieldKey::ToggleAdvance;
    case Qt::Key_F9: return FieldKey::StartOrEdit;
    case Qt::Key_Backspace: return FieldKey::Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter: return FieldKey::Enter;
    default: return FieldKey::Other;
  }
}

}  // namespace

bool TGrid::focusNextPrevChild(bool) { return false; }

bool TGrid::event(QEvent* event) {
  if (event->type() == MSG_MOVE_CURSOR) {
    const auto& move = static_cast<const MoveCursorEvent&>(*event);
    moveEditCursor(move.wParam, move.lParam);
    return true;
  }
  return QWidget::event(event);
}

// Every key stays with the field: the window sees them first through its event filter, and a
// key passed on to the window would let Tab move the focus away.
void TGrid::keyPressEvent(QKeyEvent* event) {
  if (SolverBusy || !handleCommonKey(*event)) return;
  if (CurrentMode != kEditorMode || !model_.allocated()) return;
  handleEditorKey(*event);
  PaintCell(model_.EditCursor.x, model_.EditCursor.y);
}

bool TGrid::runHostCommand(void (FieldHost::*command)()) {
  if (!host_) return true;
  const QPointer<TGrid> self(this);
  (host_->*command)();
  return !self.isNull();
}

bool TGrid::handleCommonKey(const QKeyEvent& event) {
  switch (fieldKeyOf(event)) {
    case FieldKey::Space:
      if (CurrentMode == kSolvingMode) PaintDigitalCross();
      return true;
    case FieldKey::Delete:
      if (ctrlHeld(event)) {
        if (!runHostCommand(&FieldHost::NClearClick)) return false;
      } else if (CurrentMode == kEditorMode && model_.allocated()) {
        clearClue(model_);
      }
      SetModified(true);
      return true;
    case FieldKey::Menu: return runHostCommand(&FieldHost::MainBtnMouseDown);
    case FieldKey::New:
      runHostCommand(&FieldHost::NNewClick);
      return false;
    case FieldKey::Save: return !IsModified() || runHostCommand(&FieldHost::NSave0Click);
    case FieldKey::Load: return runHostCommand(&FieldHost::NLoadClick);
    case FieldKey::ToggleAdvance:
      if (Go2Dig != 0) Go2Dig = Go2Dig == 1 ? 2 : 1;
      return true;
    case FieldKey::StartOrEdit:
      return runHostCommand(CurrentMode == kEditorMode ? &FieldHost::NStartClick
                                                       : &FieldHost::NEditClick);
    default: return true;
  }
}

void TGrid::handleEditorKey(const QKeyEvent& event) {
  switch (fieldKeyOf(event)) {
    case FieldKey::Backspace:
      backspaceClue(model_);
      SetModified(true);
      break;
    case FieldKey::Enter:
      if (LineFits()) AdvanceCursor();
      break;
    case FieldKey::Digit:
      typeDigit(static_cast<char>('0' + event.key() - Qt::Key_0), ctrlHeld(event));
      break;
    default: break;
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
  SelectClueCell(target->x, target->y);
  model_.EditCursor = *target;
}

}  // namespace jcw
