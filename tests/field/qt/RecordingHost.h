#pragma once
// A FieldHost for field tests: records the commands the field runs, keeps the enabled state of
// Start, counts the words that the history changed, and switches CurrentMode as the main window
// would. A test may hang an action on a command (to run a nested switch or destroy the field).

#include <QPoint>
#include <QStringList>
#include <functional>

#include "field/FieldHost.h"
#include "field/ViewState.h"

namespace jcw::test {

class RecordingHost : public FieldHost {
 public:
  void SetMode(int mode) override {
    calls << QStringLiteral("SetMode %1").arg(mode);
    CurrentMode = static_cast<std::uint8_t>(mode);
  }
  bool startEnabled() const override { return start; }
  void setStartEnabled(bool enabled) override { start = enabled; }
  void historyChanged() override { ++historyChanges; }
  bool typingReplaces() const override { return replaces; }

  void NStartClick() override { command(QStringLiteral("NStartClick")); }
  void NEditClick() override { command(QStringLiteral("NEditClick")); }
  void NClearClick() override { command(QStringLiteral("NClearClick")); }
  void NNewClick() override { command(QStringLiteral("NNewClick")); }
  void NSave0Click() override { command(QStringLiteral("NSave0Click")); }
  void NLoadClick() override { command(QStringLiteral("NLoadClick")); }
  void NPrintClick() override { command(QStringLiteral("NPrintClick")); }
  void MainBtnMouseDown() override { command(QStringLiteral("MainBtnMouseDown")); }
  void NCheckClick() override { command(QStringLiteral("NCheckClick")); }
  void NHintLineClick() override { command(QStringLiteral("NHintLineClick")); }
  void zoomField(ZoomStep step, int anchorX, int anchorY) override {
    calls << zoomCall(step, {anchorX, anchorY});
  }
  // How a zoom is recorded in `calls`.
  static QString zoomCall(ZoomStep step, QPoint anchor) {
    return QStringLiteral("zoomField %1 %2 %3").arg(int(step)).arg(anchor.x()).arg(anchor.y());
  }

  QStringList calls;
  bool start = true;
  bool replaces = false;  // the option "Ввод заменяет число"
  int historyChanges = 0;
  std::function<void(const QString&)> onCommand;

 private:
  void command(const QString& name) {
    calls << name;
    if (onCommand) onCommand(name);
  }
};

}  // namespace jcw::test
