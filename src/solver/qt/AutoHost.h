#pragma once
// What the solve and test driver needs of the main window: the elements a run disables or
// shows, the field, and the Save and Clear commands. The main window provides it; driver tests
// use plain widgets. UI thread only.

class QWidget;

namespace jcw {

class TGrid;

class AutoHost {
 public:
  virtual ~AutoHost() = default;

  // The main window; the wait panel is centred on its outer size.
  virtual QWidget* mainWindow() = 0;
  // MainBtn: disabled and showing the wait cursor during a run.
  virtual QWidget* mainButton() = 0;
  // WaitPanel: a child of the main window, hidden except during a run.
  virtual QWidget* waitPanel() = 0;
  // SBAuto's Down state, which shows whether the tool window is open.
  virtual void setAutoButtonDown(bool down) = 0;
  // The current field; null while the main window has none.
  virtual TGrid* field() = 0;
  // The Save command (NSave0Click) and the clearing routine (ClearProcess).
  virtual void save() = 0;
  virtual void clearField() = 0;
};

}  // namespace jcw
