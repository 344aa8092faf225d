#include "field/qt/CheckpointDrawing.h"

#include <QPainter>
#include <algorithm>

namespace jcw {

namespace {

// Mid grey, darker on light fills and lighter on dark ones: apart from black and white alike.
QColor markColour(const QColor& fill) {
  return fill.lightness() < 128 ? QColor(170, 170, 170) : QColor(90, 90, 90);
}

}  // namespace

void drawCheckpointMark(QPainter& painter, const QRect& box, CheckpointMark mark,
                        const QColor& fill) {
  if (mark == CheckpointMark::None) return;
  const QRect inner = box.adjusted(1, 1, -1, -1);
  if (inner.width() < 3 || inner.height() < 3) return;
  const QColor colour = markColour(fill);
  const QPointF centre = QRectF(inner).center();
  const qreal side = std::min(inner.width(), inner.height());
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  const qreal dot = std::max<qreal>(1.0, side / 8);
  painter.drawEllipse(centre, dot, dot);
  if (mark == CheckpointMark::Guess) {
    painter.setPen(QPen(colour, std::max<qreal>(1.0, side / 10)));
    painter.setBrush(Qt::NoBrush);
    const qreal ring = side * 0.35;
    painter.drawEllipse(centre, ring, ring);
  }
  painter.restore();
}

}  // namespace jcw
