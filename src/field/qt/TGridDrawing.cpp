// Picture mode's strokes on the field: a drag fills or clears picture cells, shown as it goes,
// and becomes one undo step when the button goes up.

#include <QMouseEvent>

#include "field/ViewState.h"
#include "field/qt/FieldInput.h"
#include "field/qt/TGrid.h"
#include "model/ProcessState.h"

namespace jcw {

void TGrid::drawWithMouse(MouseEvent kind, CellPos cell, Qt::MouseButton button,
                          Qt::KeyboardModifiers modifiers) {
  if (SolverBusy) return;
  switch (kind) {
    case MouseEvent::Press: {
      const bool fill = button == Qt::LeftButton;
      if (stroke_ || (!fill && button != Qt::RightButton) || !model_.isPicture(cell.x, cell.y))
        return;
      setFocus(Qt::MouseFocusReason);
      strokeBefore_ = model_.pictureStates();
      stroke_.emplace(cell, fill, strokeToolOf(keyStateOf(Qt::NoButton, modifiers)));
      applyStroke();
      return;
    }
    case MouseEvent::Move:
      if (!stroke_ || !model_.isPicture(cell.x, cell.y)) return;
      stroke_->moveTo(cell);
      applyStroke();
      return;
    case MouseEvent::Release:
      if (!stroke_ || (button != Qt::LeftButton && button != Qt::RightButton)) return;
      stroke_.reset();
      if (model_.recordPictureChange(strokeBefore_)) {
        historyChanged();
        if (host_) host_->pictureChanged();
      }
      return;
    case MouseEvent::DoubleClick:
    case MouseEvent::Leave:
      return;
  }
}

void TGrid::applyStroke() {
  const int firstX = model_.firstPictureX();
  const int firstY = model_.firstPictureY();
  const int cols = model_.dims().ColCount;
  std::vector<std::uint8_t> wanted = strokeBefore_;
  const std::uint8_t state = stroke_->fills() ? csFilled : csBlank;
  for (const CellPos& cell : stroke_->cells())
    if (model_.isPicture(cell.x, cell.y))
      wanted[static_cast<std::size_t>(cell.y - firstY) * cols + (cell.x - firstX)] = state;
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    const int x = firstX + static_cast<int>(i % cols);
    const int y = firstY + static_cast<int>(i / cols);
    if (model_.cell(x, y).State == wanted[i]) continue;
    model_.cell(x, y).State = wanted[i];
    UpdateLineStatus(x, y);
    PaintCell(x, y);
  }
  model_.MarkedCount = model_.countMarked();
}

}  // namespace jcw
