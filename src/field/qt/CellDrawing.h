#pragma once
// Drawing one clue or picture cell onto any painter, as the field draws it: its box filled, a
// one-pixel frame on the box's own border pixels, and a clue's number inside the cell as
// CellFont fits it. The field's image and a printed page share it; each chooses the colours.
// UI thread only (fonts).

#include <QColor>
#include <QRect>
#include <QString>
#include <optional>

#include "field/qt/CellFont.h"
#include "model/Cell.h"
#include "model/Rect.h"

class QPainter;

namespace jcw {

struct CellLook {
  QColor fill;
  std::optional<QColor> frame;  // none: no frame (the solved picture)
  bool sunken = false;          // a sunken edge inside the box (the editor cursor's cell)
  QColor text;                  // a clue's number
};

// A box as Qt's rectangle (right and bottom inclusive there).
QRect toQRect(const Rect& r);

// Draws `cell` in `box` with `font` made for the cells' size: the fill, the frame, then
// drawCellContent.
void drawCell(QPainter& painter, const QRect& box, const TCell& cell, const CellFont& font,
              const CellLook& look);
// A one-pixel frame on the box's own border pixels.
void frameBox(QPainter& painter, const QRect& box, const QColor& color);
// What lies on a cell's fill and frame: the sunken edge and a clue's number.
void drawCellContent(QPainter& painter, const QRect& box, const TCell& cell, const CellFont& font,
                     const CellLook& look);

// A dot in the middle of a cell marked empty, as solvers mark them on paper: a fifth of the cell
// across.
void drawEmptyDot(QPainter& painter, const QRect& box, const QColor& color);
// A line struck through a crossed-off clue number, corner to corner.
void drawStrike(QPainter& painter, const QRect& box, const QColor& color);

}  // namespace jcw
