#pragma once
// What the field asks of the window that holds it: the mode switch, the commands its keys run,
// and a word when the commands its changes affect must be enabled anew. The main window
// implements it; field tests use a recording fake.

namespace jcw {

enum class ZoomStep : unsigned char { In, Out, Whole };

class FieldHost {
 public:
  virtual ~FieldHost() = default;

  virtual void SetMode(int mode) = 0;

  // The Start menu item NStart: clue checks read and change it.
  virtual bool startEnabled() const = 0;
  virtual void setStartEnabled(bool enabled) = 0;
  // The crossword's history or Modified changed: the undo, redo, save and checkpoint commands
  // follow.
  virtual void historyChanged() = 0;

  // Commands reached through the field's keys.
  virtual void NStartClick() = 0;
  virtual void NEditClick() = 0;
  virtual void NClearClick() = 0;
  virtual void NNewClick() = 0;
  virtual void NSave0Click() = 0;
  virtual void NLoadClick() = 0;
  virtual void NPrintClick() = 0;
  virtual void MainBtnMouseDown() = 0;
  // The editor's clipboard: the clue lists pasted in place of the crossword's (it asks first),
  // and the crossword's clue lists copied. A host without them ignores the keys.
  virtual void pasteClues() {}
  virtual void copyClues() {}
  // The option "Ввод заменяет число" (settings/EditorOptions.h), off in a host without it.
  virtual bool typingReplaces() const { return false; }
  // The check of the marks against the solution, and the hint that decides one line.
  virtual void NCheckClick() = 0;
  virtual void NHintLineClick() = 0;
  // The zoom: the window lays the field out again for the step; the field pixel at (anchorX,
  // anchorY), in the field's own coordinates, stays where it is on screen as far as scrolling
  // can keep it there.
  virtual void zoomField(ZoomStep step, int anchorX, int anchorY) = 0;
  // Picture mode: a stroke, an undo or a redo changed the picture; its clues are to follow.
  virtual void pictureChanged() {}
};

}  // namespace jcw
