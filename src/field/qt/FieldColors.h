#pragma once
// The colours the field paints with. The system colours are read from the application palette at
// every call, so a palette change shows at the next paint.

#include <QColor>
#include <cstdint>

#include "field/Rgb.h"
#include "model/Cell.h"

namespace jcw {

QColor toQColor(Rgb color);
Rgb toRgb(const QColor& color);

QColor buttonFaceColor();  // panel background, undecided cells, neutral indicators
QColor windowColor();      // the editor cursor's clue cell
QColor windowTextColor();  // clue digits

// Fill of a cell: picture colours for a picture cell, clue colours for any other. A state
// outside the table fills like state 0.
QColor cellFillColor(const TCell& cell);
// Every fill at once, for painting many cells with one reading of the palette.
struct CellFills {
  QColor picture[3];  // by picture state
  QColor clue[4];     // by clue state
  const QColor& of(std::uint8_t kind, std::uint8_t state) const;
};
CellFills currentCellFills();
// Black around clue cells, dark grey around picture cells.
QColor cellFrameColor(const TCell& cell);
// Neutral, green or red for lsIncomplete, lsRight, lsWrong.
QColor indicatorColor(int lineStatus);
// The hatching of cells where two pictures that fit the clues differ: magenta, which neither
// picture cells, clues nor indicators use.
QColor differingCellColor();
// The undecided picture cells of the editor cursor's row or column: a pale yellow.
QColor cursorLineColor();
// The numbers of a line that overflows or takes part in a contradiction: red.
QColor flaggedClueColor();
// A clue number crossed off: grey, and the strike through it.
QColor crossedOffClueColor();
// `fill` under the quiet crosshair: tinted towards a pale blue, still telling the states apart.
QColor crosshairTint(const QColor& fill);
// The dot of a cell marked empty.
QColor emptyDotColor();
// Digits of the digital cross: white on a filled cell, red on any other.
QColor crossDigitColor(std::uint8_t state);

}  // namespace jcw
