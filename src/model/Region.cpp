#include "model/Region.h"

namespace jcw {

bool Region::contains(int x, int y) const {
  if (shape == Shape::None || x < box.left || x >= box.right || y < box.top || y >= box.bottom)
    return false;
  if (shape == Shape::Rectangle) return true;
  // Pixel centres against the ellipse inscribed in the box.
  const double rx = box.width() / 2.0;
  const double ry = box.height() / 2.0;
  if (rx <= 0 || ry <= 0) return false;
  const double dx = (x + 0.5 - (box.left + rx)) / rx;
  const double dy = (y + 0.5 - (box.top + ry)) / ry;
  return dx * dx + dy * dy <= 1.0;
}

}  // namespace jcw
