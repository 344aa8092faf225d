#pragma once
// A cell's area on the field, in the field's client coordinates: nothing, a rectangle or an
// ellipse inscribed in a rectangle. Plain value; painting and hit testing both use it.

namespace jcw {

// Left and top inclusive, right and bottom exclusive.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

struct Region {
  enum class Shape : unsigned char { None, Rectangle, Ellipse };

  Shape shape = Shape::None;
  Rect box;  // bounding box; meaningless for None

  static Region rectangle(Rect r) { return {Shape::Rectangle, r}; }
  static Region ellipse(Rect r) { return {Shape::Ellipse, r}; }

  bool exists() const { return shape != Shape::None; }
  // True iff pixel (x, y) lies inside the region.
  bool contains(int x, int y) const;
  bool operator==(const Region&) const = default;
};

}  // namespace jcw
