#pragma once
// The main window on the offscreen platform, with scripted message boxes, a known work area and
// a home of its own for the settings: the base of the main window's QtTest classes.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <optional>

#include "field/ViewState.h"
#include "field/qt/FieldColors.h"
#include "files/CrosswordFile.h"
#include "mainwindow/qt/MainMenus.h"
#include "mainwindow/MainState.h"
#include "mainwindow/qt/TForm1.h"
#include "model/Dimensions.h"
#include "model/ProcessState.h"
#include "settings/Options.h"
#include "support/Fixtures.h"
#include "support/NamedChild.h"
#include "support/ProcessReset.h"
#include "support/ScriptedPlatform.h"

namespace jcw::test {

// The window with the save command counted, which the close query runs; the save leaves nothing
// unsaved, as a written file does, unless it is told to fail.
class WatchedForm : public TForm1 {
 public:
  int saves = 0;
  bool saveFails = false;
  void NSave0Click() override {
    ++saves;
    if (saveFails) return;
    field()->model().markSaved();
    field()->historyChanged();
  }
};

// A 20 x 15 picture with 5 header columns and 4 header rows and no clues.
inline Crossword emptyTwentyByFifteen() {
  Crossword crossword;
  crossword.allocate({20, 15, 5, 4});
  return crossword;
}

// Two rows by three columns whose clues agree; the top row is marked.
inline CrosswordSpec smallSolvable() {
  return {Clues{{3}, {1}}, Clues{{1}, {1}, {2}}, {"###", "???"}};
}

class MainWindowFixture : public QObject {
  Q_OBJECT

 protected:
  ScriptedPlatform& scripted() { return **platform_; }
  WatchedForm& form() { return *form_; }
  WatchedForm& open(Crossword crossword, std::uint8_t openMode) {
    setCurrentDimensions(crossword.dims());
    form_ = std::make_unique<WatchedForm>();
    form_->field()->setModel(std::move(crossword));
    OpenMode = openMode;
    form_->show();
    return *form_;
  }

  template <typename T>
  T* child(const char* name) {
    return namedChild<T>(*form_, name);
  }
  QAction* item(const char* name) { return child<QAction>(name); }
  QToolButton* button(const char* name) { return child<QToolButton>(name); }
  Crossword& model() { return form_->field()->model(); }

  // The client area is the field and the visible tool panel side by side, nothing more.
  bool windowIsFieldAndPanel() {
    const QRect field = form_->field()->geometry();
    const auto* panel = child<QWidget>("PanelTools");
    const QRect beside = panel->isVisible() ? panel->geometry() : QRect();
    return !field.intersects(beside) && field.united(beside) == form_->rect();
  }
  // The tool panel along the whole left (top) edge of the client area.
  bool panelAlong(ToolSide side) {
    const QRect panel = child<QWidget>("PanelTools")->geometry();
    const bool left = panel.height() == form_->height() && panel.width() < panel.height();
    const bool top = panel.width() == form_->width() && panel.height() < panel.width();
    return panel.topLeft() == QPoint() && (side == ToolSide::Left ? left : top);
  }
  // What a client area of `client` leaves the field beside the tool panel.
  QSize besidePanel(QSize client) {
    const QSize panel = child<QWidget>("PanelTools")->size();
    return client - (panelAlong(ToolSide::Top) ? QSize(0, panel.height()) : QSize(panel.width(), 0));
  }
  // The cells are as large as `room` allows: W1 of them fit across and H1 down, and one pixel
  // more per cell would not.
  bool cellsAreLargestFor(QSize room) {
    const auto fit = [&](int cell) {
      return cell * model().W1() <= room.width() && cell * model().H1() <= room.height();
    };
    const int cellSize = form_->field()->cellSize();
    return fit(cellSize) && !fit(cellSize + 1);
  }

 private slots:
  void init() {
    home_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", home_->filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", home_->filePath(QStringLiteral("data")).toUtf8());
    resetProcessState();
    platform_.emplace();
    scripted().area = QRect(0, 0, 1000, 760);
  }
  void cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* menu = qobject_cast<QMenu*>(w)) menu->hide();
    if (form_) {
      scripted().answers.assign(8, Answer::No);  // a modified crossword asks on close
      form_.reset();
      scripted().answers.clear();  // the close's answers are no part of the test's script
    }
    platform_.reset();
  }

 private:
  std::optional<ScopedScriptedPlatform> platform_;
  std::unique_ptr<QTemporaryDir> home_;  // the user's registry and data go here
  std::unique_ptr<WatchedForm> form_;
};

}  // namespace jcw::test
