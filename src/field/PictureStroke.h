#pragma once
// A stroke of picture mode: one drag of the mouse that fills (left button) or clears (right
// button) picture cells. Without a key the stroke covers every cell the pointer passes (gaps of
// a fast move filled in); with Shift held at the press it is a straight line from the press to
// the pointer, with Ctrl a filled rectangle between the two. Pure; the field keeps the stroke
// in progress as view state and applies its cells.

#include <vector>

#include "field/MouseInput.h"
#include "model/Cell.h"

namespace jcw {

enum class StrokeTool : unsigned char { Free, Line, Rectangle };

// The tool the key-state flags (KeyStateFlag) of the press choose: Ctrl wins over Shift.
StrokeTool strokeToolOf(unsigned keyState);

class PictureStroke {
 public:
  PictureStroke(CellPos start, bool fill, StrokeTool tool);

  bool fills() const { return fill_; }
  // The pointer is over cell `at` now.
  void moveTo(CellPos at);
  // Every cell the stroke covers so far, each once (cells outside the picture included: the
  // caller skips them).
  const std::vector<CellPos>& cells() const { return cells_; }

 private:
  void addLine(CellPos from, CellPos to);
  void add(CellPos cell);

  CellPos start_;
  CellPos last_;
  bool fill_;
  StrokeTool tool_;
  std::vector<CellPos> cells_;
};

}  // namespace jcw
