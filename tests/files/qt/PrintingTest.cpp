// The printed pages, painted on images and written as PDF: no printer is needed.

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTest>

#include "field/Geometry.h"
#include "files/qt/Printing.h"
#include "support/Fixtures.h"

namespace jcw {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr PaperSize kA4{190, 277};

bool isDark(QRgb pixel) { return qGray(pixel) < 128; }

// The pixels of cell (x, y) of `page` in an image painted at `dpi`.
QRect dotsOf(const PrintLayout& layout, const PrintPage& page, const Dimensions& d, int x, int y,
             double dpi) {
  const Rect box = cellBox(d, kPrintCellSize, x, y);
  const double dotsPerMm = dpi / kMmPerInch;
  const auto dot = [&](int unitsX, int unitsY) {
    return QPoint(int(page.xMm(unitsX, layout.mmPerUnit).value() * dotsPerMm),
                  int(page.yMm(unitsY, layout.mmPerUnit).value() * dotsPerMm));
  };
  return QRect(dot(box.left, box.top), dot(box.right, box.bottom) - QPoint(1, 1));
}

// Dark pixels inside `rect`, a border of `inset` pixels (the cell's frame) left out.
int darkPixelsIn(const QImage& image, const QRect& rect, int inset) {
  int dark = 0;
  const QRect inside = rect.adjusted(inset, inset, -inset, -inset);
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) dark += isDark(image.pixel(x, y));
  return dark;
}

QImage paintedPage(const CrosswordPrint& print, const PrintLayout& layout, const PrintPage& page,
                   double dpi, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  print.paintPage(painter, layout, page, dpi / kMmPerInch);
  return image;
}

// The pages of a PDF as Qt writes them: one page object each.
int pdfPageCount(const QByteArray& pdf) { return int(pdf.count("/Type /Page\n")); }

}  // namespace

class PrintingTest : public QObject {
  Q_OBJECT

 private slots:
  void marksArePrintedOnlyWhenChosenAndCluesAlways() {
    // One row: filled, marked empty, undecided; its clue 1 left of it.
    const Crossword crossword = test::makeCrossword({{{1}}, {{1}, {}, {}}, {"#.?"}, 1, 1});
    constexpr double kDpi = 100;
    for (const bool withMarks : {true, false}) {
      const CrosswordPrint print(crossword, withMarks);
      const PrintLayout layout = print.layout(kA4);
      QCOMPARE(layout.pages().size(), std::size_t(1));
      const PrintPage page = layout.pages().front();
      const QImage image = paintedPage(print, layout, page, kDpi, {800, 1100});
      const auto cell = [&](int x, int y) {
        return dotsOf(layout, page, crossword.dims(), x, y, kDpi);
      };
      const auto darkAt = [&](int x, int y) { return isDark(image.pixel(cell(x, y).center())); };
      QCOMPARE(darkAt(2, 2), withMarks);  // filled
      QCOMPARE(darkAt(3, 2), withMarks);  // the dot of a cell marked empty
      QVERIFY(!darkAt(4, 2));             // undecided
      // The clue's digit on white paper; a column without clues has a blank clue cell.
      QVERIFY(darkPixelsIn(image, cell(1, 2), 3) > 20);
      QCOMPARE(darkPixelsIn(image, cell(3, 1), 3), 0);
    }
  }

  void aLargeCrosswordIsCutIntoPagesOfCellsAtLeastFourMillimetres() {
    Crossword crossword;
    crossword.allocate({100, 100, 20, 20});
    QByteArray pdf;
    QBuffer file(&pdf);
    file.open(QIODevice::WriteOnly);
    QPdfWriter writer(&file);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    QVERIFY(printCrossword(writer, crossword, true));
    file.close();
    QCOMPARE(pdfPageCount(pdf), 12);

    // Across the middle of the first picture row of the second page of the top row of pages,
    // its row's clue cells and then its part of the picture, every line of the grid stands at
    // least 4 mm after the one before it; the two strokes of a doubled line, well under a
    // millimetre apart, count as one line.
    constexpr double kDpi = 300;
    const double fourMm = 4 * kDpi / kMmPerInch;
    const CrosswordPrint print(crossword, false);
    const PrintLayout layout = print.layout(kA4);
    const PrintPage page = layout.pages().at(1);
    const QImage image = paintedPage(print, layout, page, kDpi, {2300, 3300});
    const int y = dotsOf(layout, page, crossword.dims(), 50, 21, kDpi).center().y();
    std::vector<int> lines;
    for (int x = 0; x < image.width(); ++x) {
      const bool starts = isDark(image.pixel(x, y)) && (x == 0 || !isDark(image.pixel(x - 1, y)));
      if (starts && (lines.empty() || x - lines.back() > fourMm / 4)) lines.push_back(x);
    }
    QCOMPARE(page.columns.size(), std::size_t(2));
    QCOMPARE(int(lines.size()), 20 + page.columns[1].last - page.columns[1].first + 2);
    for (std::size_t i = 1; i < lines.size(); ++i)
      QVERIFY2(lines[i] - lines[i - 1] >= fourMm - 2,
               qPrintable(QStringLiteral("lines at %1 and %2").arg(lines[i - 1]).arg(lines[i])));
  }

  void everyPageOfASplitCrosswordShowsTheCluesOfItsPartWithTitleAndNumber() {
    // A 100 x 100 whose every line has the clue 1: one header row and column, cut into parts.
    const test::Clues ones(100, std::vector<int>{1});
    const Crossword crossword = test::makeCrossword({ones, ones, {}});
    constexpr double kDpi = 60;
    const CrosswordPrint print(crossword, false);
    const PrintLayout layout = print.layout(kA4);
    const std::vector<PrintPage> pages = layout.pages();
    QVERIFY(pages.size() > 1);
    const double dotsPerMm = kDpi / kMmPerInch;
    const QSize sheet(int(kA4.width * dotsPerMm), int(kA4.height * dotsPerMm));
    for (const PrintPage& page : pages) {
      QImage image = paintedPage(print, layout, page, kDpi, sheet);
      const auto digitAt = [&](int x, int y) {
        return darkPixelsIn(image, dotsOf(layout, page, crossword.dims(), x, y, kDpi), 2) > 0;
      };
      const PrintSpan columns = page.columns.back(), rows = page.rows.back();
      QVERIFY2(digitAt(columns.first, 1) && digitAt(columns.last, 1),
               qPrintable(QStringLiteral("page %1: column clues").arg(page.number)));
      QVERIFY2(digitAt(1, rows.first) && digitAt(1, rows.last),
               qPrintable(QStringLiteral("page %1: row clues").arg(page.number)));
      // Nothing above the crossword but the title, nothing below it but the number.
      const int titleBottom = int(kTitleBandMm * dotsPerMm);
      const int numberTop = int((kA4.height - kNumberBandMm) * dotsPerMm) + 1;
      const QRect title(0, 0, sheet.width(), titleBottom), number(0, numberTop, sheet.width(),
                                                                  sheet.height() - numberTop);
      QCOMPARE(darkPixelsIn(image, title, 0), 0);
      QCOMPARE(darkPixelsIn(image, number, 0), 0);
      QPainter painter(&image);
      paintPageCaptions(painter, layout, page, QStringLiteral("Чайник"), int(pages.size()),
                        dotsPerMm);
      painter.end();
      QVERIFY(darkPixelsIn(image, title, 0) > 0);
      QVERIFY(darkPixelsIn(image, number, 0) > 0);
    }
  }

  void theSolutionPageShowsTheSolvedPictureOrANote() {
    const Crossword solved = test::makeCrossword({{{1}}, {{1}, {}}, {"#."}});
    constexpr double kDpi = 60;
    const double dotsPerMm = kDpi / kMmPerInch;
    const QSize sheet(int(kA4.width * dotsPerMm), int(kA4.height * dotsPerMm));
    const SolutionSheet place = layOutSolution(2, 1, kA4);
    const auto centreOf = [&](int column) {
      return QPoint(int((place.left + (column + 0.5) * place.cellMm) * dotsPerMm),
                    int((place.top + 0.5 * place.cellMm) * dotsPerMm));
    };
    const QRect belowTitle(0, int(kTitleBandMm * dotsPerMm) + 1, sheet.width(),
                           sheet.height() - int(kTitleBandMm * dotsPerMm) - 1);
    for (const bool unique : {true, false}) {
      QImage image(sheet, QImage::Format_RGB32);
      image.fill(Qt::white);
      QPainter painter(&image);
      paintSolutionPage(painter, kA4,
                        {true, unique ? std::optional<Crossword>(solved) : std::nullopt},
                        QStringLiteral("Чайник"), dotsPerMm);
      painter.end();
      QVERIFY(darkPixelsIn(image, QRect(0, 0, sheet.width(), int(kTitleBandMm * dotsPerMm)), 0) >
              0);
      if (unique) {
        QVERIFY(isDark(image.pixel(centreOf(0))));
        QVERIFY(!isDark(image.pixel(centreOf(1))));
      } else {
        QVERIFY(darkPixelsIn(image, belowTitle, 0) > 0);  // the note
      }
    }
  }
};

}  // namespace jcw

QTEST_MAIN(jcw::PrintingTest)
#include "PrintingTest.moc"
