#include "field/CheckpointMarks.h"

#include <gtest/gtest.h>

#include "support/Fixtures.h"

namespace jcw {
namespace {

TEST(CheckpointMarks, LaterMarksAndTheGuessFollowTheNewestCheckpoint) {
  Crossword cw = test::makeCrossword({test::Clues(2), test::Clues(3), {}});
  const int x = cw.firstPictureX(), y = cw.firstPictureY();
  cw.markCell(x, y, true);
  EXPECT_EQ(CheckpointMarks(cw).at(x, y), CheckpointMark::None);  // no checkpoint yet
  cw.history.setCheckpoint();
  cw.markCell(x + 1, y, false);
  cw.markCell(x + 2, y + 1, true);
  const CheckpointMarks marks(cw);
  EXPECT_EQ(marks.at(x, y), CheckpointMark::None);  // known before the checkpoint
  EXPECT_EQ(marks.at(x + 1, y), CheckpointMark::Guess);
  EXPECT_EQ(marks.at(x + 2, y + 1), CheckpointMark::Later);
  EXPECT_EQ(marks.at(x + 1, y + 1), CheckpointMark::None);
  EXPECT_EQ(marks.at(-1, 100), CheckpointMark::None);

  cw.undo();  // the later mark goes: only the guess stays
  EXPECT_EQ(CheckpointMarks::changed(marks, CheckpointMarks(cw)),
            (std::vector<CellPos>{{x + 2, y + 1}}));
  cw.history.dropCheckpoint();  // accepted: nothing stands out any more
  EXPECT_EQ(CheckpointMarks::changed(marks, CheckpointMarks(cw)),
            (std::vector<CellPos>{{x + 1, y}, {x + 2, y + 1}}));
}

}  // namespace
}  // namespace jcw
