// The public .non puzzles beside the project read to exactly their shared .jcw conversions.
#include <gtest/gtest.h>

#include <filesystem>

#include "files/NonFormat.h"
#include "files/PuzzleFile.h"
#include "files/WebpbnFormat.h"
#include "FormatFixtures.h"

namespace jcw {
namespace {

namespace fs = std::filesystem;
using test::jcwBytesOr;

TEST(SharedPuzzles, EveryNonFileReadsAsItsJcwConversionAlsoThroughXml) {
  const fs::path root(JCW_PUZZLES_DIR);
  int compared = 0;
  for (const auto& entry : fs::directory_iterator(root / "non")) {
    const fs::path jcw = root / "jcw" / entry.path().filename().replace_extension(".jcw");
    const Result<Crossword> original = readPuzzleFile(jcw.string());
    ASSERT_TRUE(original) << original.error();
    const std::string expected = jcwBytesOr(original);
    EXPECT_EQ(jcwBytesOr(readPuzzleFile(entry.path().string())), expected) << entry.path();
    EXPECT_EQ(jcwBytesOr(decodeWebpbn(encodeWebpbn(*original, {"t"}))), expected) << jcw;
    EXPECT_EQ(jcwBytesOr(decodeNon(encodeNon(*original, {"t"}))), expected) << jcw;
    ++compared;
  }
  EXPECT_GT(compared, 0);
}

}  // namespace
}  // namespace jcw
