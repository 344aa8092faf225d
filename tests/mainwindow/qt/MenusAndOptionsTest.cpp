// The main window's two menus: what they show when they open, where they open, and the option
// items of both copies; the pictures of the tool buttons and direction items.

#include <QPushButton>

#include "mainwindow/qt/MainWindowFixture.h"
#include "mainwindow/qt/ToolPictures.h"

namespace jcw::test {

struct Options {
  bool indErr, digCr;
  int nextDirect, go2Dig;
  bool maximize, paintOn, showTools;
  bool operator==(const Options&) const = default;
};

Options currentOptions() {
  return {IndErr, DigCr, NextDirect, Go2Dig, Maximize, PaintOn, ShowToolPanel};
}

class MenusAndOptionsTest : public MainWindowFixture {
  Q_OBJECT

 private slots:
  void optionItemsSetTheirOption() {
    struct Case {
      const char* item;
      Options after;  // from the defaults, with the menus' marks refreshed first
    };
    const Options d = currentOptions();
    const Case cases[] = {
        {"NInd", {false, d.digCr, 0, 2, true, true, true}},
        {"NInd1", {false, d.digCr, 0, 2, true, true, true}},
        {"NDiditCrest", {true, false, 0, 2, true, true, true}},
        {"NDigitCrest1", {true, false, 0, 2, true, true, true}},
        {"SNPar", {true, true, 2, 2, true, true, true}},
        {"MenuItem23", {true, true, 3, 2, true, true, true}},
        {"NAuto1D", {true, true, 0, 1, true, true, true}},
        {"NAutoNo1", {true, true, 0, 0, true, true, true}},
        {"NMax1", {true, true, 0, 2, false, true, true}},
        {"NPaint", {true, true, 0, 2, true, false, true}},
        {"NTools", {true, true, 0, 2, true, true, false}},
    };
    for (const Case& c : cases) {
      resetOptions();
      TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
      form.MainBtnMouseDown();
      button("SBOptions")->click();
      item(c.item)->trigger();
      QVERIFY2(currentOptions() == c.after, c.item);
    }
  }

  void thePaintItemsNameWhatTheyWillDo() {
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    item("NPaint1")->trigger();
    QCOMPARE(itemCaption(item("NPaint")), QStringLiteral("Включить перерисовку"));
    QCOMPARE(itemCaption(item("NPaint1")), QStringLiteral("Включить перерисовку"));
    item("NPaint")->trigger();
    QVERIFY(PaintOn);
    form.MainBtnMouseDown();
    QCOMPARE(itemCaption(item("NPaint")), QStringLiteral("Отключить перерисовку"));
  }

  void openingAMenuShowsTheOptionsAndTheCommandsState() {
    TForm1& form = open(test::makeCrossword(smallSolvable()), kSolvingMode);
    IndErr = false;
    NextDirect = 2;
    Go2Dig = 0;
    Maximize = false;
    form.MainBtnMouseDown();
    QVERIFY(child<QMenu>("DownMenu")->isVisible());
    QVERIFY(!item("NInd")->isChecked());
    QVERIFY(item("NDiditCrest")->isChecked());
    QVERIFY(item("SNPar")->isChecked());
    QVERIFY(!item("SNRight")->isChecked());
    QVERIFY(item("NAutoNo")->isChecked());
    QVERIFY(!item("NMax")->isChecked());
    QVERIFY(item("NTools")->isChecked());
    QVERIFY(!item("NUndo")->isEnabled());
    QVERIFY(!item("NSave0")->isEnabled());

    model().history.record({4, 3, csBlank, csFilled});
    button("SBOptions")->click();
    QVERIFY(child<QMenu>("MenuSB")->isVisible());
    QVERIFY(item("SNPar1")->isChecked());
    QVERIFY(!item("NInd1")->isChecked());
    form.MainBtnMouseDown();
    QVERIFY(item("NUndo")->isEnabled());
    QVERIFY(item("NSave0")->isEnabled());
    form.SetMode(kEditorMode);
    form.MainBtnMouseDown();
    QVERIFY(!item("NUndo")->isEnabled());
  }

  void anyMouseButtonOpensTheMainMenuUnderItsButtonAndTheOptionsOpenBesideThePanel() {
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    auto* mainBtn = child<QPushButton>("MainBtn");
    // Near the top: the whole menu fits below its button on the 800-pixel offscreen screen.
    form.move(40, 0);
    QTest::mousePress(mainBtn, Qt::RightButton);
    QVERIFY(child<QMenu>("DownMenu")->isVisible());
    QCOMPARE(child<QMenu>("DownMenu")->pos(),
             mainBtn->mapToGlobal(QPoint(0, mainBtn->height())));
    QToolButton* options = button("SBOptions");
    options->click();
    QCOMPARE(child<QMenu>("MenuSB")->pos(),
             options->mapToGlobal(QPoint(FieldLeft, FieldTop)));
  }

  void theMainMenuStaysOnTheScreenWhenTheWindowIsOffItsLeftEdge() {
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    form.move(-400, 30);
    QVERIFY(child<QPushButton>("MainBtn")->mapToGlobal(QPoint(0, 0)).x() < 0);
    form.MainBtnMouseDown();
    QCOMPARE(child<QMenu>("DownMenu")->pos().x(), 0);
  }

  void thePicturesAreDistinctAndOfTheirSizes() {
    std::vector<QImage> pictures;
    for (int i = 0; i < kToolPictureCount; ++i) pictures.push_back(toolPicture(i).toImage());
    for (int i = 0; i < kDirectionPictureCount; ++i)
      pictures.push_back(directionPicture(i).toImage());
    for (std::size_t i = 0; i < pictures.size(); ++i) {
      const QSize size = i < kToolPictureCount ? QSize(36, 30) : QSize(16, 16);
      QCOMPARE(pictures[i].size(), size);
      for (std::size_t j = 0; j < i; ++j)
        QVERIFY2(pictures[i] != pictures[j], qPrintable(QStringLiteral("%1 = %2").arg(i).arg(j)));
    }
  }
};

}  // namespace jcw::test

QTEST_MAIN(jcw::test::MenusAndOptionsTest)
#include "MenusAndOptionsTest.moc"
