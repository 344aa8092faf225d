// The field's input through the real main window: clues typed, Start, a solution clicked in.

#include <QTest>
#include <memory>

#include "field/qt/FieldTests.h"
#include "field/ViewState.h"
#include "mainwindow/qt/TForm1.h"
#include "settings/Options.h"
#include "support/ProcessReset.h"
#include "support/ScriptedPlatform.h"

namespace jcw::test {

class FieldInWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { resetProcessState(); }

  // Two by two with one header row and column; the picture is "#." over "##".
  void aCrosswordIsTypedStartedAndSolvedWithKeysAndClicks() {
    ScopedScriptedPlatform platform;
    platform->area = QRect(0, 0, 800, 600);
    Crossword empty;
    empty.allocate({2, 2, 1, 1});
    setCurrentDimensions(empty.dims());
    TForm1 form;
    form.field()->setModel(std::move(empty));
    OpenMode = kEditorMode;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    TGrid& field = *form.field();
    Crossword& model = field.model();

    Go2Dig = 1;  // reading order: column clues (2, 1), (3, 1), then row clues (1, 2), (1, 3)
    for (Qt::Key digit : {Qt::Key_2, Qt::Key_1, Qt::Key_1, Qt::Key_2})
      QTest::keyClick(&field, digit);
    QCOMPARE(model.columnClues(2), std::vector<int>{2});
    QCOMPARE(model.columnClues(3), std::vector<int>{1});
    QCOMPARE(model.rowClues(2), std::vector<int>{1});
    QCOMPARE(model.rowClues(3), std::vector<int>{2});
    QCOMPARE(model.EditCursor, (CellPos{2, 1}));  // wrapped round

    QTest::keyClick(&field, Qt::Key_F9);
    QCOMPARE(CurrentMode, kSolvingMode);

    const auto click = [&](int x, int y, Qt::MouseButton button) {
      QTest::mouseClick(&field, button, {}, field.cellRect(x, y).topLeft() + QPoint(3, 3));
    };
    click(2, 2, Qt::LeftButton);
    click(3, 2, Qt::LeftButton);  // a mistake, taken back
    QTest::keyClick(&field, Qt::Key_Backspace, Qt::AltModifier);
    QCOMPARE(model.cell(3, 2).State, csBlank);
    QCOMPARE(platform->pointerMoves.size(), 1u);
    click(3, 2, Qt::RightButton);
    click(2, 3, Qt::LeftButton);
    QCOMPARE(CurrentMode, kSolvingMode);
    click(3, 3, Qt::LeftButton);
    QCOMPARE(CurrentMode, kViewMode);
    QCOMPARE(model.MarkedCount, 4);
    QCOMPARE(platform->beeps, 0);
    model.markSaved();  // nothing to ask about when the window goes
  }
};

int runFieldInWindowTests(int argc, char** argv) {
  FieldInWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace jcw::test

#include "FieldInWindowTest.moc"
