#pragma once
// The way of a mark drag over the picture. Motion events arrive far apart when the pointer moves
// fast, so the drag enters every cell on the straight way from the last cell it entered to the
// one under the pointer, in order. With the line lock the drag keeps to the row or column of its
// first step, so a wobble over a border marks nothing in the next line. View state of the field.

#include <vector>

#include "model/Cell.h"

namespace jcw {

enum class DragAxis : unsigned char { Free, Row, Column };

struct MarkDrag {
  bool active = false;  // a marking press on a picture cell, until the button goes up
  CellPos start;        // the pressed cell
  CellPos last;         // the cell entered last
  DragAxis axis = DragAxis::Free;  // with the lock: decided by the first step off the start
};

// The picture cells of the table: columns first..last x, rows first..last y.
struct PictureArea {
  CellPos first, last;
};

// The cells a move of `drag` to the pointer's cell enters, in order: the straight way from
// drag.last to the pointer's cell (locked to the drag's line when `lineLock`, and held inside
// `area`), drag.last itself left out. drag.last and drag.axis follow. Nothing while the drag is
// not active.
std::vector<CellPos> dragSteps(MarkDrag& drag, CellPos pointer, const PictureArea& area,
                               bool lineLock);

}  // namespace jcw
