#pragma once
// A stand-in for the main window around the solver's tool window: a real field, a menu button,
// a wait panel and a toggle for SBAuto, with Save and Clear doing what the main window's do to
// the field.

#include <QPushButton>
#include <QWidget>
#include <functional>
#include <string>

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
  QWidget* panel;
  QPushButton* sbAuto;
  TGrid* grid;
  TFormAuto* form;
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
