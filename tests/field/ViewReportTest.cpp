#include <gtest/gtest.h>

#include <sstream>

#include "field/ViewReport.h"

namespace jcw {
namespace {

std::vector<std::string> words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> all;
  for (std::string word; in >> word;) all.push_back(word);
  return all;
}

TEST(ViewReport, ALineReadsBackAsTheSameView) {
  const ViewReport report{3, 37, {{100, 90, 30, 25}, 14, 1010, 717, 250, 1000}};
  const std::string line = viewReportLine(report);
  EXPECT_EQ(line, "3 37 1010 717 14 250 1000 100 90 30 25\n");
  const std::optional<ViewReport> read = parseViewReport(words(line));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->left, 3);
  EXPECT_EQ(read->top, 37);
  EXPECT_EQ(read->view, report.view);
}

TEST(ViewReport, DamagedLinesAreRefused) {
  for (const char* line : {"", "0 0 100 100 12 0 0 5 5 1",            // ten numbers
                           "0 0 100 100 12 0 0 5 5 1 1 1",            // twelve
                           "0 0 100 100 12 0 0 5 5 1 x",              // a word
                           "0 0 100 100 12 0 0 5 5 1 101",            // a dimension above 100
                           "0 0 100 100 12 0 0 0 5 1 1",              // a dimension of 0
                           "0 0 100 100 0 0 0 5 5 1 1",               // no cell size
                           "0 0 -4 100 12 0 0 5 5 1 1",               // a negative width
                           "0 0 100 100 12 0 0 5 5 1 1.5",            // a fraction
                           "0 0 99999999999 100 12 0 0 5 5 1 1"})     // out of range
    EXPECT_FALSE(parseViewReport(words(line))) << line;
}

// Five by five with one header line each at ten pixels, the field 5 pixels into its window.
TEST(ViewReport, ACellShowsWhereTheViewDrawsItAndAHiddenOneNowhere) {
  const ViewReport report{5, 7, {{5, 5, 1, 1}, 10, 50, 60, 0, 0}};
  const std::optional<ShownCell> picture = shownCell(report, 2, 2);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->box, (Rect{5 + 21, 7 + 21, 5 + 32, 7 + 32}));
  EXPECT_EQ(picture->middleX, 5 + 21 + 5);
  const std::optional<ShownCell> indicator = shownCell(report, 0, 2);
  ASSERT_TRUE(indicator);
  EXPECT_EQ(indicator->middleX, 5 + 5);
  EXPECT_FALSE(shownCell(report, 6, 6));  // beyond the 60-pixel height
  EXPECT_FALSE(shownCell(report, 0, 0));
  EXPECT_FALSE(shownCell(report, 7, 2));
}

}  // namespace
}  // namespace jcw
