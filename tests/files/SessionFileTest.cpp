#include "files/SessionFile.h"

#include <gtest/gtest.h>

#include <chrono>

#include "files/CrosswordFile.h"
#include "files/SessionPlaces.h"
#include "platform/ProcessAlive.h"
#include "support/Fixtures.h"
#include "support/TempDir.h"

namespace jcw {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A half-solved 3 x 2 crossword with every part of a history: a drag of two cells, a saved
// position, a checkpoint, a mark after it, and an undone step that redo would bring back.
Session richSession() {
  Session session;
  Crossword& cw = session.crossword;
  cw = test::makeCrossword({{{3}, {1}}, {{2}, {1}, {1}}, {}});
  const int x = cw.firstPictureX(), y = cw.firstPictureY();
  cw.history.beginGesture();
  cw.markCell(x, y, true);
  cw.markCell(x + 1, y, true);
  cw.history.endGesture();
  cw.markSaved();
  cw.history.setCheckpoint();
  cw.markCell(x + 2, y + 1, false);
  cw.markCell(x, y + 1, true);
  cw.undo();
  cw.Modified = true;
  session.fileName = "/home/анна/кот.non";
  session.format = SessionFormat::Non;
  session.cellSize = 23;
  return session;
}

TEST(SessionFile, ASessionComesBackWhole) {
  const Session session = richSession();
  const Result<Session> back = decodeSession(encodeSession(session));
  ASSERT_TRUE(back) << back.error();
  EXPECT_EQ(encodeCrossword(back->crossword), encodeCrossword(session.crossword));
  EXPECT_EQ(pictureRows(back->crossword), (std::vector<std::string>{"##?", "??."}));
  EXPECT_EQ(back->crossword.MarkedCount, 3);
  EXPECT_TRUE(back->crossword.Modified);
  const History& history = back->crossword.history;
  EXPECT_EQ(history.steps(), session.crossword.history.steps());
  EXPECT_EQ(history.position(), 2u);
  EXPECT_EQ(history.savedPosition(), std::optional<std::size_t>(1));
  EXPECT_EQ(history.checkpoints(), std::vector<std::size_t>{1});
  EXPECT_EQ(back->fileName, session.fileName);
  EXPECT_EQ(back->format, SessionFormat::Non);
  EXPECT_EQ(back->cellSize, 23);
  // What the history was for: redo and undo work on the restored crossword.
  Crossword restored = back->crossword;
  restored.redo();
  EXPECT_EQ(pictureRows(restored), (std::vector<std::string>{"##?", "#?."}));
}

// Offsets in richSession's bytes: signature 10, version 1, name length 2 and the name's bytes,
// format 1, cell size 2, typed clues 1, crossword length 4 and its .jcw bytes.
constexpr std::size_t kVersionAt = 10;
const std::size_t kFormatAt = 11 + 2 + std::string("/home/анна/кот.non").size();
const std::size_t kCrosswordAt = kFormatAt + 1 + 2 + 1 + 4;  // its first byte

TEST(SessionFile, AStepOfClueNumbersComesBackAndUndoes) {
  Session session;
  Crossword& cw = session.crossword;
  cw = test::makeCrossword({{{3}, {1}}, {{2}, {1}, {1}}, {}, 2, 1});
  const int y = cw.firstPictureY();
  cw.cell(1, y).Text = "12";
  cw.cell(2, y).Text = "";
  ASSERT_TRUE(cw.history.recordStep({{1, y, 0, 12}, {2, y, 3, 0}}));
  const Result<Session> back = decodeSession(encodeSession(session));
  ASSERT_TRUE(back) << back.error();
  Crossword restored = back->crossword;
  EXPECT_EQ(restored.history.steps(), cw.history.steps());
  restored.undo();
  EXPECT_EQ(restored.rowClues(y), std::vector<int>{3});
  restored.redo();
  EXPECT_EQ(restored.rowClues(y), std::vector<int>{12});
}

TEST(SessionFile, DamageOfEveryKindIsRefused) {
  const Bytes good = encodeSession(richSession());
  ASSERT_TRUE(decodeSession(good));
  const auto changed = [&](std::size_t at, std::uint8_t value) {
    Bytes bytes = good;
    bytes.at(at) = value;
    return bytes;
  };
  const Crossword& cw = richSession().crossword;
  const std::size_t kHistoryAt = kCrosswordAt + encodeCrossword(cw).size();
  // The first picture cell's byte in the .jcw layout: column CapColCount + 1, row CapRowCount + 1.
  const std::size_t tableHeight = cw.dims().CapRowCount + cw.dims().RowCount;
  const std::size_t firstCell = kCrosswordAt + 4 + cw.dims().CapColCount * tableHeight +
                                cw.dims().CapRowCount;
  // The first change of the first step: count of steps, count of changes, then x, y, before, after.
  const std::size_t firstChange = kHistoryAt + 4 + 4;
  const struct {
    const char* name;
    Bytes bytes;
  } cases[] = {
      {"another signature", changed(0, 'X')},
      {"an unknown version", changed(kVersionAt, 2)},
      {"an unknown format", changed(kFormatAt, 4)},
      {"typed clues neither 0 nor 1", changed(kFormatAt + 3, 2)},
      {"a cell byte the writer never writes", changed(firstCell, 203)},
      {"a mark the history does not lead to", changed(firstCell, 202)},
      {"a clue change to a number no clue has", [&] {
         Bytes bytes = changed(firstChange, 1);  // a row clue cell
         bytes.at(firstChange + 3) = 200;
         return bytes;
       }()},
      {"a state above marked empty", changed(firstChange + 3, 3)},
      {"a change that does not end where the cell is", changed(firstChange + 3, csEmpty)},
      {"a position past the steps", changed(good.size() - 12, 9)},
      {"a checkpoint past the steps", changed(good.size() - 4, 9)},
      {"a byte after the end", [&] {
         Bytes bytes = good;
         bytes.push_back(0);
         return bytes;
       }()},
  };
  for (const auto& c : cases) EXPECT_FALSE(decodeSession(c.bytes)) << c.name;
  for (std::size_t size = 0; size < good.size(); ++size)
    EXPECT_FALSE(decodeSession(Bytes(good.begin(), good.begin() + static_cast<long>(size))))
        << "cut after " << size << " bytes";
}

class SessionFileStore : public test::TempDirTest {};

TEST_F(SessionFileStore, AWrittenSessionReadsBackAndADamagedOneSaysSo) {
  const auto path = dir_ / "state" / "jcw" / "session-1.jcws";
  ASSERT_TRUE(writeSessionFile(path, richSession()));  // the directories are made
  const Result<Session> back = readSessionFile(path);
  ASSERT_TRUE(back) << back.error();
  EXPECT_EQ(back->fileName, "/home/анна/кот.non");
  writeFile(path, "JCWSESSION\x07");
  const Result<Session> damaged = readSessionFile(path);
  ASSERT_FALSE(damaged);
  EXPECT_NE(damaged.error().find(path.string()), std::string::npos) << damaged.error();
}

TEST_F(SessionFileStore, OnlySessionsOfEndedProgramsAreLeftWorkNewestFirst) {
  const auto older = sessionPathFor(dir_, 41);
  const auto newer = sessionPathFor(dir_, 42);
  EXPECT_EQ(newer.filename(), "session-42.jcws");
  writeFile(older, "a");
  writeFile(newer, "b");
  std::filesystem::last_write_time(older, std::filesystem::last_write_time(newer) -
                                              std::chrono::seconds(5));
  writeFile(sessionPathFor(dir_, 43), "c");  // its program still runs
  writeFile(dir_ / "session-x.jcws", "");
  writeFile(dir_ / "session-44.jcws.tmp", "");
  writeFile(dir_ / "notes.txt", "");
  const auto alive = [](int pid) { return pid == 43; };
  EXPECT_EQ(orphanSessions(dir_, alive), (std::vector<std::filesystem::path>{newer, older}));
  EXPECT_TRUE(orphanSessions(dir_ / "none", alive).empty());
  EXPECT_TRUE(processAlive(currentProcessId()));
}

}  // namespace
}  // namespace jcw
