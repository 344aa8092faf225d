#include "files/qt/Printing.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <vector>

#include "field/Geometry.h"
#include "field/qt/CellDrawing.h"
#include "field/qt/FieldColors.h"
#include "files/CrosswordFile.h"
#include "files/PuzzleFile.h"
#include "platform/qt/Platform.h"

namespace jcw {

namespace {

constexpr double kMmPerInch = 25.4;
// The heights of the title's and the page number's letters.
constexpr double kTitleTextMm = 6.0;
constexpr double kNumberTextMm = 3.5;

CellLook paperLook(const TCell& cell, bool withMarks) {
  const bool filled = withMarks && cell.Kind == ckPicture && cell.State == csFilled;
  return {filled ? Qt::black : Qt::white, cellFrameColor(cell), false, Qt::black};
}

// The job's name: the crossword's title or its file's, or the program's for a crossword of
// neither.
QString documentName(const Crossword& crossword) {
  const std::string title = crosswordTitle(crossword, CurFileName);
  return title.empty() ? QCoreApplication::translate("jcw", "Японский кроссворд")
                       : QString::fromStdString(title);
}

// `title` centred in the band above the crossword.
void paintTitle(QPainter& painter, double paperWidth, const QString& title, double dotsPerMm) {
  painter.save();
  QFont font = painter.font();
  font.setPixelSize(std::max(1, int(kTitleTextMm * dotsPerMm)));
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(QRectF(0, 0, paperWidth * dotsPerMm, kTitleBandMm * dotsPerMm),
                   Qt::AlignCenter, title);
  painter.restore();
}

}  // namespace

CrosswordPrint::CrosswordPrint(const Crossword& crossword, bool withMarks)
    : crossword_(crossword), withMarks_(withMarks), font_(kPrintCellSize) {}

void CrosswordPrint::paintCell(QPainter& painter, int x, int y) const {
  const TCell& cell = crossword_.cell(x, y);
  if (cell.Kind == ckNone) return;
  const Rect box = cellBox(crossword_.dims(), kPrintCellSize, x, y);
  drawCell(painter, toQRect(box), cell, font_, paperLook(cell, withMarks_));
  if (withMarks_ && cell.Kind == ckPicture && cell.State == csEmpty) drawEmptyDot(painter, toQRect(box), Qt::black);
}

void CrosswordPrint::paintPage(QPainter& painter, const PrintLayout& layout,
                               const PrintPage& page, double dotsPerMm) const {
  painter.save();
  // A line of a grid unit is thinner than a pixel of a zoomed-out preview: blended, not dropped.
  painter.setRenderHint(QPainter::Antialiasing);
  const double scale = layout.mmPerUnit * dotsPerMm;
  for (const PrintSpan& columns : page.columns) {
    for (const PrintSpan& rows : page.rows) {
      painter.save();
      painter.translate(*page.xMm(columns.from, layout.mmPerUnit) * dotsPerMm,
                        *page.yMm(rows.from, layout.mmPerUnit) * dotsPerMm);
      painter.scale(scale, scale);
      painter.translate(-columns.from, -rows.from);
      for (int x = columns.first; x <= columns.last; ++x)
        for (int y = rows.first; y <= rows.last; ++y) paintCell(painter, x, y);
      painter.restore();
    }
  }
  painter.restore();
}

void paintPageCaptions(QPainter& painter, const PrintLayout& layout, const PrintPage& page,
                       const QString& title, int pageCount, double dotsPerMm) {
  paintTitle(painter, layout.paper.width, title, dotsPerMm);
  if (pageCount < 2) return;
  painter.save();
  QFont font = painter.font();
  font.setPixelSize(std::max(1, int(kNumberTextMm * dotsPerMm)));
  painter.setFont(font);
  painter.setPen(Qt::black);
  const double top = (layout.paper.height - kNumberBandMm) * dotsPerMm;
  painter.drawText(
      QRectF(0, top, layout.paper.width * dotsPerMm, kNumberBandMm * dotsPerMm),
      Qt::AlignCenter, QStringLiteral("%1 / %2").arg(page.number).arg(pageCount));
  painter.restore();
}

void paintSolutionPage(QPainter& painter, PaperSize paper, const SolutionPage& page,
                       const QString& title, double dotsPerMm) {
  paintTitle(painter, paper.width,
             QCoreApplication::translate("jcw", "%1 — решение").arg(title), dotsPerMm);
  if (!page.solution) {
    painter.save();
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, kTitleBandMm * dotsPerMm, paper.width * dotsPerMm,
                            (paper.height - kTitleBandMm) * dotsPerMm),
                     Qt::AlignCenter | Qt::TextWordWrap,
                     QCoreApplication::translate(
                         "jcw", "У кроссворда нет единственного решения: его не напечатать"));
    painter.restore();
    return;
  }
  const Crossword& solved = *page.solution;
  const Dimensions& d = solved.dims();
  const SolutionSheet sheet = layOutSolution(d.ColCount, d.RowCount, paper);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(sheet.left * dotsPerMm, sheet.top * dotsPerMm);
  const double cell = sheet.cellMm * dotsPerMm;
  painter.setPen(QPen(Qt::gray, 0));
  for (int c = 0; c < d.ColCount; ++c) {
    for (int r = 0; r < d.RowCount; ++r) {
      const TCell& solvedCell = solved.cell(solved.firstPictureX() + c, solved.firstPictureY() + r);
      painter.setBrush(solvedCell.State == csFilled ? Qt::black : Qt::white);
      painter.drawRect(QRectF(c * cell, r * cell, cell, cell));
    }
  }
  painter.restore();
}

bool printCrossword(QPagedPaintDevice& device, const Crossword& crossword, bool withMarks,
                    const SolutionPage& last) {
  const CrosswordPrint print(crossword, withMarks);
  const QRectF area = device.pageLayout().paintRect(QPageLayout::Millimeter);
  const PaperSize paper{area.width(), area.height()};
  const PrintLayout layout = print.layout(paper);
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const double dotsPerMm = device.logicalDpiX() / kMmPerInch;
  const std::vector<PrintPage> pages = layout.pages();
  const QString title = documentName(crossword);
  for (const PrintPage& page : pages) {
    if (page.number > 1) device.newPage();
    print.paintPage(painter, layout, page, dotsPerMm);
    paintPageCaptions(painter, layout, page, title, int(pages.size()), dotsPerMm);
  }
  if (last.wanted) {
    device.newPage();
    paintSolutionPage(painter, paper, last, title, dotsPerMm);
  }
  return painter.end();
}

void printCommand(const Crossword& crossword, const SolutionFinder& findSolution) {
  // The search runs once, when the solution page is first asked for.
  std::optional<SolutionPage> solutionPage;
  const auto paint = [&](QPagedPaintDevice& device, const std::vector<bool>& checked) {
    const bool withMarks = checked.at(0);
    if (checked.at(1) && !solutionPage) solutionPage = SolutionPage{true, findSolution()};
    const SolutionPage last = checked.at(1) ? *solutionPage : SolutionPage{};
    if (!printCrossword(device, crossword, withMarks, last))
      platform().errorBox(QCoreApplication::translate(
          "jcw", "Не удалось напечатать кроссворд: принтер или файл недоступен"));
  };
  platform().printPreview(
      {documentName(crossword),
       {{QCoreApplication::translate("jcw", "С моими отметками"), true},
        {QCoreApplication::translate("jcw", "Страница с решением"), false}},
       paint});
}

}  // namespace jcw
