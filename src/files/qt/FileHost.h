#pragma once
// What the file commands need of the window that holds the crossword: its field and a fresh one
// in its place, the show step that lays a loaded crossword out, the fit to the work area, the
// title and the Start item. The main window implements it. UI thread only.

class QWidget;

namespace jcw {

class TGrid;

class FileHost {
 public:
  virtual ~FileHost() = default;

  // The window itself: the target of dropped files, hidden by New.
  virtual QWidget* mainWindow() = 0;
  // The current field; never null.
  virtual TGrid* field() const = 0;
  // Destroys the field and puts a new, empty one in its place; returns the new one.
  virtual TGrid* replaceField() = 0;
  // The show step (FormShow): allocates the field's table for the current dimensions, lays the
  // field out and switches to OpenMode.
  virtual void FormShow() = 0;
  // The window as large as the work area allows, centred in it (the maximum size option).
  virtual void fitToWorkArea() = 0;
  // The title shows the current file's name again (after a save).
  virtual void refreshTitle() = 0;
  // The Start command: a loaded crossword may be started again.
  virtual void setStartEnabled(bool enabled) = 0;
};

}  // namespace jcw
