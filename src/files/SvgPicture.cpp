#include "files/SvgPicture.h"

#include <pugixml.hpp>

#include <sstream>

#include "field/Geometry.h"
#include "files/TextParsing.h"

namespace jcw {

namespace {

constexpr const char* kButtonFace = "#f0f0f0";
constexpr const char* kBlack = "#000000";
constexpr const char* kWhite = "#ffffff";
constexpr const char* kDarkGrey = "#606060";
constexpr const char* kGreen = "#008000";
constexpr const char* kRed = "#ff0000";
// DejaVu Sans, the field's font, is about 1.16 em high: this size makes it one cell high, and
// its baseline then lies about four fifths of a cell below the top.
constexpr double kFontPerCell = 0.86;
constexpr double kBaselinePerCell = 0.8;

const char* pictureFill(std::uint8_t state) {
  switch (state) {
    case csFilled: return kBlack;
    case csEmpty: return kWhite;
    default: return kButtonFace;
  }
}

const char* indicatorFill(int status) {
  switch (status) {
    case lsRight: return kGreen;
    case lsWrong: return kRed;
    default: return nullptr;  // neutral: the colour of the panel behind it
  }
}

void setNumber(pugi::xml_node& node, const char* name, double value) {
  node.append_attribute(name) = value;
}

// A filled box with a one-pixel frame on its own border pixels, as the field frames a region.
void appendFramedBox(pugi::xml_node& parent, const Rect& box, const char* fill, const char* frame) {
  pugi::xml_node rect = parent.append_child("rect");
  setNumber(rect, "x", box.left + 0.5);
  setNumber(rect, "y", box.top + 0.5);
  setNumber(rect, "width", box.width() - 1);
  setNumber(rect, "height", box.height() - 1);
  rect.append_attribute("fill") = fill;
  rect.append_attribute("stroke") = frame;
}

void appendText(pugi::xml_node& parent, const Rect& box, int cellSize, const std::string& text) {
  pugi::xml_node node = parent.append_child("text");
  setNumber(node, "x", box.left + cellSize / 2);
  setNumber(node, "y", box.top + cellSize * kBaselinePerCell);
  node.text() = text.c_str();
}

void appendEllipse(pugi::xml_node& parent, const Rect& box, const char* fill) {
  pugi::xml_node ellipse = parent.append_child("ellipse");
  setNumber(ellipse, "cx", (box.left + box.right) / 2.0);
  setNumber(ellipse, "cy", (box.top + box.bottom) / 2.0);
  setNumber(ellipse, "rx", box.width() / 2.0);
  setNumber(ellipse, "ry", box.height() / 2.0);
  ellipse.append_attribute("fill") = fill;
}

void appendCells(pugi::xml_node& svg, const Crossword& crossword, const SvgLook& look) {
  pugi::xml_node cells = svg.append_child("g");
  cells.append_attribute("shape-rendering") = "crispEdges";
  pugi::xml_node texts = svg.append_child("g");
  texts.append_attribute("font-family") = "DejaVu Sans, sans-serif";
  setNumber(texts, "font-size", look.cellSize * kFontPerCell);
  texts.append_attribute("text-anchor") = "middle";
  texts.append_attribute("fill") = kBlack;
  for (int x = 1; x < crossword.W1(); ++x) {
    for (int y = 1; y < crossword.H1(); ++y) {
      const CellKind kind = crossword.kindAt(x, y);
      if (kind == ckNone) continue;
      const Rect box = cellBox(crossword.dims(), look.cellSize, x, y);
      const TCell& cell = crossword.cell(x, y);
      if (kind == ckClue) {
        appendFramedBox(cells, box, kButtonFace, kBlack);
        if (!cell.Text.empty()) appendText(texts, box, look.cellSize, cell.Text);
      } else {
        const std::uint8_t state = look.withMarks ? cell.State : std::uint8_t{csBlank};
        appendFramedBox(cells, box, pictureFill(state), kDarkGrey);
      }
    }
  }
}

void appendIndicators(pugi::xml_node& svg, const Crossword& crossword, const SvgLook& look) {
  pugi::xml_node indicators = svg.append_child("g");
  const Dimensions& d = crossword.dims();
  for (int x = crossword.firstPictureX(); x < crossword.W1(); ++x)
    if (const char* fill = indicatorFill(crossword.columnStatus(x)))
      appendEllipse(indicators, columnIndicatorBox(d, look.cellSize, x), fill);
  for (int y = crossword.firstPictureY(); y < crossword.H1(); ++y)
    if (const char* fill = indicatorFill(crossword.rowStatus(y)))
      appendEllipse(indicators, rowIndicatorBox(d, look.cellSize, y), fill);
}

}  // namespace

std::string encodeSvg(const Crossword& crossword, std::string_view title, const SvgLook& look) {
  const SvgLook held{heldCellSize(look.cellSize), look.withMarks};
  const Extent extent = fieldExtent(crossword.dims(), held.cellSize);
  pugi::xml_document document;
  pugi::xml_node declaration = document.append_child(pugi::node_declaration);
  declaration.append_attribute("version") = "1.0";
  declaration.append_attribute("encoding") = "UTF-8";
  pugi::xml_node svg = document.append_child("svg");
  svg.append_attribute("xmlns") = "http://www.w3.org/2000/svg";
  setNumber(svg, "width", extent.width);
  setNumber(svg, "height", extent.height);
  svg.append_attribute("viewBox") =
      ("0 0 " + std::to_string(extent.width) + " " + std::to_string(extent.height)).c_str();
  if (const std::string clean = printableTitle(title); !clean.empty())
    svg.append_child("title").text() = clean.c_str();
  pugi::xml_node background = svg.append_child("rect");
  setNumber(background, "width", extent.width);
  setNumber(background, "height", extent.height);
  background.append_attribute("fill") = kButtonFace;
  appendCells(svg, crossword, held);
  if (held.withMarks) appendIndicators(svg, crossword, held);
  std::ostringstream out;
  document.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
  return out.str();
}

}  // namespace jcw
