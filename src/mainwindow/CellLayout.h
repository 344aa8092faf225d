#pragma once
// The main window's layout arithmetic: the cell size that fits a client area, the field and
// client sizes that wrap it, the side of the tool panel and the centring of the window.
// Pure values; the window applies them.

#include "model/Dimensions.h"

namespace jcw {

struct CellLayout {
  int cellSize = 0;
  int fieldWidth = 0;
  int fieldHeight = 0;
  int clientWidth = 0;   // field width + fieldLeft
  int clientHeight = 0;  // field height + fieldTop
};

// GetCellSize: the largest cell size for which W1 cells fit beside each other in
// (clientWidth - fieldLeft) and H1 cells above each other in (clientHeight - fieldTop), held at
// 1 so that a tiny window never yields an empty or inverted field; and the field and client
// sizes that wrap the field at that size.
CellLayout GetCellSize(int clientWidth, int clientHeight, int fieldLeft, int fieldTop,
                       const Dimensions& d);

// The maximum size option: the largest cell size (held at 1) for which the whole field, its
// extra pixels included, and the panel's fieldLeft and fieldTop fit in roomWidth x roomHeight
// (the work area less the window frame); and the client area that wraps it. GetCellSize of that
// client area gives the same cell size, so laying the window out again keeps it inside.
CellLayout fitCellLayout(int roomWidth, int roomHeight, int fieldLeft, int fieldTop,
                         const Dimensions& d);

// Pixels the field needs right of (below) S * W1 (S * H1) for its doubled lines and frames.
int fieldWidthExtra(const Dimensions& d);
int fieldHeightExtra(const Dimensions& d);

// The field at cells of `cellSize` in a client area of roomWidth x roomHeight: along each axis
// where the field and the panel's fieldLeft (fieldTop) fit, the client wraps the field (and a
// scroll bar `scrollBar` pixels thick when the other axis scrolls); along an axis where they do
// not, the client keeps the room's extent and the field scrolls.
CellLayout fitOrScroll(int roomWidth, int roomHeight, int fieldLeft, int fieldTop,
                       const Dimensions& d, int cellSize, int scrollBar);

enum class ToolSide { Top, Left };

// The panel goes where the screen has more room to spare; ties go to the top.
ToolSide toolSide(int spareWidth, int spareHeight);

// The origin along one axis that centres `size` in the work area [workStart, workStart +
// workSize), rounded toward zero.
int centredStart(int workStart, int workSize, int size);

}  // namespace jcw
