#pragma once
// The field's text font: a sans-serif face scaled so that its character cell (ascent plus
// descent) is as close to one cell side as it gets without exceeding it.

#include <QFont>

namespace jcw {

// The largest pixel size (at least 1) whose QFontMetrics::height() is at most `cellSize`.
QFont cellFont(int cellSize);

}  // namespace jcw
