#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPalette>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QtTest>
#include <cstring>
#include <map>
#include <random>
#include <set>

#include "field/FieldView.h"
#include "field/ViewState.h"
#include "field/qt/CellFont.h"
#include "field/qt/FieldColors.h"
#include "field/qt/TGrid.h"
#include "model/Dimensions.h"
#include "settings/Options.h"
#include "support/Fixtures.h"
#include "support/ProcessReset.h"
#include "support/ScriptedPlatform.h"

namespace jcw {
namespace {

constexpr int kCell = 20;

// 7 x 6 picture under 2 header rows, beside 2 header columns: picture x = 3..9, y = 3..8.
test::CrosswordSpec sevenBySix(std::vector<std::string> picture = {}) {
  return {{{1}, {2}, {1, 1}, {3}, {1}, {2, 1}},
          {{1}, {2}, {3}, {1}, {1, 1}, {2}, {1}},
          std::move(picture)};
}

// Solution: "##" over "#.".
test::CrosswordSpec twoByTwo() { return {{{2}, {1}}, {{2}, {1}}, {}}; }

QColor buttonFace() { return QColor(QGuiApplication::palette().color(QPalette::Button).rgb()); }
QColor paletteColor(QPalette::ColorRole role) {
  return QColor(QGuiApplication::palette().color(role).rgb());
}

// Pixels where two images of one size differ.
std::vector<QPoint> differences(const QImage& a, const QImage& b) {
  std::vector<QPoint> found;
  for (int y = 0; y < a.height(); ++y) {
    if (std::memcmp(a.constScanLine(y), b.constScanLine(y), a.bytesPerLine()) == 0) continue;
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) found.push_back({x, y});
  }
  return found;
}

// True iff pixel p lies between the frame lines of the cell whose box is `b`.
bool insideFrame(const Rect& b, QPoint p) {
  return p.x() > b.left && p.x() < b.right - 1 && p.y() > b.top && p.y() < b.bottom - 1;
}

// A field on the offscreen screen, its model from `spec`, as large as the field at `cellSize`.
struct Field {
  explicit Field(const test::CrosswordSpec& spec, int cellSize = kCell) {
    grid.setModel(test::makeCrossword(spec));
    setCurrentDimensions(grid.model().dims());
    grid.setCellSize(cellSize);
    grid.resize(grid.fieldSize());
    grid.show();
  }

  Rect box(int x, int y) const { return cellBoxInView(grid.view(), x, y); }
  // Takes what the field shows now; `at` and the readers below read the last look.
  const QImage& look() {
    shown = grid.grab().toImage();
    return shown;
  }
  QColor at(int px, int py) const { return shown.pixelColor(px, py); }
  // Inside the frame and the sunken edge, below-left of any digit.
  QColor fillOf(int x, int y) const {
    const Rect b = box(x, y);
    return at(b.left + 2, b.bottom - 3);
  }
  QColor centreOf(int x, int y) const {
    const Rect b = box(x, y);
    return at((b.left + b.right) / 2, (b.top + b.bottom) / 2);
  }
  // Left frame line, halfway down: a pixel no digit reaches.
  QColor leftFrameOf(int x, int y) const {
    const Rect b = box(x, y);
    return at(b.left, (b.top + b.bottom) / 2);
  }
  // Offsets of the pixels inside the frame that differ from `fill`: the shape of what was drawn
  // over the fill.
  std::set<std::pair<int, int>> inkOf(int x, int y, const QColor& fill) const {
    std::set<std::pair<int, int>> ink;
    const Rect b = box(x, y);
    for (int px = b.left + 1; px < b.right - 1; ++px)
      for (int py = b.top + 1; py < b.bottom - 1; ++py)
        if (at(px, py) != fill) ink.insert({px - b.left, py - b.top});
    return ink;
  }
  bool hasPixelOf(int x, int y, const QColor& color) const {
    const Rect b = box(x, y);
    for (int px = b.left + 1; px < b.right - 1; ++px)
      for (int py = b.top + 1; py < b.bottom - 1; ++py)
        if (at(px, py) == color) return true;
    return false;
  }
  // The pointer comes to rest over cell (x, y), no button held.
  void hoverOver(int x, int y) {
    const Rect b = box(x, y);
    const QPoint centre((b.left + b.right) / 2, (b.top + b.bottom) / 2);
    QMouseEvent move(QEvent::MouseMove, centre, grid.mapToGlobal(centre), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&grid, &move);
  }
  // A paint message as the window system sends it after an invalidation, to a widget `margin`
  // larger than the field.
  void fullPaint(QSize margin = {}) {
    grid.resize(grid.fieldSize() + margin);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.invalidateField();
    grid.repaint();
  }

  test::ScopedScriptedPlatform platform;
  TGrid grid;
  QImage shown;
};

}  // namespace

class TGridPaintTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { resetProcessState(); }

  // A bar along an axis where the field is longer than the widget, less the other bar.
  void scrollBarsShowWhereTheFieldOverflowsTheWidget() {
    Field field(sevenBySix(), 80);
    const QSize size = field.grid.fieldSize();
    const Rect last = field.box(field.grid.model().W1() - 1, field.grid.model().H1() - 1);
    QCOMPARE(size, QSize(last.right, last.bottom));
    auto* across = field.grid.findChild<QScrollBar*>(QStringLiteral("FieldScrollX"));
    auto* down = field.grid.findChild<QScrollBar*>(QStringLiteral("FieldScrollY"));
    QVERIFY(across && down);
    QVERIFY(!across->isVisible() && !down->isVisible());
    QCOMPARE(field.grid.view().width, size.width());

    const int bar = field.grid.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    field.grid.resize(size.width() - 1, size.height() + bar);
    QVERIFY(across->isVisible() && !down->isVisible());
    QCOMPARE(field.grid.view().width, size.width() - 1);
    QCOMPARE(field.grid.view().height, size.height());
    QCOMPARE(across->maximum(), 1);

    field.grid.resize(size.width() - 1, size.height() + bar - 1);
    QVERIFY(across->isVisible() && down->isVisible());
  }

  // The clue rows above the picture stay as they are; the picture and the row clues beside it
  // move up by as much as the view scrolled, pixel for pixel.
  void aVerticalScrollMovesThePictureUnderTheColumnClues() {
    CurrentMode = kSolvingMode;
    HeaderColor = toRgb(buttonFace());
    std::vector<std::string> diagonal;
    for (int row = 0; row < 20; ++row) {
      std::string line(5, '.');
      line[static_cast<std::size_t>(row % 5)] = '#';
      diagonal.push_back(line);
    }
    Field field({test::Clues(20, {1}), test::Clues(5, {4}), diagonal});
    const int bar = field.grid.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    field.grid.resize(field.grid.fieldSize().width() + bar, 260);
    const QImage before = field.look();

    const QPoint middle(field.grid.view().width / 2, field.grid.view().height / 2);
    QWheelEvent wheel(middle, field.grid.mapToGlobal(middle), {}, {0, -120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&field.grid, &wheel);
    const FieldView& view = field.grid.view();
    const int by = view.scrollY;
    QCOMPARE(by, 3 * kCell);
    const QImage after = field.look();

    const int top = frozenHeight(view);
    QVERIFY(top > 0 && top + by < view.height);
    const auto sameRow = [&](int afterY, int beforeY) {
      for (int x = 0; x < view.width; ++x)
        if (after.pixel(x, afterY) != before.pixel(x, beforeY)) return false;
      return true;
    };
    for (int y = 0; y < top; ++y) QVERIFY2(sameRow(y, y), qPrintable(QString::number(y)));
    for (int y = top; y + by < view.height; ++y)
      QVERIFY2(sameRow(y, y + by), qPrintable(QString::number(y)));
    QVERIFY(!sameRow(top + kCell / 2, top + kCell / 2));
  }

  void aCellIsFilledByItsStateAndMode_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("clue");
    QTest::addColumn<int>("state");
    QTest::addColumn<QColor>("fill");
    const QColor yellow(255, 255, 0);
    QTest::newRow("an undecided cell in the button face") << 0 << false << 0 << buttonFace();
    QTest::newRow("a filled cell in black") << 1 << false << 1 << QColor(0, 0, 0);
    QTest::newRow("an empty cell in white") << 1 << false << 2 << QColor(255, 255, 255);
    QTest::newRow("editor: a plain clue in yellow") << 0 << true << 0 << yellow;
    QTest::newRow("editor: the cursor cell in the window colour")
        << 0 << true << 1 << paletteColor(QPalette::Base);
    QTest::newRow("solving: a plain clue in the button face") << 1 << true << 0 << buttonFace();
    QTest::newRow("solving: a highlighted clue in yellow") << 1 << true << 3 << yellow;
    QTest::newRow("an unknown state fills as a plain clue") << 1 << true << 2 << buttonFace();
  }
  void aCellIsFilledByItsStateAndMode() {
    QFETCH(int, mode);
    QFETCH(bool, clue);
    QFETCH(int, state);
    QFETCH(QColor, fill);
    CurrentMode = static_cast<std::uint8_t>(mode);
    HeaderColor = mode == kEditorMode ? kEditorHeaderColor : toRgb(buttonFace());
    Field field(sevenBySix());
    // Clue cells above and left of the picture, both without a number; a picture cell.
    const auto cells = clue ? std::vector<CellPos>{{4, 1}, {1, 4}} : std::vector<CellPos>{{4, 3}};
    for (CellPos cell : cells) {
      field.grid.model().cell(cell.x, cell.y).State = static_cast<std::uint8_t>(state);
      field.grid.PaintCell(cell.x, cell.y);
      field.look();
      QCOMPARE(field.centreOf(cell.x, cell.y), fill);
      const QColor frame = clue ? QColor(0, 0, 0) : QColor(96, 96, 96);
      if (state != csSelected) QCOMPARE(field.leftFrameOf(cell.x, cell.y), frame);
    }
  }

  void editorCursorCellHasASunkenEdge() {
    Field field(sevenBySix());
    field.grid.model().EditCursor = {4, 1};
    field.grid.SelectClueCell(4, 1);
    field.look();
    const Rect b = field.box(4, 1);
    QCOMPARE(field.at(b.left, b.top + 5), paletteColor(QPalette::Dark));
    QCOMPARE(field.at(b.left + 5, b.top), paletteColor(QPalette::Dark));
    QCOMPARE(field.at(b.left + 1, b.top + 5), paletteColor(QPalette::Shadow));
    QCOMPARE(field.at(b.right - 1, b.top + 5), paletteColor(QPalette::Light));
    QCOMPARE(field.at(b.left + 5, b.bottom - 1), paletteColor(QPalette::Light));
  }

  void clueDigitsAreDrawnInWindowTextCentredOnTheCell() {
    QPalette palette = QGuiApplication::palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 200));
    QGuiApplication::setPalette(palette);
    Field field(sevenBySix());
    // Not a literal assignment: GCC 12 inlines that into a false -Wrestrict warning here.
    field.grid.model().cell(5, 2).Text = std::string(1, '3');  // fits: not red
    field.grid.PaintCell(5, 2);
    field.look();
    QGuiApplication::setPalette(QPalette());
    const auto ink = field.inkOf(5, 2, toQColor(HeaderColor));
    QVERIFY(!ink.empty());
    int sum = 0;
    for (auto [dx, dy] : ink) {
      QCOMPARE(field.at(field.box(5, 2).left + dx, field.box(5, 2).top + dy), QColor(0, 0, 200));
      sum += dx;
    }
    const int middle = sum / static_cast<int>(ink.size());
    QVERIFY2(std::abs(middle - kCell / 2) <= 1, qPrintable(QString::number(middle)));
  }

  // Across a filled row: one grey line between cells, two after the fifth column, and the
  // clues' black frame beside the picture's first grey one.
  void filledCellsShowSingleLinesAndADoubledOneEveryFive() {
    CurrentMode = kSolvingMode;
    Field field(sevenBySix({"#######"}));
    field.look();
    const Rect first = field.box(3, 3);
    const int y = (first.top + first.bottom) / 2;
    std::vector<int> lines;
    for (int x = first.left; x < field.grid.fieldSize().width(); ++x) {
      const QColor colour = field.at(x, y);
      if (colour == QColor(0, 0, 0)) continue;
      QCOMPARE(colour, QColor(96, 96, 96));
      if (lines.empty() || field.at(x - 1, y) == QColor(0, 0, 0)) lines.push_back(0);
      ++lines.back();
    }
    QCOMPARE(lines, (std::vector<int>{1, 1, 1, 1, 1, 2, 1, 1}));
    QCOMPARE(field.at(first.left - 1, y), QColor(0, 0, 0));
    QCOMPARE(field.at(first.left - 2, y), toQColor(HeaderColor));
  }

  void viewModeShowsThePictureAloneWithoutFrames() {
    Field field(sevenBySix({"#.#.#.#"}));
    CurrentMode = kViewMode;
    field.fullPaint();
    field.look();
    QCOMPARE(field.leftFrameOf(3, 3), QColor(0, 0, 0));
    QCOMPARE(field.leftFrameOf(4, 3), QColor(255, 255, 255));
    QCOMPARE(field.centreOf(3, 3), QColor(0, 0, 0));
    for (CellPos clue : {CellPos{3, 2}, CellPos{1, 3}}) {  // both hold a number
      QCOMPARE(field.inkOf(clue.x, clue.y, buttonFace()).size(), std::size_t{0});
      QCOMPARE(field.leftFrameOf(clue.x, clue.y), buttonFace());
    }
  }

  void indicatorsShowLineStatusUntilCleared_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("indErr");
    QTest::addColumn<QColor>("firstRow");
    QTest::addColumn<QColor>("firstColumn");
    const QColor green(0, 128, 0), red(255, 0, 0);
    QTest::newRow("a right row turns green, an open column stays neutral")
        << QStringList{"##", "??"} << true << green << buttonFace();
    QTest::newRow("a wrong row turns red") << QStringList{"#.", "??"} << true << red
                                           << buttonFace();
    QTest::newRow("a solved picture is green everywhere")
        << QStringList{"##", "#."} << true << green << green;
    QTest::newRow("a wrong column turns red") << QStringList{"##", ".."} << true << green << red;
    QTest::newRow("with IndErr off nothing changes")
        << QStringList{"##", "#."} << false << buttonFace() << buttonFace();
  }
  void indicatorsShowLineStatusUntilCleared() {
    QFETCH(QStringList, rows);
    QFETCH(bool, indErr);
    QFETCH(QColor, firstRow);
    QFETCH(QColor, firstColumn);
    CurrentMode = kSolvingMode;
    IndErr = indErr;
    Field field(twoByTwo());
    field.grid.ClearIndicators();
    std::vector<std::string> picture;
    for (const QString& row : rows) picture.push_back(row.toStdString());
    QVERIFY(setPictureRows(field.grid.model(), picture));
    // Cells (2, 2) .. (3, 3); every cell's lines re-evaluated and shown, as marking does.
    for (int x = 2; x <= 3; ++x) {
      for (int y = 2; y <= 3; ++y) {
        field.grid.UpdateLineStatus(x, y);
        field.grid.PaintIndicators(x, y);
      }
    }
    field.look();
    QCOMPARE(field.centreOf(0, 2), firstRow);
    QCOMPARE(field.centreOf(2, 0), firstColumn);
    IndErr = false;  // the option turned off: neutral whatever the lines say
    field.grid.ClearIndicators();
    field.look();
    for (CellPos indicator : {CellPos{2, 0}, CellPos{3, 0}, CellPos{0, 2}, CellPos{0, 3}})
      QCOMPARE(field.centreOf(indicator.x, indicator.y), buttonFace());
  }

  void digitalCrossShowsRunLengthsUntilWiped() {
    CurrentMode = kSolvingMode;
    HeaderColor = toRgb(buttonFace());
    DigCr = false;  // hovering alone draws no cross
    // Column x = 3 reads 2, 2, 1, 1, 1, 0 down to the hovered cell (3, 8); row 8 reads
    // 0, 1, 1, 2, 2, 1, 2 from it.
    Field field(sevenBySix({".??????", ".??????", "#??????", "#??????", "#??????", "?##..#."}));
    const QImage bare = field.look();
    field.grid.PaintDigitalCross();  // the hover cell is still the corner cell: nothing to draw
    QCOMPARE(field.look(), bare);
    QVERIFY(!field.grid.CrossShown());
    field.hoverOver(3, 8);
    QCOMPARE(field.grid.hoverCell(), (CellPos{3, 8}));
    const QImage before = field.look();
    field.grid.PaintDigitalCross();
    QVERIFY(field.grid.CrossShown());
    field.look();

    const QColor black(0, 0, 0), white(255, 255, 255), red(255, 0, 0);
    std::vector<CellPos> cross;
    for (int y = 3; y <= 7; ++y) cross.push_back({3, y});
    for (int x = 4; x <= 9; ++x) cross.push_back({x, 8});
    for (CellPos c : cross) {
      const bool filled = field.grid.model().cell(c.x, c.y).State == csFilled;
      QVERIFY2(field.hasPixelOf(c.x, c.y, filled ? white : red),
               qPrintable(QStringLiteral("digit colour at %1,%2").arg(c.x).arg(c.y)));
    }
    const auto ink = [&](int x, int y) {
      const std::uint8_t state = field.grid.model().cell(x, y).State;
      return field.inkOf(x, y, state == csFilled ? black : state == csEmpty ? white : buttonFace());
    };
    const auto one = ink(3, 3);
    const auto two = ink(3, 4);
    QCOMPARE(ink(3, 5), one);  // a new run of filled cells starts at 1
    QCOMPARE(ink(3, 6), two);
    const auto three = ink(3, 7);
    QVERIFY(one != two && two != three && one != three);
    QCOMPARE(ink(4, 8), one);
    QCOMPARE(ink(5, 8), two);
    QCOMPARE(ink(6, 8), one);
    QCOMPARE(ink(7, 8), two);
    QCOMPARE(ink(8, 8), one);
    QCOMPARE(ink(9, 8), one);
    QVERIFY(field.inkOf(3, 8, buttonFace()).empty());  // the hovered cell shows nothing
    QVERIFY(field.inkOf(4, 7, buttonFace()).empty());  // nor does any cell off the cross

    field.grid.wipeDigitalCross();
    QCOMPARE(field.look(), before);
  }

  void twoDigitRunsStayInsideTheirCellsAndVanishWithThem_data() {
    QTest::addColumn<int>("cellSize");
    for (int size : {9, 14, 20, 27, 42}) QTest::addRow("%d pixels", size) << size;
  }
  void twoDigitRunsStayInsideTheirCellsAndVanishWithThem() {
    QFETCH(int, cellSize);
    CurrentMode = kSolvingMode;
    HeaderColor = toRgb(buttonFace());
    DigCr = false;
    // Column 2 of three is undecided down to its twelfth cell, so runs 10 and 11 have two digits.
    Field field({test::Clues(12), {{}, {}, {}}, {}}, cellSize);
    const int x = field.grid.model().firstPictureX() + 1;
    field.hoverOver(x, field.grid.model().H1() - 1);
    const QImage before = field.look();
    field.grid.PaintDigitalCross();
    QVERIFY(field.look() != before);
    field.grid.wipeDigitalCross();
    QCOMPARE(field.look(), before);
  }

  // Clues 1 .. 99 above a 99 x 2 picture and 100 and 199 beside it, each drawn alone; then,
  // while solving, the digital cross's runs 1 .. 98 along the top row. Nothing of a number may
  // reach past its cell's frame, and every number must be told from every other.
  void everyNumberIsDistinctAndInsideItsCell_data() {
    QTest::addColumn<int>("cellSize");
    for (int size : {7, 8, 9, 11, 14, 20, 30}) QTest::addRow("%d pixels", size) << size;
  }
  void everyNumberIsDistinctAndInsideItsCell() {
    QFETCH(int, cellSize);
    test::Clues columns;
    for (int n = 1; n <= 99; ++n) columns.push_back({n});
    Field field({{{100}, {199}}, columns, {}}, cellSize);
    Crossword& model = field.grid.model();
    std::vector<std::pair<CellPos, std::string>> numbers;
    for (int x = 1; x < model.W1(); ++x) {
      for (int y = 1; y < model.H1(); ++y) {
        if (model.cell(x, y).Text.empty()) continue;
        numbers.push_back({{x, y}, model.cell(x, y).Text});
        model.cell(x, y).Text.clear();
      }
    }
    const QImage bare = field.look();
    std::map<std::string, std::set<std::pair<int, int>>> shapeOf;
    for (const auto& [cell, text] : numbers) {
      model.cell(cell.x, cell.y).Text = text;
      field.grid.PaintCell(cell.x, cell.y);
      for (QPoint p : differences(bare, field.look()))
        QVERIFY2(insideFrame(field.box(cell.x, cell.y), p), qPrintable(QString::fromStdString(text)));
      shapeOf[text] = field.inkOf(cell.x, cell.y, toQColor(HeaderColor));
      model.cell(cell.x, cell.y).Text.clear();
    }
    std::set<std::set<std::pair<int, int>>> shapes;
    for (const auto& [text, shape] : shapeOf) shapes.insert(shape);
    QCOMPARE(shapes.size(), numbers.size());
    QVERIFY(!shapes.count({}));

    // The cross draws in the same way: each cell shows its run's shape and nothing more.
    CurrentMode = kSolvingMode;
    HeaderColor = toRgb(buttonFace());
    DigCr = false;
    const int top = model.firstPictureY();
    field.hoverOver(model.W1() - 1, top);
    const QImage solving = field.look();
    field.grid.PaintDigitalCross();
    for (QPoint p : differences(solving, field.look())) {
      const CellPos at = field.grid.CellAtPoint(p.x(), p.y());
      QVERIFY(model.isPicture(at.x, at.y) && insideFrame(field.box(at.x, at.y), p));
    }
    for (int x = model.firstPictureX(); x < model.W1() - 1; ++x) {
      const std::string run = std::to_string(x - model.firstPictureX() + 1);
      QVERIFY2(field.inkOf(x, top, buttonFace()) == shapeOf.at(run), run.c_str());
    }
  }

  void highlightPaintsTheLinesCluesYellowAndLeavesTheirStates() {
    CurrentMode = kSolvingMode;
    HeaderColor = toRgb(buttonFace());
    Field field(sevenBySix());
    field.grid.highlightLines(5, 6);
    field.look();
    const QColor yellow(255, 255, 0);
    for (CellPos clue : {CellPos{5, 1}, CellPos{5, 2}, CellPos{1, 6}, CellPos{2, 6}}) {
      QCOMPARE(field.fillOf(clue.x, clue.y), yellow);
      QCOMPARE(field.grid.model().cell(clue.x, clue.y).State, std::uint8_t{csBlank});
    }
    QCOMPARE(field.fillOf(4, 1), buttonFace());
    QCOMPARE(field.fillOf(1, 5), buttonFace());
    field.grid.removeHighlight();
    field.look();
    for (CellPos clue : {CellPos{5, 1}, CellPos{5, 2}, CellPos{1, 6}, CellPos{2, 6}})
      QCOMPARE(field.fillOf(clue.x, clue.y), buttonFace());
  }

  // The drawn aids: a dot in cells marked empty, a tint over the pointer's row and column, and
  // crossed-off clue numbers in grey with a strike; each only while it is on.
  void theAidsShowOnlyWhileTheyAreOn() {
    CurrentMode = kSolvingMode;
    HeaderColor = toRgb(buttonFace());
    Field field(sevenBySix({"???????", "?.?????"}));
    const QColor white(255, 255, 255);
    field.look();
    QCOMPARE(field.centreOf(4, 4), white);
    field.grid.setAids({.emptyDots = true, .quietCrosshair = true});
    field.look();
    QCOMPARE(field.centreOf(4, 4), emptyDotColor());
    QCOMPARE(field.fillOf(4, 4), white);

    field.hoverOver(6, 5);
    field.look();
    QCOMPARE(field.fillOf(9, 5), crosshairTint(buttonFace()));
    QCOMPARE(field.fillOf(6, 8), crosshairTint(buttonFace()));
    QCOMPARE(field.fillOf(7, 6), buttonFace());

    QVERIFY(!field.hasPixelOf(2, 5, crossedOffClueColor()));
    field.grid.setCrossedOffClues({{2, 5}, {5, 5}});  // a clue cell and a picture cell
    field.look();
    QVERIFY(field.hasPixelOf(2, 5, crossedOffClueColor()));
    QVERIFY(!field.hasPixelOf(2, 5, paletteColor(QPalette::WindowText)));
    QVERIFY(!field.grid.isCrossedOff(5, 5));
    field.grid.setCrossedOffClues({});
    field.grid.setAids({});
    field.look();
    QVERIFY(!field.hasPixelOf(2, 5, crossedOffClueColor()));
    QCOMPARE(field.centreOf(4, 4), white);
    QCOMPARE(field.fillOf(9, 5), buttonFace());
  }

  void fullPaintDrawsCellsOnlyWhenActiveOrPaintOnAndNothingBeyondThem_data() {
    QTest::addColumn<bool>("paintOn");
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("active with PaintOn") << true << true << true;
    QTest::newRow("inactive with PaintOn") << true << false << true;
    QTest::newRow("active without PaintOn") << false << true << true;
    QTest::newRow("inactive without PaintOn leaves the cells undrawn") << false << false << false;
  }
  void fullPaintDrawsCellsOnlyWhenActiveOrPaintOnAndNothingBeyondThem() {
    QFETCH(bool, paintOn);
    QFETCH(bool, active);
    QFETCH(bool, drawn);
    Field field(sevenBySix({"#"}));
    PaintOn = paintOn;
    WindowActive = active;
    field.fullPaint(QSize(30, 20));
    field.look();
    QCOMPARE(field.fillOf(3, 3), drawn ? QColor(0, 0, 0) : buttonFace());
    QCOMPARE(field.fillOf(3, 1), drawn ? QColor(255, 255, 0) : buttonFace());
    const QSize inside = field.grid.fieldSize();
    for (int x = 0; x < field.grid.width(); ++x)
      for (int y = 0; y < field.grid.height(); ++y)
        if (x >= inside.width() || y >= inside.height()) QCOMPARE(field.at(x, y), buttonFace());
  }

  void everyCellOfAHundredByHundredPuzzleIsPaintedInItsColour() {
    CurrentMode = kSolvingMode;
    HeaderColor = toRgb(buttonFace());
    Crossword crossword = test::randomCrossword(100, 100, 3);
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    for (int x = crossword.firstPictureX(); x < crossword.W1(); ++x)
      for (int y = crossword.firstPictureY(); y < crossword.H1(); ++y)
        crossword.cell(x, y).State = static_cast<std::uint8_t>(random() % 3);
    test::ScopedScriptedPlatform platform;
    TGrid grid;
    grid.setModel(std::move(crossword));
    grid.setCellSize(7);
    grid.resize(grid.fieldSize());
    const QImage image = grid.grab().toImage();

    const Crossword& model = grid.model();
    const QColor fills[] = {buttonFace(), QColor(0, 0, 0), QColor(255, 255, 255)};
    for (int x = model.firstPictureX(); x < model.W1(); ++x) {
      for (int y = model.firstPictureY(); y < model.H1(); ++y) {
        const QRect b = grid.cellRect(x, y);
        QVERIFY2(image.pixelColor(b.left() + 3, b.top() + 3) == fills[model.cell(x, y).State],
                 qPrintable(QStringLiteral("cell %1,%2 seed %3").arg(x).arg(y).arg(seed)));
      }
    }
    const QSize size = grid.fieldSize();
    QCOMPARE(image.size(), size);
    QCOMPARE(image.pixelColor(size.width() - 1, size.height() - 1), QColor(96, 96, 96));
    QCOMPARE(image.pixelColor(size.width() - 4, size.height() - 4),
             fills[model.cell(model.W1() - 1, model.H1() - 1).State]);
  }

  // After a full paint that left the field blank, what shows is exactly what was repainted.
  void aRepaintedCellShowsOnABlankFieldAndCellsOfNoKindShowNothing() {
    Field field(sevenBySix({"#"}));
    PaintOn = false;
    WindowActive = false;
    field.grid.invalidateField();
    const QImage blank = field.look();
    QImage plain(blank.size(), blank.format());
    plain.fill(buttonFace());
    QVERIFY(differences(blank, plain).empty());
    // The corner block, an idle edge cell, an indicator cell, and outside the table.
    for (CellPos p : {CellPos{1, 1}, CellPos{0, 1}, CellPos{4, 0}, CellPos{-1, 4}, CellPos{40, 40}})
      field.grid.PaintCell(p.x, p.y);
    QCOMPARE(field.look(), blank);
    field.grid.PaintCell(3, 3);
    const std::vector<QPoint> drawn = differences(blank, field.look());
    QVERIFY(!drawn.empty());
    for (QPoint p : drawn) QVERIFY(field.box(3, 3).contains(p.x(), p.y()));
    QCOMPARE(field.fillOf(3, 3), QColor(0, 0, 0));
  }

  void aFieldWithoutATablePaintsNothing() {
    test::ScopedScriptedPlatform platform;
    TGrid grid;
    grid.resize(100, 100);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const QImage before = grid.grab().toImage();
    QCOMPARE(before.size(), QSize(100, 100));
    grid.PaintCell(0, 0);
    grid.PaintField();
    grid.PaintIndicators(0, 0);
    grid.ClearIndicators();
    grid.PaintDigitalCross();
    grid.highlightLines(0, 0);
    grid.removeHighlight();
    QCOMPARE(grid.grab().toImage(), before);
    QCOMPARE(grid.CellAtPoint(5, 5), (CellPos{0, 0}));
    QCOMPARE(grid.fieldSize(), QSize());
  }

  void cellSizeBelowOneIsPaintedAsOne() {
    CurrentMode = kSolvingMode;
    const auto paintedAt = [](int cellSize) {
      Field field(sevenBySix({"#"}), cellSize);
      field.hoverOver(3, 3);
      field.grid.PaintDigitalCross();
      return field.look();
    };
    const QImage atOne = paintedAt(1);
    QCOMPARE(paintedAt(0), atOne);
    QCOMPARE(paintedAt(-3), atOne);
  }

  void cellFontIsAsHighAsACell_data() {
    QTest::addColumn<int>("size");
    for (int size : {8, 11, 16, 20, 27, 40, 64}) QTest::addRow("%d pixels", size) << size;
  }
  void cellFontIsAsHighAsACell() {
    QFETCH(int, size);
    const int height = QFontMetrics(cellFont(size)).height();
    QVERIFY2(height <= size && height >= size - 2, qPrintable(QString::number(height)));
  }
};

}  // namespace jcw

QTEST_MAIN(jcw::TGridPaintTest)
#include "TGridPaintTest.moc"
