#pragma once
// The main window on the offscreen platform, with scripted message boxes, a known work area and
// a home of its own for the settings: the base of the main window's QtTest classes, which one
// executable runs one after the other.

#include <QAction>
#include <QTemporaryDir>
#include <QToolButton>
#include <memory>
#include <optional>

#include "mainwindow/qt/TForm1.h"
#include "support/Fixtures.h"
#include "support/NamedChild.h"
#include "support/ScriptedPlatform.h"

namespace jcw::test {

// The window with the save command counted, which the close query runs; the save empties the
// history and the modified flag as a written file does, unless it is told to fail.
class WatchedForm : public TForm1 {
 public:
  int saves = 0;
  bool saveFails = false;
  void NSave0Click() override;
};

// A 20 x 15 picture with 5 header columns and 4 header rows and no clues.
Crossword emptyTwentyByFifteen();
// Two rows by three columns whose clues agree; the top row is marked.
CrosswordSpec smallSolvable();

class MainWindowFixture : public QObject {
  Q_OBJECT

 protected:
  ScriptedPlatform& scripted() { return **platform_; }
  WatchedForm& open(Crossword crossword, std::uint8_t openMode);
  WatchedForm& form() { return *form_; }

  template <typename T>
  T* child(const char* name) {
    return namedChild<T>(*form_, name);
  }
  QAction* item(const char* name) { return child<QAction>(name); }
  QToolButton* button(const char* name) { return child<QToolButton>(name); }
  Crossword& model() { return form_->field()->model(); }

  // The client area is the field and the visible tool panel side by side, nothing more.
  bool windowIsFieldAndPanel();
  // The tool panel along the whole left (top) edge of the client area.
  bool panelOnTheLeft();
  bool panelOnTop();
  // The cells are as large as `room` allows: W1 of them fit across and H1 down, and one pixel
  // more per cell would not.
  bool cellsAreLargestFor(QSize room);
  // What a client area of `client` leaves the field beside the tool panel.
  QSize besidePanel(QSize client);

 private slots:
  void init();
  void cleanup();

 private:
  std::optional<ScopedScriptedPlatform> platform_;
  std::unique_ptr<QTemporaryDir> home_;  // the user's registry and data go here
  std::unique_ptr<WatchedForm> form_;
};

int runModesAndCommandsTests(int argc, char** argv);
int runMenusAndOptionsTests(int argc, char** argv);
int runWindowLayoutTests(int argc, char** argv);
int runWindowEventsTests(int argc, char** argv);

}  // namespace jcw::test
