#include "model/Dimensions.h"

namespace jcw {

bool Dimensions::valid() const {
  auto inRange = [](int v) { return v >= 1 && v <= kMaxDimension; };
  return inRange(ColCount) && inRange(RowCount) && inRange(CapColCount) && inRange(CapRowCount);
}

Dimensions currentDimensions() { return {ColCount, RowCount, CapColCount, CapRowCount}; }

void setCurrentDimensions(const Dimensions& d) {
  ColCount = d.ColCount;
  RowCount = d.RowCount;
  CapColCount = d.CapColCount;
  CapRowCount = d.CapRowCount;
}

}  // namespace jcw
