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

// A page should end after the headers or after a group of five, where the grid has its doubled
// line, unless that would leave more than half of the page unused.
bool goodBreak(int index, int headerCount) {
  return index == headerCount || (index > headerCount && (index - headerCount) % 5 == 0);
}

// Table indices 1 .. count of one direction (`span` gives each one's units), cut into runs of at
// most `capacity` units; a single index wider than that is a run of its own.
template <class SpanOf>
std::vector<PrintSpan> cut(int count, int headerCount, double capacity, SpanOf span) {
  std::vector<PrintSpan> runs;
  for (int start = 1; start <= count;) {
    int end = start;
    while (end < count && span(end + 1).to - span(start).from <= capacity + kSlack) ++end;
    if (end < count) {
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

}  // namespace

std::vector<PrintPage> PrintLayout::pages() const {
  std::vector<PrintPage> all;
  for (const PrintSpan& row : rows)
    for (const PrintSpan& column : columns) all.push_back({column, row, left, 0});
  return all;
}

PrintLayout layOutPrint(const Dimensions& d, PaperSize paper) {
  if (!(paper.width > 0 && paper.height > 0)) return {};
  const int columns = d.W1() - 1;
  const int rows = d.H1() - 1;
  const auto columnOf = [&d](int x) { return columnSpan(d, x); };
  const auto rowOf = [&d](int y) { return rowSpan(d, y); };
  const PrintSpan wide = joined(columnOf(1), columnOf(columns));
  const PrintSpan high = joined(rowOf(1), rowOf(rows));
  const double fit = std::min(paper.width / (wide.to - wide.from),
                              paper.height / (high.to - high.from));
  const double smallest = kMinPrintCellMm / kPrintCellSize;
  PrintLayout layout;
  layout.mmPerUnit = std::min(fit, kMaxPrintCellMm / kPrintCellSize);
  if (layout.mmPerUnit >= smallest) {
    layout.columns = {wide};
    layout.rows = {high};
    layout.left = (paper.width - (wide.to - wide.from) * layout.mmPerUnit) / 2;
    return layout;
  }
  layout.mmPerUnit = smallest;
  layout.columns = cut(columns, d.CapColCount, paper.width / smallest, columnOf);
  layout.rows = cut(rows, d.CapRowCount, paper.height / smallest, rowOf);
  return layout;
}

}  // namespace jcw
