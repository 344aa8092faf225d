#pragma once
// The main window as the driver's host: its menu button, wait panel and SBAuto found by their
// object names, its current field, and its Save and Clear commands. Owned by the tool window it
// serves (a QObject child), so it lives exactly as long as the window. UI thread only.

#include <QObject>

#include "solver/qt/AutoHost.h"

class QAbstractButton;

namespace jcw {

class TForm1;

class MainWindowAutoHost : public QObject, public AutoHost {
 public:
  explicit MainWindowAutoHost(TForm1& form);

  QWidget* mainWindow() override;
  QWidget* mainButton() override { return mainBtn_; }
  QWidget* waitPanel() override { return waitPanel_; }
  void setAutoButtonDown(bool down) override;
  TGrid* field() override;
  void save() override;
  void clearField() override;

 private:
  TForm1& form_;
  QWidget* mainBtn_;
  QWidget* waitPanel_;
  QAbstractButton* sbAuto_;
};

}  // namespace jcw
