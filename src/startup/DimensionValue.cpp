#include "startup/DimensionValue.h"

#include <cmath>

#include "model/Dimensions.h"

namespace jcw {

std::uint8_t dimensionFromValue(double value) {
  // fmax takes 1 for a NaN; nearbyint rounds in the default mode, to nearest with halves to even.
  const double bounded = std::fmin(std::fmax(value, 1.0), double(kMaxDimension));
  const double rounded = std::nearbyint(bounded);
  return static_cast<std::uint8_t>(rounded);
}

}  // namespace jcw
