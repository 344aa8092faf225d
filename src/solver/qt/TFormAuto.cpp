#include "solver/qt/TFormAuto.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <qdrawutil.h>

#include "field/qt/TGrid.h"
#include "files/qt/SaveQuestion.h"
#include "field/ViewState.h"
#include "model/ProcessState.h"
#include "platform/qt/Platform.h"
#include "solver/qt/AutoHost.h"
#include "solver/qt/FieldSolver.h"
#include "solver/SolverBusy.h"
#include "solver/SolverRuns.h"
#include "widgets/qt/HotSpeedButton.h"

namespace jcw {

namespace {

constexpr QSize kClientSize{292, 288};
constexpr QPoint kFirstPosition{246, 169};
constexpr int kFontHeight = 14;
const char* const kTag = "Tag";

// The test's verdicts and a cancelled solve's notice share this caption.
const QString kTestCaption = QStringLiteral("Японский кроссворд - Тест");

void showResult(const QString& text) {
  platform().messageBox({text, kTestCaption, Buttons::Ok, Icon::Information, Answer::Ok});
}

bool shiftHeld() {
  return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

}  // namespace

bool isOnChild(const QWidget& window, QPoint clientPos) {
  const auto children = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (const QWidget* child : children)
    if (child->geometry().contains(clientPos)) return true;
  return false;
}

TFormAuto::TFormAuto(AutoHost& host, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnTopHint),
      host_(host) {
  setObjectName(QStringLiteral("FormAuto"));
  setFixedSize(kClientSize);
  QPalette p = palette();
  p.setColor(QPalette::Window, p.color(QPalette::Button));
  setPalette(p);
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPixelSize(kFontHeight);
  setFont(f);

  // The frame first, so that the label's caption lies over its top edge.
  Bevel1 = new QFrame(this);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Bevel1->setGeometry(20, 20, 247, 70);
  Label1 = new QLabel(QStringLiteral("Режим"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setAutoFillBackground(true);
  Label1->setGeometry(30, 12, 43, 16);
  // A label sizes itself to its caption: the designed width fits only the original face.
  Label1->adjustSize();

  AFSweetchR = addSwitch("AFSweetchR", QStringLiteral("Решение"), {39, 39, 90, 27});
  AFSweetchT = addSwitch("AFSweetchT", QStringLiteral("Тест"), {158, 39, 89, 27});
  AFSweetchR->setChecked(true);

  AFFull = addRunButton("AFFull", QStringLiteral("Полностью"), 0,
                        QStringLiteral("Без учета закрашенных клеток"), {39, 108, 199, 41});
  AFMask = addRunButton("AFMask", QStringLiteral("Продолжение"), 1,
                        QStringLiteral("С учетом уже заполненных клеток"), {39, 168, 199, 41});
  AFCancel = new QPushButton(QStringLiteral("Отмена"), this);
  AFCancel->setObjectName(QStringLiteral("AFCancel"));
  AFCancel->setGeometry(89, 226, 109, 31);
  connect(AFCancel, &QPushButton::clicked, this, &TFormAuto::AFCancelClick);
  setTabOrder(AFFull, AFMask);
  setTabOrder(AFMask, AFCancel);

  move(kFirstPosition);
}

THotSpeedButton* TFormAuto::addSwitch(const char* name, const QString& caption,
                                      const QRect& geometry) {
  auto* button = new THotSpeedButton(this);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(caption);
  button->setGroupIndex(1);
  button->setHotColor(Qt::blue);
  button->setHotBold(false);
  button->setGeometry(geometry);
  return button;
}

QPushButton* TFormAuto::addRunButton(const char* name, const QString& caption, int tag,
                                     const QString& hint, const QRect& geometry) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(QString::fromLatin1(name));
  button->setProperty(kTag, tag);
  button->setToolTip(hint);
  button->setGeometry(geometry);
  connect(button, &QPushButton::clicked, this, [this, button] { AFFullClick(button); });
  return button;
}

void TFormAuto::toggleShown() {
  // During a run the window stays hidden; SBAuto, which a click has just toggled, follows it.
  if (!SolverBusy) setVisible(!isVisible());
  host_.setAutoButtonDown(isVisible());
}

void TFormAuto::AFCancelClick() { close(); }

void TFormAuto::AFFullClick(QAbstractButton* sender) {
  if (SolverBusy) return;
  const SolverRunScope run;
  const bool useMarks = sender->property(kTag).toInt() == 1;
  startRun();
  hide();
  CancelRequested = false;
  if (AFSweetchR->isChecked()) {
    AutoProcess(useMarks, shiftHeld());
  } else {
    TestProcess(useMarks);
  }
  RestoreAfterRun();
  close();
}

void TFormAuto::startRun() {
  host_.mainButton()->setEnabled(false);
  host_.mainButton()->setCursor(Qt::WaitCursor);
  if (TGrid* field = host_.field()) field->setCursor(Qt::WaitCursor);
}

void TFormAuto::RestoreAfterRun() {
  host_.waitPanel()->hide();
  host_.mainButton()->setEnabled(true);
  host_.mainButton()->unsetCursor();
  if (TGrid* field = host_.field()) field->unsetCursor();
}

void TFormAuto::showWaitPanel() {
  QWidget* panel = host_.waitPanel();
  const QSize outer = host_.mainWindow()->frameGeometry().size();
  panel->move((outer.width() - panel->width()) / 2, (outer.height() - panel->height()) / 2);
  panel->show();
  panel->raise();
}

void TFormAuto::AutoProcess(bool useMarks, bool showSteps) {
  QPointer<TGrid> field = host_.field();
  if (!field) return;
  SolverState state;
  prepareFromField(state, *field, useMarks);
  // A cancelled or failed save ends the run: solving from nothing would wipe the marks the user
  // just asked to keep.
  if (!maybeSave(*field, SaveCaption::WithFileName, [this] { host_.save(); })) return;
  if (!useMarks) host_.clearField();
  if (!field) return;
  if (!showSteps) showWaitPanel();
  field->invalidateField();
  QCoreApplication::processEvents();

  // The field may be replaced while events are processed; its successor is not ours to write.
  const auto writeBack = [&] {
    if (field) writeBackToField(state, *field);
  };
  if (showSteps) {
    solveByLines(state, writeBack);
  } else {
    solveByLines(state);
    writeBack();
  }
  if (!field) return;
  field->SetModified(true);
  if (CancelRequested) showResult(QStringLiteral("Поиск решения прерван пользователем"));
}

void TFormAuto::TestProcess(bool useMarks) {
  showWaitPanel();
  if (TGrid* field = host_.field()) field->invalidateField();
  QCoreApplication::processEvents();
  const TGrid* field = host_.field();
  if (!field) return;
  SolverState state;
  prepareFromField(state, *field, useMarks);
  const TestVerdict verdict = runTest(state);
  showResult(QString::fromStdString(testMessage(verdict, useMarks)));
}

void TFormAuto::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  qDrawWinPanel(&painter, rect(), palette(), false);
}

void TFormAuto::closeEvent(QCloseEvent* event) {
  host_.setAutoButtonDown(false);
  QWidget::closeEvent(event);
}

void TFormAuto::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || isOnChild(*this, event->position().toPoint())) {
    QWidget::mousePressEvent(event);
    return;
  }
  dragging_ = true;
  dragOffset_ = event->globalPosition().toPoint() - pos();
  BeginMove();
}

void TFormAuto::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) {
    QWidget::mouseMoveEvent(event);
    return;
  }
  move(event->globalPosition().toPoint() - dragOffset_);
}

void TFormAuto::mouseReleaseEvent(QMouseEvent* event) {
  if (!dragging_ || event->button() != Qt::LeftButton) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  dragging_ = false;
  EndMove();
}

void TFormAuto::BeginMove() { WindowActive = false; }

void TFormAuto::EndMove() {
  WindowActive = true;
  if (TGrid* field = host_.field()) field->invalidateField();
}

}  // namespace jcw
