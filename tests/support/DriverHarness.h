#pragma once
// A stand-in for the main window around the solver's tool window: a real field, a menu button,
// a wait panel with the main window's caption and a toggle for SBAuto, with Save and Clear doing
// what the main window's do to the field; and a search that stands for a very long one.

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "field/qt/TGrid.h"
#include "solver/qt/AutoHost.h"
#include "solver/qt/TFormAuto.h"
#include "support/Fixtures.h"

namespace jcw::test {

class DriverHarness : public AutoHost {
 public:
  DriverHarness();

  QWidget* mainWindow() override { return &window; }
  QWidget* mainButton() override { return mainBtn; }
  QWidget* waitPanel() override { return panel; }
  void setAutoButtonDown(bool down) override { sbAuto->setChecked(down); }
  TGrid* field() override { return grid; }
  // NSave0Click: nothing without changes; a file name from the save dialog when none is set;
  // then the crossword written to CurFileName.
  void save() override;
  // ClearProcess on the field.
  void clearField() override;

  void load(const Crossword& crossword);
  Crossword& model() { return grid->model(); }

  QWidget window;
  QPushButton* mainBtn;
  QLabel* panel;
  QPushButton* sbAuto;
  TGrid* grid;
  TFormAuto* form;
};

// A complete search that runs until it is cancelled, as a very hard crossword's would; it says
// which thread ran it and shows some nodes and conflicts. With `stopsWhen`, it goes on after the
// cancellation until that is set, as a SAT solver deep in its own work may.
struct EndlessSearch {
  std::atomic<std::thread::id>* ranOn;
  std::shared_ptr<std::atomic<bool>> stopsWhen = nullptr;
  SearchResult operator()(const ClueLists& clues, const WorkGrid&, const CancelCheck& cancel,
                          SearchProgress* progress) const {
    *ranOn = std::this_thread::get_id();
    progress->nodes = static_cast<long long>(clues.rows.size() + clues.columns.size());
    progress->conflicts = 1200;
    while (!cancel()) std::this_thread::yield();
    while (stopsWhen && !*stopsWhen) std::this_thread::yield();
    SearchResult result;
    result.complete = false;
    return result;
  }
};

// Calls `probe` at every pass of event processing (the solver's yields included) while it lives.
class EveryPass : public QObject {
 public:
  explicit EveryPass(std::function<void()> probe) : probe_(std::move(probe)) { startTimer(0); }

 protected:
  void timerEvent(QTimerEvent*) override { probe_(); }

 private:
  std::function<void()> probe_;
};

}  // namespace jcw::test
