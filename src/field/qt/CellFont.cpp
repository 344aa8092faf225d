#include "field/qt/CellFont.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace jcw {

namespace {

QFont sansAt(int pixelSize) {
  QFont font(QStringLiteral("DejaVu Sans"));
  // Crisp one-colour digits, as on a bitmap font: a digit is exactly the colour asked for.
  font.setStyleHint(QFont::SansSerif, QFont::NoAntialias);
  font.setPixelSize(pixelSize);
  return font;
}

int heightAt(int pixelSize) { return QFontMetrics(sansAt(pixelSize)).height(); }

// Bounding box of the pixels that are not transparent; empty when there are none.
QRect inkedPixels(const QImage& image) {
  QRect ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) != 0) ink |= QRect(x, y, 1, 1);
  return ink;
}

void drawPixels(QPainter& painter, QPoint at, const PixelText& text, const QColor& color) {
  for (int row = 0; row < static_cast<int>(text.rows.size()); ++row) {
    const std::string& line = text.rows[static_cast<std::size_t>(row)];
    for (std::size_t start = line.find('#'); start != std::string::npos;) {
      const std::size_t end = std::min(line.find('.', start), line.size());
      painter.fillRect(at.x() + static_cast<int>(start), at.y() + row,
                       static_cast<int>(end - start), 1, color);
      start = line.find('#', end);
    }
  }
}

}  // namespace

QFont cellFont(int cellSize) {
  constexpr int kProbe = 100;
  // Estimate from a large probe, then step to the exact fit; heights grow with the pixel size
  // and are never below it, so the fit lies in 1 .. cellSize even for odd font metrics.
  const int limit = std::max(1, cellSize);
  int size = std::clamp(cellSize * kProbe / std::max(1, heightAt(kProbe)), 1, limit);
  while (size > 1 && heightAt(size) > cellSize) --size;
  while (size < limit && heightAt(size + 1) <= cellSize) ++size;
  return sansAt(size);
}

CellFont::CellFont(int cellSize)
    : cellSize_(cellSize), fullSize_(cellFont(cellSize).pixelSize()) {}

const QFont& CellFont::outlineAt(int pixelSize) const {
  if (outlines_.size() <= static_cast<std::size_t>(pixelSize)) outlines_.resize(pixelSize + 1);
  QFont& font = outlines_[static_cast<std::size_t>(pixelSize)];
  if (font.pixelSize() != pixelSize) font = sansAt(pixelSize);
  return font;
}

// Measured by drawing: the pixels a hinted, unsmoothed face inks are what must fit, not its
// metrics.
QRect CellFont::outlineInk(const QString& text, int pixelSize) const {
  const QFont& font = outlineAt(pixelSize);
  const QFontMetrics metrics(font);
  const QPoint origin(pixelSize, pixelSize + metrics.ascent());
  QImage scratch(metrics.horizontalAdvance(text) + 2 * pixelSize,
                 metrics.height() + 2 * pixelSize, QImage::Format_ARGB32_Premultiplied);
  scratch.fill(Qt::transparent);
  QPainter painter(&scratch);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(origin, text);
  painter.end();
  return inkedPixels(scratch).translated(-origin);
}

const CellFont::Placement& CellFont::placement(const QString& text) const {
  if (const auto found = placements_.constFind(text); found != placements_.cend())
    return *found;
  const std::string digits = text.toStdString();
  Placement placement;
  int lastMeasured = 0;
  placement.rendering = fitText(digits, fullSize_, cellSize_, [&](int pixelSize) {
    lastMeasured = pixelSize;
    placement.ink = outlineInk(text, pixelSize);
    return placement.ink.width();
  });
  if (placement.rendering.face == TextRendering::Face::Pixel) {
    placement.pixels = pixelText(digits, placement.rendering.size);
    placement.ink = QRect(0, 0, placement.pixels.width(), kPixelDigitHeight);
  } else if (placement.rendering.size != lastMeasured) {
    placement.ink = outlineInk(text, placement.rendering.size);
  }
  return *placements_.insert(text, std::move(placement));
}

void CellFont::drawInk(QPainter& painter, QPoint origin, const QString& text,
                       const Placement& placed, const QColor& color) const {
  if (placed.rendering.face == TextRendering::Face::Pixel) {
    drawPixels(painter, origin, placed.pixels, color);
  } else {
    painter.setFont(outlineAt(placed.rendering.size));
    painter.setPen(color);
    painter.drawText(origin, text);
  }
}

const QImage& CellFont::inked(const QString& text, const Placement& placed, const QColor& color,
                              qreal pixelRatio) const {
  const QString key =
      text + QLatin1Char('/') + QString::number(color.rgba()) + QLatin1Char('/') +
      QString::number(pixelRatio);
  if (const auto found = inked_.constFind(key); found != inked_.cend()) return *found;
  QImage image(placed.ink.size() * pixelRatio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(pixelRatio);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  drawInk(painter, -placed.ink.topLeft(), text, placed, color);
  painter.end();
  return *inked_.insert(key, std::move(image));
}

QRect CellFont::draw(QPainter& painter, const QRect& box, const QString& text,
                     const QColor& color) const {
  const QRect inside = box.adjusted(1, 1, -1, -1);
  if (text.isEmpty() || inside.isEmpty()) return {};
  const Placement& placed = placement(text);
  if (placed.ink.isEmpty()) return {};
  const QPoint inkAt(inside.left() + (inside.width() - placed.ink.width()) / 2,
                     inside.top() + (inside.height() - placed.ink.height()) / 2);
  const QRect ink(inkAt, placed.ink.size());
  if (inside.contains(ink)) {
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    painter.drawImage(inkAt, inked(text, placed, color, ratio));
    return ink;
  }
  // A number wider than the cell even at the smallest size is cut rather than spilt.
  painter.save();
  painter.setClipRect(inside, Qt::IntersectClip);
  drawInk(painter, inkAt - placed.ink.topLeft(), text, placed, color);
  painter.restore();
  return inside & ink;
}

}  // namespace jcw
