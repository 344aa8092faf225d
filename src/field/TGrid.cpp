#include "field/TGrid.h"

#include <QPainter>
#include <QPaintEvent>

#include "mainwindow/MainState.h"
#include "model/Dimensions.h"
#include "platform/Platform.h"

namespace jcw {

TGrid::TGrid(QWidget* parent) : QWidget(parent) {}

void TGrid::setModel(Crossword model) { model_ = std::move(model); }

void TGrid::allocateTable() { model_.allocate(currentDimensions()); }

void TGrid::SetModified(bool flag) {
  model_.Modified = flag;
  if (!host_) return;
  host_->setSaveButtonEnabled(flag);
  host_->setUndoButtonEnabled(!model_.UndoList.empty() && CurrentMode == kSolvingMode);
}

bool TGrid::CheckClueSums() {
  if (host_ && !host_->startEnabled()) return false;
  if (model_.clueSumDifference() == 0) return true;
  platform().messageBox({QStringLiteral("Неверно введены значения\nСумма чисел в столбцах должна "
                                        "быть равна сумме чисел в строках."),
                         QStringLiteral("Японский кроссворд"), Buttons::Ok, Icon::Exclamation,
                         Answer::Ok});
  if (host_) host_->setStartEnabled(false);
  return false;
}

bool TGrid::LineFits() {
  if (host_) host_->setStartEnabled(false);
  const bool fits = model_.lineFits(model_.EditCursor.x, model_.EditCursor.y);
  if (fits) {
    if (host_) host_->setStartEnabled(true);
  } else {
    platform().beep();
  }
  return fits;
}

bool TGrid::SelectClueCell(int x, int y) {
  if (!model_.inTable(x, y) || model_.kindAt(x, y) != ckClue) return false;
  model_.cell(x, y).State = csSelected;
  PaintCell(x, y);
  return true;
}

// Painting: the field's cells are drawn by the field painting work; these are filled there.
void TGrid::BuildCellRegions() {}
void TGrid::FreeCellRegions() {}
QSize TGrid::fieldSize() const { return {}; }
void TGrid::PaintCell(int, int) {}
void TGrid::PaintField() {}
void TGrid::PaintIndicators(int, int) {}
void TGrid::ClearIndicators() {}
void TGrid::PaintDigitalCross() {}
void TGrid::highlightLines(int, int) {}
void TGrid::removeHighlight(int, int) {}

void TGrid::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), image_, event->rect());
}

}  // namespace jcw
