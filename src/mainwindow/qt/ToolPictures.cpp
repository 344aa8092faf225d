#include "mainwindow/qt/ToolPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <array>

namespace jcw {

namespace {

constexpr QSize kToolSize{36, 30};
constexpr QSize kDirectionSize{16, 16};

const QColor kInk{40, 40, 40};

void drawPencil(QPainter& p, QPointF tip, qreal length) {
  p.save();
  p.translate(tip);
  p.rotate(-45);
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(240, 200, 60));
  p.drawRect(QRectF(6, -3, length - 10, 6));
  p.setBrush(QColor(230, 120, 120));
  p.drawRect(QRectF(length - 4, -3, 4, 6));
  p.setBrush(QColor(245, 225, 190));
  p.drawPolygon(QPolygonF({{0, 0}, {6, -3}, {6, 3}}));
  p.restore();
}

void drawFloppy(QPainter& p, QRectF r) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(50, 90, 170));
  p.drawRect(r);
  p.setBrush(QColor(225, 225, 225));
  p.drawRect(QRectF(r.left() + r.width() * 0.2, r.top(), r.width() * 0.6, r.height() * 0.35));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(r.left() + r.width() * 0.15, r.top() + r.height() * 0.55, r.width() * 0.7,
                    r.height() * 0.45));
}

void drawArrowHead(QPainter& p, QPointF tip, QPointF from, qreal size) {
  const QPointF d = tip - from;
  const qreal len = std::hypot(d.x(), d.y());
  const QPointF u = d / len;
  const QPointF n(-u.y(), u.x());
  p.drawPolygon(QPolygonF({tip, tip - u * size + n * size * 0.6, tip - u * size - n * size * 0.6}));
}

void drawEditor(QPainter& p) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(255, 255, 0));
  p.drawRect(QRectF(4, 4, 12, 22));
  drawPencil(p, {12, 26}, 28);
}

void drawStart(QPainter& p) {
  p.setPen(QPen(QColor(0, 90, 0), 1));
  p.setBrush(QColor(0, 170, 0));
  p.drawPolygon(QPolygonF({{11, 4}, {29, 15}, {11, 26}}));
}

void drawOpen(QPainter& p) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(200, 150, 40));
  p.drawPolygon(QPolygonF({{4, 7}, {13, 7}, {16, 10}, {30, 10}, {30, 25}, {4, 25}}));
  p.setBrush(QColor(245, 200, 80));
  p.drawPolygon(QPolygonF({{8, 14}, {34, 14}, {30, 25}, {4, 25}}));
}

void drawSave(QPainter& p) { drawFloppy(p, QRectF(8, 3, 22, 24)); }

void drawSaveAs(QPainter& p) {
  drawFloppy(p, QRectF(3, 3, 20, 22));
  drawPencil(p, {20, 28}, 20);
}

void drawNew(QPainter& p) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(Qt::white);
  p.drawPolygon(QPolygonF({{9, 3}, {22, 3}, {28, 9}, {28, 27}, {9, 27}}));
  p.setBrush(QColor(210, 210, 210));
  p.drawPolygon(QPolygonF({{22, 3}, {22, 9}, {28, 9}}));
}

void drawUndo(QPainter& p) {
  p.setPen(QPen(QColor(30, 60, 160), 3));
  p.setBrush(Qt::NoBrush);
  QPainterPath path({28, 24});
  path.cubicTo(30, 8, 18, 6, 10, 12);
  p.drawPath(path);
  p.setPen(QPen(QColor(30, 60, 160), 1));
  p.setBrush(QColor(30, 60, 160));
  drawArrowHead(p, {6, 16}, {12, 10}, 8);
}

void drawRedo(QPainter& p) {
  p.save();
  p.translate(kToolSize.width(), 0);
  p.scale(-1, 1);
  drawUndo(p);
  p.restore();
}

void drawFlag(QPainter& p, QPointF foot) {
  p.setPen(QPen(kInk, 2));
  p.drawLine(foot, foot - QPointF(0, 22));
  p.setPen(QPen(QColor(150, 0, 0), 1));
  p.setBrush(QColor(220, 30, 30));
  p.drawPolygon(QPolygonF({foot - QPointF(0, 22), foot - QPointF(-13, 17), foot - QPointF(0, 12)}));
}

void drawCheckpoint(QPainter& p) { drawFlag(p, {13, 27}); }

void drawBackToCheckpoint(QPainter& p) {
  drawFlag(p, {7, 27});
  p.setPen(QPen(QColor(30, 60, 160), 2));
  p.drawLine(QPointF(32, 22), QPointF(18, 22));
  p.setPen(QPen(QColor(30, 60, 160), 1));
  p.setBrush(QColor(30, 60, 160));
  drawArrowHead(p, {13, 22}, {32, 22}, 7);
}

void drawAcceptCheckpoint(QPainter& p) {
  p.setPen(QPen(QColor(0, 140, 0), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF({{8, 15}, {15, 23}, {29, 6}}));
}

void drawClear(QPainter& p) {
  p.save();
  p.translate(18, 15);
  p.rotate(-30);
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(240, 130, 150));
  p.drawRect(QRectF(-12, -6, 12, 12));
  p.setBrush(QColor(90, 130, 220));
  p.drawRect(QRectF(0, -6, 12, 12));
  p.restore();
  p.setPen(QPen(kInk, 1));
  p.drawLine(QPointF(4, 28), QPointF(32, 28));
}

void drawAuto(QPainter& p) {
  p.setPen(QPen(kInk, 3));
  p.drawLine(QPointF(6, 27), QPointF(22, 11));
  p.setPen(QPen(Qt::white, 3));
  p.drawLine(QPointF(19, 14), QPointF(22, 11));
  p.setPen(QPen(QColor(230, 170, 0), 2));
  const std::array<QPointF, 4> sparks{{{27, 5}, {31, 12}, {20, 4}, {30, 19}}};
  for (QPointF s : sparks) {
    p.drawLine(s - QPointF(2, 0), s + QPointF(2, 0));
    p.drawLine(s - QPointF(0, 2), s + QPointF(0, 2));
  }
}

void drawHint(QPainter& p) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(255, 240, 90));
  p.drawEllipse(QRectF(10, 2, 16, 17));
  p.setBrush(QColor(160, 160, 160));
  p.drawRect(QRectF(14, 19, 8, 7));
  p.drawLine(QPointF(14, 22), QPointF(22, 22));
  p.drawLine(QPointF(16, 27), QPointF(20, 27));
}

void drawOptions(QPainter& p) {
  const std::array<qreal, 3> knobs{{12, 24, 17}};
  for (int i = 0; i < 3; ++i) {
    const qreal y = 7 + i * 8;
    p.setPen(QPen(kInk, 2));
    p.drawLine(QPointF(5, y), QPointF(31, y));
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(90, 130, 220));
    p.drawRect(QRectF(knobs[i] - 3, y - 3, 6, 6));
  }
}

void drawExit(QPainter& p) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(120, 70, 30));
  p.drawRect(QRectF(9, 3, 16, 25));
  p.setBrush(QColor(180, 110, 50));
  p.drawPolygon(QPolygonF({{9, 3}, {19, 6}, {19, 30}, {9, 28}}));
  p.setBrush(QColor(240, 210, 60));
  p.drawEllipse(QRectF(15, 16, 3, 3));
  p.setPen(QPen(QColor(200, 0, 0), 2));
  p.setBrush(QColor(200, 0, 0));
  p.drawLine(QPointF(25, 15), QPointF(33, 15));
  drawArrowHead(p, {35, 15}, {25, 15}, 5);
}

// A small grid with filled cells and the pencil that fills them.
void drawDrawing(QPainter& p) {
  p.setPen(QPen(kInk, 1));
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) {
      p.setBrush((row + col) % 2 == 0 ? kInk : QColor(Qt::white));
      p.drawRect(QRectF(3 + col * 7, 4 + row * 7, 7, 7));
    }
  drawPencil(p, {20, 22}, 20);
}

using Drawer = void (*)(QPainter&);
constexpr std::array<Drawer, kToolPictureCount> kToolDrawers{
    {drawEditor, drawStart, drawOpen, drawSave, drawSaveAs, drawNew, drawUndo, drawClear,
     drawAuto, drawHint, drawOptions, drawExit, drawRedo, drawCheckpoint, drawBackToCheckpoint,
     drawAcceptCheckpoint, drawDrawing}};

// Arrows on a 16 x 16 picture, each from its first point to its second.
struct Arrow {
  QPointF from;
  QPointF to;
};
struct DirectionArrows {
  std::array<Arrow, 2> arrows;
  int count;
};
const std::array<DirectionArrows, kDirectionPictureCount> kDirectionArrows{{
    {{{{{2, 8}, {14, 8}}}}, 1},                     // right
    {{{{{8, 2}, {8, 14}}}}, 1},                     // down
    {{{{{1, 3}, {14, 3}}, {{3, 1}, {3, 14}}}}, 2},  // along the field: right on top, down at left
    {{{{{1, 8}, {7, 8}}, {{8, 1}, {8, 7}}}}, 2},    // towards the centre, from both edges
}};

QPixmap blank(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

}  // namespace

QPixmap toolPicture(int index) {
  QPixmap pixmap = blank(kToolSize);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  kToolDrawers.at(static_cast<std::size_t>(index))(painter);
  return pixmap;
}

QPixmap directionPicture(int index) {
  QPixmap pixmap = blank(kDirectionSize);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(30, 60, 160), 2));
  painter.setBrush(QColor(30, 60, 160));
  const DirectionArrows& picture = kDirectionArrows.at(static_cast<std::size_t>(index));
  for (int i = 0; i < picture.count; ++i) {
    const Arrow& arrow = picture.arrows[static_cast<std::size_t>(i)];
    painter.drawLine(arrow.from, arrow.to);
    drawArrowHead(painter, arrow.to, arrow.from, 4);
  }
  return pixmap;
}

}  // namespace jcw
