#include <gtest/gtest.h>

#include <cmath>

#include "startup/DimensionValue.h"

namespace jcw {
namespace {

TEST(DimensionFromValue, RoundsHalvesToEvenAndStaysAValidDimension) {
  const struct {
    double value;
    int dimension;
  } cases[] = {{24.0, 24},   {2.5, 2}, {3.5, 4},  {24.4999, 24}, {24.5001, 25},    {99.5, 100},
               {100.0, 100}, {0.5, 1}, {-3.0, 1}, {150.0, 100},  {std::nan(""), 1}};
  for (const auto& c : cases) EXPECT_EQ(dimensionFromValue(c.value), c.dimension) << c.value;
}

}  // namespace
}  // namespace jcw
