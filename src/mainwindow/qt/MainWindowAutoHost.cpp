#include "mainwindow/qt/MainWindowAutoHost.h"

#include <QAbstractButton>

#include "mainwindow/qt/TForm1.h"

namespace jcw {

MainWindowAutoHost::MainWindowAutoHost(TForm1& form, QWidget& mainBtn, QWidget& waitPanel,
                                       QAbstractButton& sbAuto)
    : form_(form), mainBtn_(mainBtn), waitPanel_(waitPanel), sbAuto_(sbAuto) {
  sbAuto_.setCheckable(true);
}

QWidget* MainWindowAutoHost::mainWindow() { return &form_; }

void MainWindowAutoHost::setAutoButtonDown(bool down) { sbAuto_.setChecked(down); }

TGrid* MainWindowAutoHost::field() { return form_.field(); }

void MainWindowAutoHost::save() { form_.NSave0Click(); }

void MainWindowAutoHost::clearField() { form_.ClearProcess(); }

}  // namespace jcw
