// The wait panel's progress line.

#include <gtest/gtest.h>

#include "solver/ProgressText.h"

namespace jcw {
namespace {

struct Case {
  long long nodes;
  long long conflicts;
  long long ms;
  const char* text;
};

TEST(ProgressText, GivesNodesConflictsOnceThereAreSomeAndTheSecondsRoundedDown) {
  const Case cases[] = {
      {0, 0, 0, "Узлов поиска: 0\nПрошло: 0,0 с"},
      {37, 0, 2499, "Узлов поиска: 37\nПрошло: 2,4 с"},
      {65, 1, 100, "Узлов поиска: 65, конфликтов: 1\nПрошло: 0,1 с"},
      {65, 123456, 61050, "Узлов поиска: 65, конфликтов: 123456\nПрошло: 61,0 с"},
      {1, 0, -5, "Узлов поиска: 1\nПрошло: 0,0 с"},  // a clock that went back
  };
  for (const Case& c : cases)
    EXPECT_EQ(progressText(c.nodes, c.conflicts, c.ms), c.text) << c.nodes << "/" << c.conflicts;
}

}  // namespace
}  // namespace jcw
