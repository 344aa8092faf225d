#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/Crossword.h"
#include "model/History.h"
#include "support/Fixtures.h"

namespace jcw {
namespace {

// A script of history operations, one letter each: m a step of one change, g a gesture of three
// changes, u undo, r redo, s save, c checkpoint, a accept (drop) the newest checkpoint.
History run(const std::string& script) {
  History history;
  std::int32_t next = 0;
  for (char op : script) {
    switch (op) {
      case 'm': history.record({next++, 0, 0, 1}); break;
      case 'g':
        history.beginGesture();
        for (int i = 0; i < 3; ++i) history.record({next++, 0, 0, 1});
        history.endGesture();
        break;
      case 'u': history.undo(); break;
      case 'r': history.redo(); break;
      case 's': history.markSaved(); break;
      case 'c': history.setCheckpoint(); break;
      case 'a': history.dropCheckpoint(); break;
      default: ADD_FAILURE() << "unknown operation " << op;
    }
  }
  return history;
}

struct HistoryCase {
  const char* name;
  const char* script;
  std::size_t position;
  std::size_t steps;
  bool saved;  // at the saved position: not modified
  std::vector<std::size_t> checkpoints;
};

const HistoryCase kHistoryCases[] = {
    {"a fresh history is saved", "", 0, 0, true, {}},
    {"a mark is one step and unsaved", "m", 1, 1, false, {}},
    {"a gesture of three changes is one step", "g", 1, 1, false, {}},
    {"undo keeps the step for redo", "mmu", 1, 2, false, {}},
    {"redo walks forward again", "mmuur", 1, 2, false, {}},
    {"redo at the end does nothing", "mr", 1, 1, false, {}},
    {"undo at the start does nothing", "u", 0, 0, true, {}},
    {"a new step after undo drops what could be redone", "mmum", 2, 2, false, {}},
    {"a save keeps the history", "mms", 2, 2, true, {}},
    {"undo after a save is unsaved", "msu", 0, 1, false, {}},
    {"undo back to the saved position is saved again", "msmu", 1, 2, true, {}},
    {"redo back to the saved position is saved again", "msur", 1, 1, true, {}},
    {"a new step below the saved position loses it for good", "mmsuumuu", 0, 1, false, {}},
    {"checkpoints nest", "mcmcmc", 3, 3, false, {1, 2, 3}},
    {"accept drops the newest checkpoint only", "mcmca", 2, 2, false, {1}},
    {"a checkpoint survives undo below it", "mcmuu", 0, 2, true, {1}},
    {"a new step below a checkpoint drops it", "mcuum", 1, 1, false, {}},
    {"a new step at a checkpoint keeps it", "mcm", 2, 2, false, {1}},
};

TEST(HistoryRules, ScriptsEndInTheirState) {
  for (const HistoryCase& c : kHistoryCases) {
    const History history = run(c.script);
    EXPECT_EQ(history.position(), c.position) << c.name;
    EXPECT_EQ(history.steps().size(), c.steps) << c.name;
    EXPECT_EQ(history.atSaved(), c.saved) << c.name;
    EXPECT_EQ(history.checkpoints(), c.checkpoints) << c.name;
    EXPECT_EQ(history.canUndo(), c.position > 0) << c.name;
    EXPECT_EQ(history.canRedo(), c.position < c.steps) << c.name;
  }
}

TEST(HistoryRules, UndoWithinAGestureClosesItsStepSoFar) {
  History history;
  history.beginGesture();
  history.record({1, 1, 0, 1});
  history.record({2, 1, 0, 1});
  history.undo();
  history.record({3, 1, 0, 2});  // the drag goes on: a step of its own
  history.record({4, 1, 0, 2});
  history.endGesture();
  ASSERT_EQ(history.steps().size(), 1u);
  EXPECT_EQ(history.steps()[0], (HistoryStep{{3, 1, 0, 2}, {4, 1, 0, 2}}));
}

TEST(HistoryRules, PathsUndoBackwardsAndRedoForwards) {
  History history;
  history.recordStep({{1, 1, 0, 1}, {2, 1, 0, 2}});
  history.record({1, 1, 1, 0});
  EXPECT_EQ(history.pathTo(0), (std::vector<CellChange>{
                                   {1, 1, 0, 1}, {2, 1, 2, 0}, {1, 1, 1, 0}}));
  history.undo();
  history.undo();
  EXPECT_EQ(history.pathTo(2), (std::vector<CellChange>{
                                   {1, 1, 0, 1}, {2, 1, 0, 2}, {1, 1, 1, 0}}));
  EXPECT_TRUE(history.pathTo(0).empty());
}

TEST(HistoryRules, StoredPartsAreCheckedBeforeUse) {
  const std::vector<HistoryStep> two{{{1, 1, 0, 1}}, {{2, 1, 0, 1}}};
  EXPECT_TRUE(History::isConsistent(two, 2, 0, {0, 1, 1}));
  EXPECT_TRUE(History::isConsistent(two, 0, std::nullopt, {}));
  EXPECT_FALSE(History::isConsistent(two, 3, 0, {}));
  EXPECT_FALSE(History::isConsistent(two, 1, 3, {}));
  EXPECT_FALSE(History::isConsistent(two, 1, 0, {1, 0}));
  EXPECT_FALSE(History::isConsistent(two, 1, 0, {3}));
  EXPECT_FALSE(History::isConsistent({{}}, 1, 0, {}));
}

using test::makeCrossword;

// A 3 x 2 picture with no clues to speak of: only the marks matter here.
Crossword blankCrossword() { return makeCrossword({test::Clues(2), test::Clues(3), {}}); }

TEST(Gestures, ADragIsUndoneAndRedoneAsOneStep) {
  Crossword cw = blankCrossword();
  const int y = cw.firstPictureY();
  cw.history.beginGesture();
  for (int x = cw.firstPictureX(); x < cw.W1(); ++x) cw.markCell(x, y, true);
  cw.history.endGesture();
  cw.markCell(cw.firstPictureX(), y + 1, false);
  cw.undo();
  EXPECT_EQ(pictureRows(cw), (std::vector<std::string>{"###", "???"}));
  cw.undo();
  EXPECT_EQ(pictureRows(cw), (std::vector<std::string>{"???", "???"}));
  EXPECT_FALSE(cw.history.canUndo());
  cw.redo();
  EXPECT_EQ(pictureRows(cw), (std::vector<std::string>{"###", "???"}));
  EXPECT_EQ(cw.MarkedCount, 3);
}

TEST(Gestures, ASolveThatClearsFirstIsOneStep) {
  Crossword cw = makeCrossword({test::Clues(2), test::Clues(3), {"#.?", "???"}});
  cw.history.beginGesture();
  cw.clearPicture();
  const std::vector<std::uint8_t> before = cw.pictureStates();
  ASSERT_TRUE(setPictureRows(cw, {"##.", ".##"}));  // what the solver writes back
  cw.MarkedCount = cw.countMarked();
  cw.recordPictureChange(before);
  cw.history.endGesture();
  EXPECT_EQ(cw.history.steps().size(), 1u);
  cw.undo();
  EXPECT_EQ(pictureRows(cw), (std::vector<std::string>{"#.?", "???"}));
  EXPECT_EQ(cw.MarkedCount, 2);
  cw.redo();
  EXPECT_EQ(pictureRows(cw), (std::vector<std::string>{"##.", ".##"}));
}

TEST(Checkpoints, NestThreeDeepAndReturnOneByOne) {
  Crossword cw = blankCrossword();
  const int x = cw.firstPictureX(), y = cw.firstPictureY();
  cw.markCell(x, y, true);
  cw.history.setCheckpoint();
  cw.markCell(x + 1, y, true);
  cw.history.setCheckpoint();
  cw.markCell(x + 2, y, false);
  cw.markCell(x + 2, y + 1, false);
  cw.history.setCheckpoint();
  cw.markCell(x, y + 1, true);
  EXPECT_EQ(cw.markedSinceCheckpoint(), (std::vector<CellPos>{{x, y + 1}}));

  EXPECT_EQ(cw.returnToCheckpoint().size(), 1u);
  EXPECT_EQ(pictureRows(cw), (std::vector<std::string>{"##.", "??."}));
  EXPECT_EQ(cw.markedSinceCheckpoint(), (std::vector<CellPos>{{x + 2, y}, {x + 2, y + 1}}));
  cw.returnToCheckpoint();
  EXPECT_EQ(pictureRows(cw), (std::vector<std::string>{"##?", "???"}));
  cw.returnToCheckpoint();
  EXPECT_EQ(pictureRows(cw), (std::vector<std::string>{"#??", "???"}));
  EXPECT_TRUE(cw.history.checkpoints().empty());
  EXPECT_TRUE(cw.returnToCheckpoint().empty());
  // Each return was one step: undo brings the marks back in turn, redo takes them away again.
  cw.undo();
  EXPECT_EQ(pictureRows(cw), (std::vector<std::string>{"##?", "???"}));
  cw.redo();
  EXPECT_EQ(pictureRows(cw), (std::vector<std::string>{"#??", "???"}));
  EXPECT_EQ(cw.MarkedCount, cw.countMarked());
}

TEST(Checkpoints, TheGuessIsTheFirstCellMarkedAfterTheCheckpointThatStillIs) {
  Crossword cw = blankCrossword();
  const int x = cw.firstPictureX(), y = cw.firstPictureY();
  cw.markCell(x, y, true);
  cw.history.setCheckpoint();
  EXPECT_TRUE(cw.markedSinceCheckpoint().empty());
  cw.markCell(x + 1, y + 1, true);
  cw.markCell(x + 2, y + 1, false);
  cw.eraseCell(x + 1, y + 1);
  EXPECT_EQ(cw.markedSinceCheckpoint(), (std::vector<CellPos>{{x + 2, y + 1}}));
  cw.markCell(x + 1, y + 1, false);
  EXPECT_EQ(cw.markedSinceCheckpoint(), (std::vector<CellPos>{{x + 1, y + 1}, {x + 2, y + 1}}));
  cw.history.dropCheckpoint();  // accepted: the marks stay and are plain marks again
  EXPECT_TRUE(cw.markedSinceCheckpoint().empty());
  EXPECT_EQ(pictureRows(cw), (std::vector<std::string>{"#??", "?.."}));
}

TEST(Checkpoints, ReturnAfterUndoingBelowTheCheckpointRedoesToIt) {
  Crossword cw = blankCrossword();
  const int x = cw.firstPictureX(), y = cw.firstPictureY();
  cw.markCell(x, y, true);
  cw.markCell(x + 1, y, true);
  cw.history.setCheckpoint();
  cw.undo();
  cw.undo();
  cw.returnToCheckpoint();
  EXPECT_EQ(pictureRows(cw), (std::vector<std::string>{"##?", "???"}));
  EXPECT_EQ(cw.MarkedCount, 2);
}

// Random marks, erasures, many-cell steps, drags, undo, redo, saves and checkpoints. After every
// operation the picture must be what the history's steps up to its position make of the
// starting picture, the picture remembered for that position, and "modified" must say whether
// the position is the saved one.
TEST(HistoryWalk, EveryStateMatchesAReplayOfItsSteps) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 random(seed);
  Crossword cw = makeCrossword({test::Clues(5), test::Clues(6), {}});
  const Crossword start = cw;
  std::vector<std::vector<std::string>> pictureAt{pictureRows(cw)};  // by position
  constexpr std::size_t kLost = SIZE_MAX;  // a new step dropped the saved position
  std::size_t saved = 0;
  const auto randomCell = [&] {
    return CellPos{cw.firstPictureX() + static_cast<int>(random() % 6),
                   cw.firstPictureY() + static_cast<int>(random() % 5)};
  };
  const auto stepAdded = [&] {
    const std::size_t position = cw.history.position();
    pictureAt.resize(position);
    pictureAt.push_back(pictureRows(cw));
    if (saved != kLost && saved >= position) saved = kLost;
  };
  for (int op = 0; op < 4000; ++op) {
    const std::size_t positionBefore = cw.history.position();
    const unsigned kind = random() % 9;
    switch (kind) {
      case 0: {
        const CellPos at = randomCell();
        cw.markCell(at.x, at.y, random() % 2);
        break;
      }
      case 1: {
        const CellPos at = randomCell();
        cw.eraseCell(at.x, at.y);
        break;
      }
      case 2: {
        const std::vector<std::uint8_t> before = cw.pictureStates();
        for (int k = static_cast<int>(random() % 5); k > 0; --k) {
          const CellPos at = randomCell();
          cw.cell(at.x, at.y).State = static_cast<std::uint8_t>(random() % 3);
        }
        cw.MarkedCount = cw.countMarked();
        cw.recordPictureChange(before);
        break;
      }
      case 3: {
        cw.history.beginGesture();
        for (int k = static_cast<int>(random() % 4); k > 0; --k) {
          const CellPos at = randomCell();
          cw.markCell(at.x, at.y, true);
        }
        cw.history.endGesture();
        break;
      }
      case 4: cw.undo(); break;
      case 5: cw.redo(); break;
      case 6:
        cw.markSaved();
        saved = cw.history.position();
        break;
      case 7: cw.history.setCheckpoint(); break;
      case 8:
        if (random() % 2)
          cw.returnToCheckpoint();
        else
          cw.history.dropCheckpoint();
        break;
    }
    const std::size_t position = cw.history.position();
    // Only redo moves the position forward without a new step.
    const bool newStep = kind != 5 && position == positionBefore + 1;
    if (newStep) stepAdded();

    Crossword replay = start;
    for (std::size_t i = 0; i < position; ++i)
      for (const CellChange& change : cw.history.steps()[i])
        replay.cell(change.x, change.y).State = change.after;
    ASSERT_EQ(pictureRows(cw), pictureRows(replay)) << "operation " << op;
    ASSERT_EQ(pictureRows(cw), pictureAt.at(position)) << "operation " << op;
    ASSERT_EQ(cw.MarkedCount, cw.countMarked()) << "operation " << op;
    ASSERT_EQ(cw.IsModified(), saved != position) << "operation " << op;
  }
}

}  // namespace
}  // namespace jcw
