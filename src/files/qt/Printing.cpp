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
// A dot in a cell marked empty, as solvers mark them on paper: a fifth of the cell across.
constexpr int kDotDivisor = 5;
// The heights of the title's and the page number's letters.
constexpr double kTitleTextMm = 6.0;
constexpr double kNumberTextMm = 3.5;

CellLook paperLook(const TCell& cell, bool withMarks) {
  const bool filled = withMarks && cell.Kind == ckPicture && cell.State == csFilled;
  return {filled ? Qt::black : Qt::white, cellFrameColor(cell), false, Qt::black};
}

void paintDot(QPainter& painter, const Rect& box) {
  const int size = kPrintCellSize / kDotDivisor;
  const QPoint centre(box.left + box.width() / 2, box.top + box.height() / 2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  painter.drawEllipse(QRect(centre.x() - size / 2, centre.y() - size / 2, size, size));
}

// The job's name: the crossword's title or its file's, or the program's for a crossword of
// neither.
QString documentName(const Crossword& crossword) {
  const std::string title = crosswordTitle(crossword, CurFileName);
  return title.empty() ? QCoreApplication::translate("jcw", "Японский кроссворд")
                       : QString::fromStdString(title);
}

}  // namespace

CrosswordPrint::CrosswordPrint(const Crossword& crossword, bool withMarks)
    : crossword_(crossword), withMarks_(withMarks), font_(kPrintCellSize) {
  BuildCellRegions(crossword_, kPrintCellSize);
}

void CrosswordPrint::paintCell(QPainter& painter, const TCell& cell) const {
  drawCell(painter, cell, font_, paperLook(cell, withMarks_));
  if (withMarks_ && cell.Kind == ckPicture && cell.State == csEmpty)
    paintDot(painter, cell.region.box);
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
        for (int y = rows.first; y <= rows.last; ++y) paintCell(painter, crossword_.cell(x, y));
      painter.restore();
    }
  }
  painter.restore();
}

void paintPageCaptions(QPainter& painter, const PrintLayout& layout, const PrintPage& page,
                       const QString& title, int pageCount, double dotsPerMm) {
  painter.save();
  const double width = layout.paper.width * dotsPerMm;
  QFont font = painter.font();
  font.setPixelSize(std::max(1, int(kTitleTextMm * dotsPerMm)));
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(QRectF(0, 0, width, kTitleBandMm * dotsPerMm), Qt::AlignCenter, title);
  if (pageCount > 1) {
    font.setPixelSize(std::max(1, int(kNumberTextMm * dotsPerMm)));
    painter.setFont(font);
    const double top = (layout.paper.height - kNumberBandMm) * dotsPerMm;
    painter.drawText(QRectF(0, top, width, kNumberBandMm * dotsPerMm), Qt::AlignCenter,
                     QStringLiteral("%1 / %2").arg(page.number).arg(pageCount));
  }
  painter.restore();
}

bool printCrossword(QPagedPaintDevice& device, const Crossword& crossword, bool withMarks) {
  const CrosswordPrint print(crossword, withMarks);
  const QRectF area = device.pageLayout().paintRect(QPageLayout::Millimeter);
  const PrintLayout layout = print.layout({area.width(), area.height()});
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
  return painter.end();
}

void printCommand(const Crossword& crossword) {
  platform().printPreview(
      {documentName(crossword), QCoreApplication::translate("jcw", "С моими отметками"), true,
       [&crossword](QPagedPaintDevice& device, bool withMarks) {
         if (!printCrossword(device, crossword, withMarks))
           platform().errorBox(QCoreApplication::translate(
               "jcw", "Не удалось напечатать кроссворд: принтер или файл недоступен"));
       }});
}

}  // namespace jcw
