#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "files/CrosswordFile.h"
#include "platform/AtomicFile.h"
#include "support/Fixtures.h"

namespace jcw {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// The ten-byte crossword: 1 header column and row, 2 x 1 picture, row clue 2, column clues 1 1,
// both cells filled.
const Bytes kTenBytes{0x02, 0x01, 0x01, 0x01, 0xC8, 0x02, 0x01, 0xC9, 0x01, 0xC9};

class TempDir : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("jcw-files-" + std::to_string(::getpid()) + "-" +
            testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    CurFileName.clear();
    CurShortName.clear();
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  std::string write(const std::string& name, const Bytes& bytes) const {
    std::ofstream(path(name), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path(name);
  }
  static Bytes read(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }
  fs::path dir_;
};

Crossword tenByteCrossword() {
  return test::makeCrossword({{{2}}, {{1}, {1}}, {"##"}, 1, 1});
}

TEST(CrosswordEncoding, TheTenByteExampleIsWrittenColumnByColumn) {
  EXPECT_EQ(encodeCrossword(tenByteCrossword()), kTenBytes);
}

TEST(CrosswordEncoding, TheTenByteExampleDecodesToItsCrossword) {
  const Result<Crossword> result = decodeCrossword(kTenBytes);
  ASSERT_TRUE(result) << result.error();
  const Crossword& cw = *result;
  EXPECT_EQ(cw.dims(), (Dimensions{2, 1, 1, 1}));
  EXPECT_EQ(cw.rowClues(2), (std::vector<int>{2}));
  EXPECT_EQ(cw.columnClues(2), (std::vector<int>{1}));
  EXPECT_EQ(cw.columnClues(3), (std::vector<int>{1}));
  EXPECT_EQ(pictureRows(cw), (std::vector<std::string>{"##"}));
  EXPECT_EQ(cw.MarkedCount, 2);
  EXPECT_TRUE(cw.solved());
  EXPECT_TRUE(cw.RowsRight[2]);
}

TEST(CrosswordEncoding, StateBytesInHeaderCellsLeaveARightPictureSolved) {
  // 1 x 1 picture under two header rows; the lower column clue cell holds 201 instead of a number.
  const Result<Crossword> result =
      decodeCrossword(Bytes{0x01, 0x01, 0x01, 0x02, 0xC8, 0xC8, 0x01, 0x01, 0xC9, 0xC9});
  ASSERT_TRUE(result) << result.error();
  EXPECT_EQ(result->MarkedCount, 1);
  EXPECT_TRUE(result->solved());
}

TEST(CrosswordEncoding, SizesFollowTheDimensions) {
  Crossword defaults;
  defaults.allocate({31, 24, 4, 4});
  EXPECT_EQ(encodeCrossword(defaults).size(), 984u);
  Crossword largest;
  largest.allocate({100, 100, 100, 100});
  EXPECT_EQ(encodeCrossword(largest).size(), 40004u);
}

TEST(CrosswordEncoding, AHalfSolvedCrosswordComesBackWhole) {
  Crossword cw = test::makeCrossword(
      {{{3}, {1, 1}, {5}, {}}, {{1}, {3}, {1, 1}, {3}, {1}}, {"?###?", "?#.#?", "#####", "....?"}});
  cw.cell(1, 1).Text = "";  // corner
  const Result<Crossword> back = decodeCrossword(encodeCrossword(cw));
  ASSERT_TRUE(back);
  EXPECT_EQ(pictureRows(*back), pictureRows(cw));
  EXPECT_EQ(back->MarkedCount, 15);
  for (int y = cw.firstPictureY(); y < cw.H1(); ++y)
    EXPECT_EQ(back->rowClues(y), cw.rowClues(y));
  EXPECT_EQ(back->rowStatus(cw.firstPictureY() + 2), lsRight);
  EXPECT_EQ(back->rowStatus(cw.firstPictureY()), lsIncomplete);
  EXPECT_TRUE(back->history.steps().empty());
  EXPECT_EQ(encodeCrossword(*back), encodeCrossword(cw));
}

TEST(CrosswordEncoding, ClueTextIsStoredByItsValue) {
  Crossword cw = tenByteCrossword();
  cw.cell(1, 2).Text = "07";
  cw.cell(2, 1).Text = "0";
  cw.cell(3, 1).Text = "150";
  const Result<Crossword> back = decodeCrossword(encodeCrossword(cw));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->cell(1, 2).Text, "7");
  EXPECT_EQ(back->cell(2, 1).Text, "");
  EXPECT_EQ(back->cell(3, 1).Text, "150");
}

TEST(CrosswordDecoding, ShortHeadersAreRefused) {
  for (std::size_t n = 0; n < 4; ++n)
    EXPECT_FALSE(decodeCrossword(Bytes(kTenBytes.begin(), kTenBytes.begin() + n))) << n;
}

TEST(CrosswordDecoding, ABodyThatEndsEarlyIsRefused) {
  for (std::size_t n = 4; n < kTenBytes.size(); ++n)
    EXPECT_FALSE(decodeCrossword(Bytes(kTenBytes.begin(), kTenBytes.begin() + n))) << n;
}

TEST(CrosswordDecoding, DimensionsOutsideOneToHundredAreRefused) {
  for (std::size_t at = 0; at < 4; ++at) {
    for (std::uint8_t bad : {0, 101, 255}) {
      Bytes bytes = kTenBytes;
      bytes[at] = bad;
      bytes.resize(4 + 256 * 256, 200);  // long enough for any dimensions
      EXPECT_FALSE(decodeCrossword(bytes)) << at << " " << int(bad);
    }
  }
  Bytes hundred{100, 100, 100, 100};
  hundred.resize(40004, 200);
  EXPECT_TRUE(decodeCrossword(hundred));
}

TEST(CrosswordDecoding, BytesAbove202LeaveTheCellUnchanged) {
  for (int byte = 203; byte <= 255; ++byte) {
    Bytes bytes = kTenBytes;
    bytes[7] = static_cast<std::uint8_t>(byte);  // first picture cell
    bytes[6] = static_cast<std::uint8_t>(byte);  // its column clue
    const Result<Crossword> result = decodeCrossword(bytes);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->cell(2, 2).State, csBlank);
    EXPECT_EQ(result->cell(2, 1).Text, "");
    EXPECT_EQ(result->MarkedCount, 1);
  }
}

TEST(CrosswordDecoding, TrailingBytesAreIgnored) {
  Bytes bytes = kTenBytes;
  bytes.insert(bytes.end(), {1, 2, 3, 250});
  const Result<Crossword> result = decodeCrossword(bytes);
  ASSERT_TRUE(result);
  EXPECT_EQ(encodeCrossword(*result), kTenBytes);
}

TEST(CrosswordDecoding, MarksInHeaderCellsDoNotCountAsMarkedPictureCells) {
  Bytes bytes{1, 1, 1, 1, 201, 202, 201, 202};  // corner 201, row clue 202, col clue 201, cell 202
  const Result<Crossword> result = decodeCrossword(bytes);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->MarkedCount, 1);
  bytes[7] = 200;
  const Result<Crossword> open = decodeCrossword(bytes);
  EXPECT_EQ(open->MarkedCount, 0);
  EXPECT_FALSE(open->solved());
}

TEST(CrosswordDecoding, ClueBytesKeepTheirValueWhenWrittenBack) {
  Bytes bytes = kTenBytes;
  bytes[5] = 199;
  bytes[6] = 0;
  const Result<Crossword> result = decodeCrossword(bytes);
  ASSERT_TRUE(result);
  EXPECT_EQ(encodeCrossword(*result), bytes);
}

TEST_F(TempDir, AFileThatCannotBeReadIsRefusedAtOnceSayingWhy) {
  const std::string fifo = path("pipe.jcw");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);  // no writer: opening it to read would wait forever
  fs::create_directory(path("folder.jcw"));
  const struct {
    std::string file, expected;
  } cases[] = {
      {path("nothing.jcw"),
       "Не удалось открыть файл " + path("nothing.jcw") + ": нет такого файла или каталога"},
      {path("folder.jcw"), "Не удалось открыть файл " + path("folder.jcw") + ": это каталог"},
      {fifo, "Не удалось открыть файл " + fifo + ": это именованный канал"},
      {"/dev/zero", "Не удалось открыть файл /dev/zero: это устройство"},
      {write("short.jcw", {2, 1, 1, 1, 0xC8}),
       "Не удалось прочитать файл " + path("short.jcw") + ": файл кончается посреди клеток (5 из 10"},
  };
  for (const auto& c : cases) {
    const Result<Crossword> read = readCrosswordFile(c.file);
    ASSERT_FALSE(read) << c.file;
    EXPECT_TRUE(read.error().starts_with(c.expected)) << read.error();
  }
}

TEST_F(TempDir, AReadOnlyFileLoads) {
  const std::string file = write("ro.jcw", kTenBytes);
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_TRUE(readCrosswordFile(file));
}

TEST_F(TempDir, LoadSelfFormatMakesTheFileCurrent) {
  const std::string file = write("cat.jcw", kTenBytes);
  Crossword field;
  ASSERT_TRUE(LoadSelfFormat(file, field));
  EXPECT_EQ(CurFileName, file);
  EXPECT_EQ(CurShortName, " (cat)");
  EXPECT_EQ(currentDimensions(), (Dimensions{2, 1, 1, 1}));
  EXPECT_EQ(field.MarkedCount, 2);
}

TEST_F(TempDir, AFailedLoadLeavesThePreviousCrosswordAsItWas) {
  Crossword field = test::makeCrossword({{{1}}, {{1}}, {"?"}});
  field.markCell(2, 2, true);
  setCurrentDimensions(field.dims());
  CurFileName = "previous.jcw";
  CurShortName = " (previous)";
  const Bytes before = encodeCrossword(field);
  const Bytes shortBody(kTenBytes.begin(), kTenBytes.end() - 1);
  Bytes zero = kTenBytes;
  zero[1] = 0;
  for (const std::string& file :
       {path("missing.jcw"), write("short.jcw", shortBody), write("zero.jcw", zero),
        write("tiny.jcw", {1, 1})}) {
    EXPECT_FALSE(LoadSelfFormat(file, field)) << file;
    EXPECT_EQ(encodeCrossword(field), before);
    EXPECT_EQ(field.history.steps().size(), 1u);
    EXPECT_EQ(currentDimensions(), field.dims());
    EXPECT_EQ(CurFileName, "previous.jcw");
    EXPECT_EQ(CurShortName, " (previous)");
  }
}

TEST_F(TempDir, SaveWritesTheFileAndKeepsTheHistoryAsSaved) {
  Crossword field = tenByteCrossword();
  field.Modified = true;
  field.eraseCell(2, 2);
  field.undo();
  field.redo();
  field.undo();  // the marks as the file has them, with a step to redo
  CurFileName = path("out.jcw");
  ASSERT_TRUE(SaveProcess(field));
  EXPECT_EQ(read(CurFileName), kTenBytes);
  EXPECT_FALSE(field.IsModified());
  EXPECT_TRUE(field.history.canRedo());
  EXPECT_EQ(fs::directory_iterator(dir_)->path().filename(), "out.jcw");  // no temporary left
}

TEST_F(TempDir, SaveReplacesAnExistingFile) {
  const std::string file = write("old.jcw", Bytes(500, 7));
  ASSERT_TRUE(writeCrosswordFile(file, tenByteCrossword()));
  EXPECT_EQ(read(file), kTenBytes);
}

TEST_F(TempDir, AFailedSaveKeepsTheOldFileTheModelAndNoTemporary) {
  const Bytes old(40, 9);
  const std::string file = write("full.jcw", old);
  Crossword field;
  field.allocate({100, 100, 100, 100});
  field.Modified = true;
  field.history.record({2, 2, 0, 1});
  CurFileName = file;
  // The file-size limit stands in for a full disk; without the signal ignored it would end us.
  ignoreFileSizeSignal();
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit limited = saved;
  limited.rlim_cur = 1000;
  setrlimit(RLIMIT_FSIZE, &limited);
  const Result<void> result = SaveProcess(field);
  setrlimit(RLIMIT_FSIZE, &saved);
  ASSERT_FALSE(result);
  EXPECT_TRUE(result.error().starts_with("Не удалось сохранить файл " + file + ": ")) << result.error();
  EXPECT_EQ(read(file), old);
  EXPECT_TRUE(field.Modified);
  EXPECT_FALSE(field.history.atSaved());
  EXPECT_EQ(CurFileName, file);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST(ShortName, KeepsTheFileNameWithoutItsExtension) {
  const struct {
    const char* path;
    const char* shortName;
  } cases[] = {
      {"/home/u/Puzzles/cat.jcw", " (cat)"},
      {"cat.jcw", " (cat)"},
      {"/home/u/readme", " (re)"},
      {"a.b", " (a.b)"},
      {"abcd", " ()"},
      {"/dir/", " ()"},
      // Only the platform's separator separates directories.
      {"C:\\Puzzles\\cat.jcw", " (C:\\Puzzles\\cat)"},
      // Characters, not bytes: the last four go, and fewer than four stay whole.
      {"/home/u/кот.ab", " (ко)"},
      {"/home/u/кот.jcw", " (кот)"},
      {"/home/u/ёж", " (ёж)"},
      {"сова", " ()"},
  };
  for (const auto& c : cases) EXPECT_EQ(ShortName(c.path), c.shortName) << c.path;
}

}  // namespace
}  // namespace jcw
