#pragma once
// The main window as the driver's host: its menu button, wait panel and SBAuto as the window
// hands them in, its current field, and its Save and Clear commands. Owned by the tool window it
// serves (a QObject child), so it lives exactly as long as the window. UI thread only.

#include <QObject>

#include "solver/qt/AutoHost.h"

class QAbstractButton;
class QLabel;

namespace jcw {

class TForm1;

// The panel that covers the menu button while a run works, hidden until then.
QLabel* makeWaitPanel(QWidget* parent);

class MainWindowAutoHost : public QObject, public AutoHost {
 public:
  // SBAuto becomes a button that stays down while the tool window is open.
  MainWindowAutoHost(TForm1& form, QWidget& mainBtn, QWidget& waitPanel, QAbstractButton& sbAuto);

  QWidget* mainWindow() override;
  QWidget* mainButton() override { return &mainBtn_; }
  QWidget* waitPanel() override { return &waitPanel_; }
  void setAutoButtonDown(bool down) override;
  TGrid* field() override;
  void save() override;
  void clearField() override;

 private:
  TForm1& form_;
  QWidget& mainBtn_;
  QWidget& waitPanel_;
  QAbstractButton& sbAuto_;
};

}  // namespace jcw
