#pragma once
// How a mark made after the newest checkpoint looks: a dot in the middle of the cell, and the
// guess (the first of them) a ring around it, in a grey that stands apart from the cell's fill
// also in a grey-scale picture. UI thread only.

#include <QColor>
#include <QRect>

#include "field/CheckpointMarks.h"

class QPainter;

namespace jcw {

// Over the cell already drawn in `box` with `fill`; nothing for CheckpointMark::None.
void drawCheckpointMark(QPainter& painter, const QRect& box, CheckpointMark mark,
                        const QColor& fill);

}  // namespace jcw
