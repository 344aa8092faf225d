// The wait panel's progress line.

#include <gtest/gtest.h>

#include "solver/ProgressText.h"

namespace jcw {
namespace {

struct Case {
  int decided;
  int cells;
  long long ms;
  const char* text;
};

TEST(ProgressText, GivesTheShareDecidedAndTheSecondsRoundedDown) {
  const Case cases[] = {
      {0, 100, 0, "Решено клеток: 0%\nПрошло: 0,0 с"},
      {37, 100, 2499, "Решено клеток: 37%\nПрошло: 2,4 с"},
      {2, 3, 100, "Решено клеток: 66%\nПрошло: 0,1 с"},
      {9999, 10000, 61050, "Решено клеток: 99%\nПрошло: 61,0 с"},
      {12, 10, 99, "Решено клеток: 100%\nПрошло: 0,0 с"},  // never above the whole
      {5, 0, 10, "Решено клеток: 0%\nПрошло: 0,0 с"},      // no cells at all
  };
  for (const Case& c : cases)
    EXPECT_EQ(progressText(c.decided, c.cells, c.ms), c.text) << c.decided << "/" << c.cells;
}

}  // namespace
}  // namespace jcw
