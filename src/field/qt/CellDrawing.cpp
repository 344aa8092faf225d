#include "field/qt/CellDrawing.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <qdrawutil.h>

namespace jcw {

QRect toQRect(const Rect& r) { return {r.left, r.top, r.width(), r.height()}; }

namespace {

// A one-pixel frame on the region's own border pixels, as a region frame is drawn.
void frameBox(QPainter& painter, const QRect& box, const QColor& color) {
  painter.fillRect(box.left(), box.top(), box.width(), 1, color);
  painter.fillRect(box.left(), box.bottom(), box.width(), 1, color);
  painter.fillRect(box.left(), box.top(), 1, box.height(), color);
  painter.fillRect(box.right(), box.top(), 1, box.height(), color);
}

}  // namespace

QRect drawCellText(QPainter& painter, const Rect& box, int cellSize, const QFont& font,
                   const QString& text, const QColor& color) {
  if (text.isEmpty()) return {};
  painter.setFont(font);
  painter.setPen(color);
  // A long number spills over the border, so the caller learns where the text went.
  const QRectF anchor(box.left + cellSize / 2, box.top, 0, 0);
  QRectF drawn;
  painter.drawText(anchor, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, text, &drawn);
  return drawn.toAlignedRect();
}

QRect drawCell(QPainter& painter, const TCell& cell, int cellSize, const QFont& font,
               const CellLook& look) {
  if (!cell.region.exists()) return {};
  const QRect box = toQRect(cell.region.box);
  painter.fillRect(box, look.fill);
  if (look.frame) frameBox(painter, box, *look.frame);
  if (look.sunken) qDrawWinPanel(&painter, box, QGuiApplication::palette(), /*sunken=*/true);
  if (cell.Kind != ckClue) return box;
  return box | drawCellText(painter, cell.region.box, cellSize, font,
                            QString::fromStdString(cell.Text), look.text);
}

}  // namespace jcw
