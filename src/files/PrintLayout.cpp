#include "files/PrintLayout.h"

#include <algorithm>

#include "field/Geometry.h"

namespace jcw {

namespace {

// Field units are whole numbers; this keeps a span that fits exactly from being refused for the
// last bit of a division.
constexpr double kSlack = 1e-9;

// The units table column x covers: its clue or picture cells all lie in the same columns of
// pixels, as the picture row below shows.
PrintSpan columnSpan(const Dimensions& d, int x) {
  const Rect box = cellBox(d, kPrintCellSize, x, d.CapRowCount + 1);
  return {x, x, box.left, box.right};
}

PrintSpan rowSpan(const Dimensions& d, int y) {
  const Rect box = cellBox(d, kPrintCellSize, d.CapColCount + 1, y);
  return {y, y, box.top, box.bottom};
}

PrintSpan joined(const PrintSpan& a, const PrintSpan& b) { return {a.first, b.last, a.from, b.to}; }

// A part should end after a group of five, where the grid has its doubled line, unless that
// would leave more than half of the page unused.
bool goodBreak(int index, int headerCount) { return (index - headerCount) % 5 == 0; }

// Table indices first .. last of one direction (`span` gives each one's units), cut into runs of
// at most `capacity` units; a single index wider than that is a run of its own.
template <class SpanOf>
std::vector<PrintSpan> cut(int first, int last, int headerCount, double capacity, SpanOf span) {
  std::vector<PrintSpan> runs;
  for (int start = first; start <= last;) {
    int end = start;
    while (end < last && span(end + 1).to - span(start).from <= capacity + kSlack) ++end;
    if (end < last) {
      for (int at = end; at >= start && 2 * (at - start + 1) >= end - start + 1; --at) {
        if (goodBreak(at, headerCount)) {
          end = at;
          break;
        }
      }
    }
    runs.push_back(joined(span(start), span(end)));
    start = end + 1;
  }
  return runs;
}

// One direction of a layout: the whole line of spans when it fits `side`, else the clue span
// and the parts of the picture.
struct Direction {
  std::optional<PrintSpan> clues;
  std::vector<PrintSpan> parts;
};

template <class SpanOf>
Direction directionOf(int count, int headerCount, double side, double mmPerUnit, SpanOf span) {
  const PrintSpan whole = joined(span(1), span(count));
  if (whole.units() * mmPerUnit <= side + kSlack) return {std::nullopt, {whole}};
  const PrintSpan clues = joined(span(1), span(headerCount));
  return {clues, cut(headerCount + 1, count, headerCount, side / mmPerUnit - clues.units(), span)};
}

// The scale of a split layout: the smallest cells, or smaller ones where the clues would leave
// less than kMinCellsBesideClues picture cells on a page.
double splitScale(int clueUnits, double side) {
  const double room = side / (clueUnits + kMinCellsBesideClues * (kPrintCellSize + 1));
  return std::min(kMinPrintCellMm / kPrintCellSize, room);
}

double unitsOf(const std::vector<PrintSpan>& spans) {
  double units = 0;
  for (const PrintSpan& span : spans) units += span.units();
  return units;
}

std::optional<double> offsetMm(const std::vector<PrintSpan>& spans, int units, double start,
                               double mmPerUnit) {
  double at = start;
  for (const PrintSpan& span : spans) {
    if (units >= span.from && units <= span.to) return at + (units - span.from) * mmPerUnit;
    at += span.units() * mmPerUnit;
  }
  return std::nullopt;
}

}  // namespace

std::optional<double> PrintPage::xMm(int units, double mmPerUnit) const {
  return offsetMm(columns, units, left, mmPerUnit);
}

std::optional<double> PrintPage::yMm(int units, double mmPerUnit) const {
  return offsetMm(rows, units, top, mmPerUnit);
}

std::vector<PrintPage> PrintLayout::pages() const {
  std::vector<PrintPage> all;
  const double height = paper.height - kTitleBandMm - kNumberBandMm;
  for (const PrintSpan& row : rows) {
    for (const PrintSpan& column : columns) {
      PrintPage page;
      if (clueColumns) page.columns.push_back(*clueColumns);
      page.columns.push_back(column);
      if (clueRows) page.rows.push_back(*clueRows);
      page.rows.push_back(row);
      page.left = (paper.width - unitsOf(page.columns) * mmPerUnit) / 2;
      page.top = kTitleBandMm + (height - unitsOf(page.rows) * mmPerUnit) / 2;
      page.number = static_cast<int>(all.size()) + 1;
      all.push_back(std::move(page));
    }
  }
  return all;
}

SolutionSheet layOutSolution(int columns, int rows, PaperSize paper) {
  const double height = paper.height - kTitleBandMm;
  SolutionSheet sheet;
  sheet.cellMm = std::max(0.0, std::min({paper.width / columns, height / rows, kMaxPrintCellMm}));
  sheet.left = (paper.width - columns * sheet.cellMm) / 2;
  sheet.top = kTitleBandMm + (height - rows * sheet.cellMm) / 2;
  return sheet;
}

PrintLayout layOutPrint(const Dimensions& d, PaperSize paper) {
  const double width = paper.width;
  const double height = paper.height - kTitleBandMm - kNumberBandMm;
  if (!(width > 0 && height > 0)) return {};
  const int columns = d.W1() - 1;
  const int rows = d.H1() - 1;
  const auto columnOf = [&d](int x) { return columnSpan(d, x); };
  const auto rowOf = [&d](int y) { return rowSpan(d, y); };
  const PrintSpan wide = joined(columnOf(1), columnOf(columns));
  const PrintSpan high = joined(rowOf(1), rowOf(rows));
  PrintLayout layout;
  layout.paper = paper;
  layout.mmPerUnit = std::min({width / wide.units(), height / high.units(),
                               kMaxPrintCellMm / kPrintCellSize});
  const int clueWidth = joined(columnOf(1), columnOf(d.CapColCount)).units();
  const int clueHeight = joined(rowOf(1), rowOf(d.CapRowCount)).units();
  const double split = std::min(splitScale(clueWidth, width), splitScale(clueHeight, height));
  // Clues too large for the smallest cells beside them may make one page the larger print.
  if (layout.mmPerUnit >= split) {
    layout.columns = {wide};
    layout.rows = {high};
    return layout;
  }
  layout.mmPerUnit = split;
  Direction across = directionOf(columns, d.CapColCount, width, layout.mmPerUnit, columnOf);
  Direction down = directionOf(rows, d.CapRowCount, height, layout.mmPerUnit, rowOf);
  layout.clueColumns = across.clues;
  layout.clueRows = down.clues;
  layout.columns = std::move(across.parts);
  layout.rows = std::move(down.parts);
  return layout;
}

}  // namespace jcw
