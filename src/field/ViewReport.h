#pragma once
// The field's view as one line of numbers, for scripts that drive the real window and must find
// its cells through the program's own geometry: where the field lies in its window (left, top),
// then the view (width, height, cell size, scroll offsets) and the dimensions (columns, rows,
// header columns, header rows). The program writes it when JCW_VIEW_FILE names a file;
// `jcwtool view-point` answers where a cell shows.

#include <optional>
#include <string>
#include <vector>

#include "field/FieldView.h"

namespace jcw {

struct ViewReport {
  int left = 0;
  int top = 0;
  FieldView view;
};

std::string viewReportLine(const ViewReport& report);
// The eleven numbers of a report line, each in range; none for anything else.
std::optional<ViewReport> parseViewReport(const std::vector<std::string>& numbers);

// Where table cell (x, y) shows, in the window's client pixels: its middle and its box clipped
// to its pane; none when no pixel of it shows. Column 0 and row 0 are the indicators.
struct ShownCell {
  int middleX = 0;
  int middleY = 0;
  Rect box;
};
std::optional<ShownCell> shownCell(const ViewReport& report, int x, int y);

}  // namespace jcw
