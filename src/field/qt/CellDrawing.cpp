#include "field/qt/CellDrawing.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <qdrawutil.h>

#include <algorithm>

namespace jcw {

QRect toQRect(const Rect& r) { return {r.left, r.top, r.width(), r.height()}; }

void frameBox(QPainter& painter, const QRect& box, const QColor& color) {
  painter.fillRect(box.left(), box.top(), box.width(), 1, color);
  painter.fillRect(box.left(), box.bottom(), box.width(), 1, color);
  painter.fillRect(box.left(), box.top(), 1, box.height(), color);
  painter.fillRect(box.right(), box.top(), 1, box.height(), color);
}

void drawCellContent(QPainter& painter, const QRect& box, const TCell& cell, const CellFont& font,
                     const CellLook& look) {
  if (look.sunken) qDrawWinPanel(&painter, box, QGuiApplication::palette(), /*sunken=*/true);
  if (cell.Kind == ckClue && !cell.Text.empty())
    font.draw(painter, box, QString::fromStdString(cell.Text), look.text);
}

void drawCell(QPainter& painter, const QRect& box, const TCell& cell, const CellFont& font,
              const CellLook& look) {
  painter.fillRect(box, look.fill);
  if (look.frame) frameBox(painter, box, *look.frame);
  drawCellContent(painter, box, cell, font, look);
}

void drawEmptyDot(QPainter& painter, const QRect& box, const QColor& color) {
  constexpr int kDotDivisor = 5;
  const int size = std::max(2, box.width() / kDotDivisor);
  const QPoint centre(box.left() + box.width() / 2, box.top() + box.height() / 2);
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(color);
  painter.drawEllipse(QRect(centre.x() - size / 2, centre.y() - size / 2, size, size));
  painter.restore();
}

void drawStrike(QPainter& painter, const QRect& box, const QColor& color) {
  painter.save();
  painter.setPen(QPen(color, 1));
  painter.drawLine(box.left() + 2, box.bottom() - 2, box.right() - 2, box.top() + 2);
  painter.restore();
}

}  // namespace jcw
