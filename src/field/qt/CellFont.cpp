#include "field/qt/CellFont.h"

#include <QFontMetrics>
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

}  // namespace jcw
