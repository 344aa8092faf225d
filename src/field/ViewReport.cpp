#include "field/ViewReport.h"

#include <algorithm>
#include <charconv>

namespace jcw {

std::string viewReportLine(const ViewReport& r) {
  const FieldView& v = r.view;
  std::string line;
  for (int n : {r.left, r.top, v.width, v.height, v.cellSize, v.scrollX, v.scrollY,
                int{v.dims.ColCount}, int{v.dims.RowCount}, int{v.dims.CapColCount},
                int{v.dims.CapRowCount}})
    line += std::to_string(n) + ' ';
  line.back() = '\n';
  return line;
}

namespace {

std::optional<int> numberIn(const std::string& text, int low, int high) {
  int n = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (error != std::errc{} || end != text.data() + text.size() || n < low || n > high)
    return std::nullopt;
  return n;
}

}  // namespace

std::optional<ViewReport> parseViewReport(const std::vector<std::string>& numbers) {
  constexpr int kPixels = 1 << 20;
  if (numbers.size() != 11) return std::nullopt;
  int values[11];
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    const bool dimension = i >= 7;
    const auto n = numberIn(numbers[i], dimension ? 1 : -kPixels,
                            dimension ? kMaxDimension : kPixels);
    if (!n) return std::nullopt;
    values[i] = *n;
  }
  ViewReport r;
  r.left = values[0];
  r.top = values[1];
  const auto byte = [&](int i) { return static_cast<std::uint8_t>(values[i]); };
  r.view = {{byte(7), byte(8), byte(9), byte(10)}, values[4], values[2], values[3], values[5],
            values[6]};
  if (r.view.width < 0 || r.view.height < 0 || r.view.cellSize < 1) return std::nullopt;
  return r;
}

std::optional<ShownCell> shownCell(const ViewReport& r, int x, int y) {
  const FieldView& v = r.view;
  if (x < 0 || y < 0 || x >= v.dims.W1() || y >= v.dims.H1() || (x == 0 && y == 0))
    return std::nullopt;
  const Rect box = x == 0   ? rowIndicatorBoxInView(v, y)
                   : y == 0 ? columnIndicatorBoxInView(v, x)
                            : cellBoxInView(v, x, y);
  const Rect pane = paneOf(v, x, y);
  const Rect shown{std::max(box.left, pane.left), std::max(box.top, pane.top),
                   std::min(box.right, pane.right), std::min(box.bottom, pane.bottom)};
  if (shown.width() <= 0 || shown.height() <= 0) return std::nullopt;
  // The middle of the whole box where it shows: half a cell in for a cell, as a click on it
  // aims, and the ellipse's centre for an indicator.
  const int s = heldCellSize(v.cellSize);
  const bool indicator = x == 0 || y == 0;
  const int middleX = std::clamp(indicator ? (box.left + box.right) / 2 : box.left + s / 2,
                                 shown.left, shown.right - 1);
  const int middleY = std::clamp(indicator ? (box.top + box.bottom) / 2 : box.top + s / 2,
                                 shown.top, shown.bottom - 1);
  return ShownCell{r.left + middleX, r.top + middleY,
                   {r.left + shown.left, r.top + shown.top, r.left + shown.right,
                    r.top + shown.bottom}};
}

}  // namespace jcw
