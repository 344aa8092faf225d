#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <map>
#include <string>

#include "field/Geometry.h"
#include "files/SvgPicture.h"
#include "support/Fixtures.h"

namespace jcw {
namespace {

// Six columns so that a doubled line falls after the fifth; row 1 right, row 2 open, column 1
// right, column 6 wrong.
Crossword sixByTwo() {
  return test::makeCrossword({{{6}, {1}}, {{1}, {1}, {1}, {1}, {1}, {1}}, {"######", ".?...#"}});
}

struct Parsed {
  pugi::xml_document document;
  pugi::xml_node svg;
};

void parse(Parsed& parsed, const std::string& text) {
  ASSERT_TRUE(parsed.document.load_string(text.c_str())) << text;
  parsed.svg = parsed.document.document_element();
  ASSERT_STREQ(parsed.svg.name(), "svg");
}

// The fill of the last rectangle drawn over the centre of `box`.
std::string fillAt(const pugi::xml_node& svg, const Rect& box) {
  const double cx = (box.left + box.right) / 2.0, cy = (box.top + box.bottom) / 2.0;
  std::string fill;
  for (const pugi::xpath_node& found : svg.select_nodes("//rect")) {
    const pugi::xml_node rect = found.node();
    const double x = rect.attribute("x").as_double(), y = rect.attribute("y").as_double();
    if (cx >= x && cx <= x + rect.attribute("width").as_double() && cy >= y &&
        cy <= y + rect.attribute("height").as_double())
      fill = rect.attribute("fill").value();
  }
  return fill;
}

TEST(SvgPicture, ShowsTheMarksOrAnEmptyGrid) {
  const Crossword crossword = sixByTwo();
  const std::map<char, std::string> fills{{'#', "#000000"}, {'.', "#ffffff"}, {'?', "#f0f0f0"}};
  const std::vector<std::string> picture = pictureRows(crossword);
  for (bool withMarks : {true, false}) {
    Parsed parsed;
    parse(parsed, encodeSvg(crossword, "", {20, withMarks}));
    for (int r = 0; r < 2; ++r)
      for (int c = 0; c < 6; ++c)
        EXPECT_EQ(fillAt(parsed.svg, cellBox(crossword.dims(), 20, 2 + c, 2 + r)),
                  fills.at(withMarks ? picture[r][c] : '?'))
            << withMarks << " " << c << " " << r;
    EXPECT_EQ(parsed.svg.select_nodes("//ellipse").empty(), !withMarks);
  }
}

TEST(SvgPicture, ShowsEveryClueInItsCellAndTheTitle) {
  const Crossword crossword = sixByTwo();
  Parsed parsed;
  parse(parsed, encodeSvg(crossword, "<Cat & dog>", {30, true}));
  EXPECT_STREQ(parsed.svg.child_value("title"), "<Cat & dog>");
  int texts = 0;
  for (const pugi::xpath_node& found : parsed.svg.select_nodes("//text")) {
    ++texts;
    const double x = found.node().attribute("x").as_double();
    const double y = found.node().attribute("y").as_double();
    const CellPos cell =
        cellAtPoint(crossword.dims(), 30, static_cast<int>(x), static_cast<int>(y));
    EXPECT_EQ(crossword.cell(cell.x, cell.y).Text, found.node().child_value()) << x << "," << y;
    EXPECT_TRUE(crossword.isClue(cell.x, cell.y));
  }
  EXPECT_EQ(texts, 8);
}

TEST(SvgPicture, DoublesTheLineAfterTheFifthColumnAndColoursFinishedLines) {
  const Crossword crossword = sixByTwo();
  Parsed parsed;
  parse(parsed, encodeSvg(crossword, "", {}));
  // Frames of picture row 1, left to right.
  const double firstRowTop = cellBox(crossword.dims(), 20, 2, 2).top + 0.5;
  std::vector<double> lefts, rights;
  for (const pugi::xpath_node& found : parsed.svg.select_nodes("//rect[@stroke='#606060']")) {
    const pugi::xml_node rect = found.node();
    if (rect.attribute("y").as_double() != firstRowTop) continue;
    lefts.push_back(rect.attribute("x").as_double());
    rights.push_back(lefts.back() + rect.attribute("width").as_double());
  }
  ASSERT_EQ(lefts.size(), 6u);
  EXPECT_EQ(lefts[4], rights[3]);      // one shared line inside a group of five
  EXPECT_EQ(lefts[5], rights[4] + 1);  // two lines side by side after it
  std::map<std::string, int> indicators;
  for (const pugi::xpath_node& found : parsed.svg.select_nodes("//ellipse"))
    ++indicators[found.node().attribute("fill").value()];
  EXPECT_EQ(indicators, (std::map<std::string, int>{{"#008000", 5}, {"#ff0000", 1}}));
}

}  // namespace
}  // namespace jcw
