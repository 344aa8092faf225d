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
#include <utility>

#include "field/qt/TGrid.h"
#include "files/qt/SaveQuestion.h"
#include "field/ViewState.h"
#include "model/ProcessState.h"
#include "platform/qt/Platform.h"
#include "solver/ProgressText.h"
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
QString testCaption() { return QCoreApplication::translate("jcw", "Японский кроссворд - Тест"); }

void showResult(const std::string& text) {
  platform().messageBox(
      {QString::fromStdString(text), testCaption(), Buttons::Ok, Icon::Information, Answer::Ok});
}

// A solve that found several pictures offers one of them.
bool wantsOneOfSeveral(const std::string& text) {
  const QString question = QCoreApplication::translate("jcw", "Показать одно из решений?");
  return platform().messageBox({QString::fromStdString(text) + QStringLiteral("\n\r") + question,
                                testCaption(), Buttons::YesNo, Icon::Question, Answer::Yes}) ==
         Answer::Yes;
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
  Label1 = new QLabel(QCoreApplication::translate("jcw", "Режим"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setAutoFillBackground(true);
  Label1->setGeometry(30, 12, 43, 16);
  // A label sizes itself to its caption: the designed width fits only the original face.
  Label1->adjustSize();

  AFSweetchR =
      addSwitch("AFSweetchR", QCoreApplication::translate("jcw", "Решение"), {39, 39, 90, 27});
  AFSweetchT =
      addSwitch("AFSweetchT", QCoreApplication::translate("jcw", "Тест"), {158, 39, 89, 27});
  AFSweetchR->setChecked(true);

  AFFull = addRunButton("AFFull", QCoreApplication::translate("jcw", "Полностью"), 0,
                        QCoreApplication::translate("jcw", "Без учета закрашенных клеток"),
                        {39, 108, 199, 41});
  AFMask = addRunButton("AFMask", QCoreApplication::translate("jcw", "Продолжение"), 1,
                        QCoreApplication::translate("jcw", "С учетом уже заполненных клеток"),
                        {39, 168, 199, 41});
  AFCancel = new QPushButton(QCoreApplication::translate("jcw", "Отмена"), this);
  AFCancel->setObjectName(QStringLiteral("AFCancel"));
  AFCancel->setGeometry(89, 226, 109, 31);
  connect(AFCancel, &QPushButton::clicked, this, &TFormAuto::AFCancelClick);
  setTabOrder(AFFull, AFMask);
  setTabOrder(AFMask, AFCancel);

  move(kFirstPosition);
  host_.mainWindow()->installEventFilter(this);
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
  if (SolverBusy || !canRun()) return;
  const SolverRunScope run;
  host_.field()->clearDifferingCells();
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
  if (std::exchange(closeMainAfterRun_, false)) host_.mainWindow()->close();
}

bool TFormAuto::canRun() {
  const TGrid* field = host_.field();
  return field && field->model().allocated() && CurrentMode != kViewMode;
}

void TFormAuto::startRun() {
  running_ = true;
  host_.mainButton()->setEnabled(false);
  host_.mainButton()->setCursor(Qt::WaitCursor);
  if (TGrid* field = host_.field()) field->setCursor(Qt::WaitCursor);
}

void TFormAuto::RestoreAfterRun() {
  running_ = false;
  host_.waitPanel()->hide();
  if (auto* label = qobject_cast<QLabel*>(host_.waitPanel()); label && !waitCaption_.isNull())
    label->setText(std::exchange(waitCaption_, QString()));
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

void TFormAuto::showProgress(const SearchProgress& progress, qint64 elapsedMs) {
  auto* label = qobject_cast<QLabel*>(host_.waitPanel());
  if (!label) return;
  if (waitCaption_.isNull()) waitCaption_ = label->text();
  label->setText(waitCaption_ + QLatin1Char('\n') +
                 QString::fromStdString(
                     progressText(progress.nodes, progress.conflicts, elapsedMs)));
}

TestVerdict TFormAuto::decideOpenCells(SolverState& state) {
  // After the test's sweeps this learns nothing; after the solve's, which stop as soon as every
  // cell is known, it checks the lines the last sweep left (a picture may still fit no column).
  return runTest(state, [this](const SolverState& swept) {
    showWaitPanel();
    return searchInBackground(search_, cluesOf(swept), swept.Work,
                              [this](const SearchProgress& progress, qint64 elapsedMs) {
                                showProgress(progress, elapsedMs);
                              });
  });
}

void TFormAuto::AutoProcess(bool useMarks, bool showSteps) {
  QPointer<TGrid> field = host_.field();
  if (!field) return;
  SolverState state;
  prepareFromField(state, *field, useMarks);
  const WorkGrid original = marksOf(*field);
  // A cancelled or failed save ends a run from nothing: it would wipe the marks the user just
  // asked to keep. A continuation keeps them, so only Cancel stops it.
  const SaveAnswer answer =
      askToSave(*field, SaveCaption::WithFileName, [this] { host_.save(); });
  if (answer == SaveAnswer::Cancelled || (answer == SaveAnswer::NotSaved && !useMarks)) return;
  // The clear and everything the run writes are one undo step.
  field->model().history.beginGesture();
  if (!useMarks) host_.clearField();
  if (!field) return;
  const std::vector<std::uint8_t> before = field->model().pictureStates();
  if (!showSteps) showWaitPanel();
  field->invalidateField();
  QCoreApplication::processEvents();

  // Where a crossword without a picture leaves the field: as the user had it.
  const WorkGrid start = useMarks ? state.Work : original;
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
  const TestVerdict verdict = decideOpenCells(state);
  if (!field) return;
  // The result box opens over the field, not over what is left of the panel.
  host_.waitPanel()->hide();
  if (verdict.outcome == TestOutcome::SingleSolution && !verdict.solvedByLines)
    writePictureToField(verdict.pictures.front(), *field);
  if (verdict.outcome == TestOutcome::NoSolution) writePictureToField(start, *field);
  field->recordPictureChange(before);
  field->model().history.endGesture();
  showAmbiguity(verdict, *field);
  std::string message = solveMessage(verdict.outcome);
  if (verdict.outcome == TestOutcome::NoSolution) message = withConflict(message, showFieldConflict(*field));
  if (message.empty() || closeMainAfterRun_) return;
  if (verdict.outcome != TestOutcome::SeveralSolutions) {
    showResult(message);
  } else if (wantsOneOfSeveral(message) && field) {
    writeOneOfSeveral(verdict, *field);
  }
}

void TFormAuto::TestProcess(bool useMarks) {
  showWaitPanel();
  if (TGrid* field = host_.field()) field->invalidateField();
  QCoreApplication::processEvents();
  QPointer<TGrid> field = host_.field();
  if (!field) return;
  SolverState state;
  prepareFromField(state, *field, useMarks);
  const bool marksTaken = useMarks && field->model().countMarked() > 0;
  const TestVerdict verdict = decideOpenCells(state);
  host_.waitPanel()->hide();
  if (field) showAmbiguity(verdict, *field);
  std::optional<LineConflict> conflict;
  if (field && verdict.outcome == TestOutcome::NoSolution) conflict = showFieldConflict(*field);
  if (!closeMainAfterRun_) showResult(testMessage(verdict, marksTaken, conflict));
}

bool TFormAuto::eventFilter(QObject* watched, QEvent* event) {
  if (watched != host_.mainWindow()) return false;
  if (event->type() == QEvent::Close && SolverBusy && running_) {
    // No thread may outlive its data: the run is stopped and ends first, then the window closes.
    CancelRequested = true;
    closeMainAfterRun_ = true;
    event->ignore();
    return true;
  }
  if (event->type() == QEvent::WindowStateChange) followMainWindowState();
  return false;
}

void TFormAuto::followMainWindowState() {
  // Seen before the main window minimises the other windows along with itself.
  if (host_.mainWindow()->isMinimized()) {
    reopenOnRestore_ = reopenOnRestore_ || isVisible();
    return;
  }
  if (!std::exchange(reopenOnRestore_, false)) return;
  showNormal();
  host_.setAutoButtonDown(true);
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
