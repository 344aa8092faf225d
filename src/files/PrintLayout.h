#pragma once
// How a crossword goes onto paper: its field as the screen draws it (field/Geometry.h at
// kPrintCellSize units to the cell, the indicators left out), scaled to fit the printable area of
// a page with cells no smaller than kMinPrintCellMm and no larger than kMaxPrintCellMm. When even
// the smallest cells do not fit on one page, the field is cut into pages along cell borders,
// where it can after a group of five or after the headers, and the pages are laid side by side
// to be put together. Pure arithmetic in millimetres and field units.

#include <vector>

#include "model/Dimensions.h"

namespace jcw {

// Field units to a cell side: one pixel of the screen's grid lines is 1/30 of a cell on paper.
inline constexpr int kPrintCellSize = 30;
inline constexpr double kMinPrintCellMm = 4.0;
// A small crossword is not blown up to the page: larger cells help nobody solve.
inline constexpr double kMaxPrintCellMm = 10.0;

// The printable area of a page, in millimetres.
struct PaperSize {
  double width = 0;
  double height = 0;
};

// Table columns (or rows) first..last, header cells included, printed on one page, and the field
// units they cover (`to` exclusive).
struct PrintSpan {
  int first = 0;
  int last = 0;
  int from = 0;
  int to = 0;
  bool operator==(const PrintSpan&) const = default;
};

struct PrintPage {
  PrintSpan columns;
  PrintSpan rows;
  // Where the spans' top-left corner lies, in millimetres from the printable area's top-left.
  double left = 0;
  double top = 0;
};

struct PrintLayout {
  double mmPerUnit = 0;
  std::vector<PrintSpan> columns;  // the pages of a row of pages, left to right
  std::vector<PrintSpan> rows;     // the rows of pages, top to bottom
  double left = 0;                 // every page's left margin inside the printable area

  double cellMm() const { return mmPerUnit * kPrintCellSize; }
  // Every page in reading order: the top row of pages from left to right first.
  std::vector<PrintPage> pages() const;
};

// The layout of a crossword of dimensions `d` (each 1..100) on pages of printable size `paper`.
// One page holds the whole field, horizontally centred, whenever cells of the minimum size fit;
// otherwise the cells have the minimum size and the pages start at the printable area's corner.
// No pages when the paper has no area.
PrintLayout layOutPrint(const Dimensions& d, PaperSize paper);

}  // namespace jcw
