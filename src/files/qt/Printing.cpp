#include "files/qt/Printing.h"

#include <QPagedPaintDevice>
#include <QPainter>

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

// The job's name: the current file's title, or the program's for a crossword of no file.
QString documentName() {
  return CurFileName.empty() ? QStringLiteral("Японский кроссворд")
                             : QString::fromStdString(titleFromFileName(CurFileName));
}

}  // namespace

CrosswordPrint::CrosswordPrint(const Crossword& crossword, bool withMarks)
    : crossword_(crossword), withMarks_(withMarks), font_(kPrintCellSize) {}

void CrosswordPrint::paintCell(QPainter& painter, int x, int y) const {
  const TCell& cell = crossword_.cell(x, y);
  if (cell.Kind == ckNone) return;
  const Rect box = cellBox(crossword_.dims(), kPrintCellSize, x, y);
  drawCell(painter, toQRect(box), cell, font_, paperLook(cell, withMarks_));
  if (withMarks_ && cell.Kind == ckPicture && cell.State == csEmpty) paintDot(painter, box);
}

void CrosswordPrint::paintPage(QPainter& painter, const PrintLayout& layout,
                               const PrintPage& page, double dotsPerMm) const {
  painter.save();
  // A line of a grid unit is thinner than a pixel of a zoomed-out preview: blended, not dropped.
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(page.left * dotsPerMm, page.top * dotsPerMm);
  const double scale = layout.mmPerUnit * dotsPerMm;
  painter.scale(scale, scale);
  painter.translate(-page.columns.from, -page.rows.from);
  for (int x = page.columns.first; x <= page.columns.last; ++x)
    for (int y = page.rows.first; y <= page.rows.last; ++y)
      paintCell(painter, x, y);
  painter.restore();
}

bool printCrossword(QPagedPaintDevice& device, const Crossword& crossword, bool withMarks) {
  const CrosswordPrint print(crossword, withMarks);
  const QRectF area = device.pageLayout().paintRect(QPageLayout::Millimeter);
  const PrintLayout layout = print.layout({area.width(), area.height()});
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const double dotsPerMm = device.logicalDpiX() / kMmPerInch;
  bool first = true;
  for (const PrintPage& page : layout.pages()) {
    if (!first) device.newPage();
    first = false;
    print.paintPage(painter, layout, page, dotsPerMm);
  }
  return painter.end();
}

void printCommand(const Crossword& crossword) {
  platform().printPreview({documentName(), QStringLiteral("С моими отметками"), true,
                           [&crossword](QPagedPaintDevice& device, bool withMarks) {
                             if (!printCrossword(device, crossword, withMarks))
                               platform().errorBox(QStringLiteral(
                                   "Не удалось напечатать кроссворд: принтер или файл недоступен"));
                           }});
}

}  // namespace jcw
