#pragma once
// Drawing one clue or picture cell onto any painter, as the field draws it: its box filled, a
// one-pixel frame on the box's own border pixels, and a clue's number centred on (left + S div 2)
// with its top on the box's top. The field's image and a printed page share it; each chooses
// the colours. UI thread only (fonts).

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <optional>

#include "model/Cell.h"
#include "model/Region.h"

class QPainter;

namespace jcw {

struct CellLook {
  QColor fill;
  std::optional<QColor> frame;  // none: no frame (the solved picture)
  bool sunken = false;          // a sunken edge inside the box (the editor cursor's cell)
  QColor text;                  // a clue's number
};

// A region's box as Qt's rectangle (right and bottom inclusive there).
QRect toQRect(const Rect& r);

// Draws `cell` in its region's box; a cell without a region draws nothing. Returns the pixels
// touched, including a number that spills over the border.
QRect drawCell(QPainter& painter, const TCell& cell, int cellSize, const QFont& font,
               const CellLook& look);

// `text` placed as a clue number in `box`; returns where it went (empty for no text).
QRect drawCellText(QPainter& painter, const Rect& box, int cellSize, const QFont& font,
                   const QString& text, const QColor& color);

}  // namespace jcw
