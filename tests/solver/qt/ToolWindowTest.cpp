// The solver's tool window itself: its place, dragging by the free client area, its border and
// the mode switch.

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "support/DriverHarness.h"
#include "field/ViewState.h"
#include "solver/SolverBusy.h"
#include "support/NamedChild.h"
#include "support/ProcessReset.h"
#include "support/ScriptedPlatform.h"
#include "widgets/qt/HotSpeedButton.h"

namespace jcw {

using test::DriverHarness;

namespace {

// Press, move and release of the left button at client points of `target`, as a drag does.
void drag(QWidget* target, QPoint from, QPoint to, const std::function<void()>& midway = {}) {
  const auto send = [target](QEvent::Type type, QPoint at, Qt::MouseButton button,
                             Qt::MouseButtons buttons) {
    const QPointF global = target->mapToGlobal(QPointF(at));
    QMouseEvent event(type, QPointF(at), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
  };
  send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  if (midway) midway();
  // The window moves under the pointer: the release point is where the pointer now is.
  const QPoint globalTo = target->mapToGlobal(from) + (to - from);
  send(QEvent::MouseMove, target->mapFromGlobal(globalTo), Qt::NoButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, target->mapFromGlobal(globalTo), Qt::LeftButton,
       Qt::NoButton);
}

template <typename T = QWidget>
T* child(const DriverHarness& h, const char* name) {
  return test::namedChild<T>(*h.form, name);
}

}  // namespace

class ToolWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    resetProcessState();
    SolverBusy = false;
  }

  void theWindowIsAFramelessToolWindowOnTopAtItsFirstPlace();
  void pointsOnChildrenAreClientAndTheRestDrags_data();
  void pointsOnChildrenAreClientAndTheRestDrags();
  void draggingTheFreeAreaMovesTheWindowAndHoldsBackFullRedraws_data();
  void draggingTheFreeAreaMovesTheWindowAndHoldsBackFullRedraws();
  void theBorderIsARaisedEdge();
  void theModeCaptionIsShownWhole();
  void theSwitchKeepsItsPositionBetweenOpenings();
  void theSwitchCaptionsTurnBlueUnderTheMouse_data();
  void theSwitchCaptionsTurnBlueUnderTheMouse();
};

void ToolWindowTest::theWindowIsAFramelessToolWindowOnTopAtItsFirstPlace() {
  DriverHarness h;
  const Qt::WindowFlags flags = h.form->windowFlags();
  QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
  QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
  QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
  QCOMPARE(h.form->size(), QSize(292, 288));
  QCOMPARE(h.form->pos(), QPoint(246, 169));
  QVERIFY(h.form->isHidden());
  QCOMPARE(h.form->palette().color(QPalette::Window),
           QApplication::palette().color(QPalette::Button));
}

void ToolWindowTest::pointsOnChildrenAreClientAndTheRestDrags_data() {
  QTest::addColumn<QPoint>("point");
  QTest::addColumn<bool>("onChild");
  QTest::newRow("top-left margin") << QPoint(5, 5) << false;
  QTest::newRow("left of the frame") << QPoint(19, 50) << false;
  QTest::newRow("on the label above the frame") << QPoint(31, 13) << true;
  QTest::newRow("on the frame's edge") << QPoint(20, 20) << true;
  QTest::newRow("inside the frame beside the switch") << QPoint(25, 80) << true;
  QTest::newRow("on a switch button") << QPoint(160, 40) << true;
  QTest::newRow("gap between frame and Полностью") << QPoint(100, 100) << false;
  QTest::newRow("bottom-right pixel of Продолжение") << QPoint(237, 208) << true;
  QTest::newRow("just right of Продолжение") << QPoint(238, 208) << false;
  QTest::newRow("on Отмена") << QPoint(90, 250) << true;
  QTest::newRow("bottom margin") << QPoint(146, 280) << false;
}

void ToolWindowTest::pointsOnChildrenAreClientAndTheRestDrags() {
  QFETCH(QPoint, point);
  QFETCH(bool, onChild);
  DriverHarness h;
  QCOMPARE(isOnChild(*h.form, point), onChild);
}

void ToolWindowTest::draggingTheFreeAreaMovesTheWindowAndHoldsBackFullRedraws_data() {
  QTest::addColumn<QString>("target");
  QTest::addColumn<QPoint>("from");
  QTest::addColumn<bool>("moves");
  QTest::newRow("free margin") << "FormAuto" << QPoint(6, 150) << true;
  QTest::newRow("label") << "Label1" << QPoint(4, 4) << false;
  QTest::newRow("frame") << "Bevel1" << QPoint(5, 60) << false;
}

void ToolWindowTest::draggingTheFreeAreaMovesTheWindowAndHoldsBackFullRedraws() {
  QFETCH(QString, target);
  QFETCH(QPoint, from);
  QFETCH(bool, moves);
  DriverHarness h;
  h.form->show();
  QWidget* widget = target == "FormAuto" ? h.form : child(h, qPrintable(target));
  bool activeMidway = true;

  drag(widget, from, from + QPoint(40, 25), [&] { activeMidway = WindowActive; });

  QCOMPARE(h.form->pos(), QPoint(246, 169) + (moves ? QPoint(40, 25) : QPoint()));
  QCOMPARE(activeMidway, !moves);
  QVERIFY(WindowActive);
}

void ToolWindowTest::theBorderIsARaisedEdge() {
  DriverHarness h;
  const QImage image = h.form->grab().toImage();
  const QPalette& p = h.form->palette();
  QCOMPARE(image.pixel(0, 0), p.color(QPalette::Light).rgb());
  QCOMPARE(image.pixel(291, 287), p.color(QPalette::Shadow).rgb());
  QCOMPARE(image.pixel(1, 1), p.color(QPalette::Midlight).rgb());
  QCOMPARE(image.pixel(290, 286), p.color(QPalette::Dark).rgb());
  QCOMPARE(image.pixel(146, 2), p.color(QPalette::Button).rgb());
}

void ToolWindowTest::theModeCaptionIsShownWhole() {
  DriverHarness h;
  const auto* label = child<QLabel>(h, "Label1");
  QCOMPARE(label->pos(), QPoint(30, 12));
  QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
  QVERIFY(label->height() >= label->fontMetrics().height());
}

void ToolWindowTest::theSwitchKeepsItsPositionBetweenOpenings() {
  DriverHarness h;
  auto* solve = child<THotSpeedButton>(h, "AFSweetchR");
  auto* test = child<THotSpeedButton>(h, "AFSweetchT");
  QVERIFY(solve->isChecked());
  h.form->toggleShown();
  test->click();
  QVERIFY(!solve->isChecked());
  h.form->toggleShown();
  h.form->toggleShown();
  QVERIFY(test->isChecked());
  QVERIFY(!solve->isChecked());
}

void ToolWindowTest::theSwitchCaptionsTurnBlueUnderTheMouse_data() {
  QTest::addColumn<QString>("name");
  QTest::newRow("Решение") << "AFSweetchR";
  QTest::newRow("Тест") << "AFSweetchT";
}

void ToolWindowTest::theSwitchCaptionsTurnBlueUnderTheMouse() {
  QFETCH(QString, name);
  DriverHarness h;
  h.form->show();
  auto* button = child<THotSpeedButton>(h, qPrintable(name));
  QCOMPARE(button->GroupIndex(), 1);
  const bool bold = button->font().bold();
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), button->mapToGlobal(QPointF(2, 2)));
  QApplication::sendEvent(button, &enter);
  QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(Qt::blue));
  QCOMPARE(button->font().bold(), bold);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(button, &leave);
  QCOMPARE(button->palette().color(QPalette::ButtonText),
           QApplication::palette().color(QPalette::WindowText));
}

}  // namespace jcw

QTEST_MAIN(jcw::ToolWindowTest)
#include "ToolWindowTest.moc"
