#include "solver/qt/MainWindowAutoHost.h"

#include <QAbstractButton>

#include "mainwindow/qt/TForm1.h"

namespace jcw {

namespace {

template <typename T>
T* named(const TForm1& form, const char* name) {
  T* widget = form.findChild<T*>(QString::fromLatin1(name));
  Q_ASSERT(widget);
  return widget;
}

}  // namespace

MainWindowAutoHost::MainWindowAutoHost(TForm1& form)
    : form_(form),
      mainBtn_(named<QWidget>(form, "MainBtn")),
      waitPanel_(named<QWidget>(form, "WaitPanel")),
      sbAuto_(named<QAbstractButton>(form, "SBAuto")) {
  // The button stays down while the tool window is open.
  sbAuto_->setCheckable(true);
}

QWidget* MainWindowAutoHost::mainWindow() { return &form_; }

void MainWindowAutoHost::setAutoButtonDown(bool down) { sbAuto_->setChecked(down); }

TGrid* MainWindowAutoHost::field() { return form_.field(); }

void MainWindowAutoHost::save() { form_.NSave0Click(); }

void MainWindowAutoHost::clearField() { form_.ClearProcess(); }

}  // namespace jcw
