#include "mainwindow/qt/MainWindowAutoHost.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>

#include "mainwindow/qt/TForm1.h"

namespace jcw {

QLabel* makeWaitPanel(QWidget* parent) {
  auto* panel = new QLabel(QCoreApplication::translate("jcw", "Идет анализ. Ждите..."), parent);
  panel->setObjectName(QStringLiteral("WaitPanel"));
  panel->setFixedSize(169, 70);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setAlignment(Qt::AlignCenter);
  panel->setAutoFillBackground(true);
  panel->setCursor(Qt::WaitCursor);
  panel->hide();
  return panel;
}

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
