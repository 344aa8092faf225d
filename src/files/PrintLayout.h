#pragma once
// How a crossword goes onto paper: its field as the screen draws it (field/Geometry.h at
// kPrintCellSize units to the cell, the indicators left out), scaled to fit the printable area of
// a page below a band for the title and above a band for the page number, with cells no smaller
// than kMinPrintCellMm and no larger than kMaxPrintCellMm, centred in what the bands leave.
//
// When even the smallest cells do not fit, the picture is cut into pages along cell borders,
// where it can after a group of five, and every page shows the clue columns and clue rows of the
// part it shows, so that each sheet can be solved on its own. Pure arithmetic in millimetres and
// field units.

#include <optional>
#include <vector>

#include "model/Dimensions.h"

namespace jcw {

// Field units to a cell side: one pixel of the screen's grid lines is 1/30 of a cell on paper.
inline constexpr int kPrintCellSize = 30;
inline constexpr double kMinPrintCellMm = 4.0;
// A small crossword is not blown up to the page: larger cells help nobody solve.
inline constexpr double kMaxPrintCellMm = 10.0;
// The title above the crossword, the page number below it.
inline constexpr double kTitleBandMm = 12.0;
inline constexpr double kNumberBandMm = 8.0;
// A split page shows at least this many picture cells beside its clues: when the clues leave no
// room for them at the smallest cells, the cells get smaller still.
inline constexpr int kMinCellsBesideClues = 5;

// The printable area of a page, in millimetres.
struct PaperSize {
  double width = 0;
  double height = 0;
};

// Table columns (or rows) first..last, header cells included, and the field units they cover
// (`to` exclusive).
struct PrintSpan {
  int first = 0;
  int last = 0;
  int from = 0;
  int to = 0;
  int units() const { return to - from; }
  bool operator==(const PrintSpan&) const = default;
};

struct PrintPage {
  // Side by side, left to right (top to bottom): the clue columns (rows) when the page shows a
  // part of the picture, then the picture's columns (rows) of that part; or one span of all.
  std::vector<PrintSpan> columns;
  std::vector<PrintSpan> rows;
  // Where the first spans' top-left corner lies, in millimetres from the printable area's
  // top-left.
  double left = 0;
  double top = 0;
  int number = 0;  // from 1

  // Millimetres from the printable area's left (top) edge to field unit `units` of a table
  // column (row) the page shows; none when it shows no span holding it.
  std::optional<double> xMm(int units, double mmPerUnit) const;
  std::optional<double> yMm(int units, double mmPerUnit) const;
};

struct PrintLayout {
  double mmPerUnit = 0;
  PaperSize paper;
  // When the picture is cut that way: the clue columns (rows) every page repeats.
  std::optional<PrintSpan> clueColumns;
  std::optional<PrintSpan> clueRows;
  std::vector<PrintSpan> columns;  // the parts across, left to right
  std::vector<PrintSpan> rows;     // the parts down, top to bottom

  double cellMm() const { return mmPerUnit * kPrintCellSize; }
  // Every page in reading order: the top row of parts from left to right first.
  std::vector<PrintPage> pages() const;
};

// The solution page: the picture alone, its cells as large as the room below the title allows
// (at most kMaxPrintCellMm), centred there; positions in millimetres from the printable area's
// top-left.
struct SolutionSheet {
  double cellMm = 0;
  double left = 0;
  double top = 0;
};
SolutionSheet layOutSolution(int columns, int rows, PaperSize paper);

// The layout of a crossword of dimensions `d` (each 1..100) on pages of printable size `paper`.
// No pages when the paper leaves no room below the title and above the page number.
PrintLayout layOutPrint(const Dimensions& d, PaperSize paper);

}  // namespace jcw
