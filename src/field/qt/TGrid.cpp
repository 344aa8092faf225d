#include "field/qt/TGrid.h"

#include <QPainter>
#include <QPaintEvent>

#include "field/qt/CellDrawing.h"
#include "field/qt/CellFont.h"
#include "field/qt/CheckpointDrawing.h"
#include "field/qt/FieldColors.h"
#include "field/Geometry.h"
#include "field/ViewState.h"
#include "model/Dimensions.h"
#include "platform/qt/Platform.h"
#include "settings/Options.h"

namespace jcw {

TGrid::TGrid(QWidget* parent) : QWidget(parent) {
  // paintEvent covers every pixel from the image.
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Hovering is followed without a button held.
  setMouseTracking(true);
}

void TGrid::setModel(Crossword model) {
  differing_.clear();
  model_ = std::move(model);
  checkpointMarks_ = CheckpointMarks(model_);
}

void TGrid::allocateTable() { model_.allocate(currentDimensions()); }

void TGrid::SetModified(bool flag) {
  model_.Modified = flag;
  historyChanged();
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

namespace {

// The screen's colours; the solved picture stands without frames.
CellLook screenLook(const TCell& cell) {
  CellLook look{cellFillColor(cell), std::nullopt, false, windowTextColor()};
  if (CurrentMode != kViewMode) look.frame = cellFrameColor(cell);
  look.sunken = cell.Kind == ckClue && cell.State == csSelected;
  return look;
}

}  // namespace

int TGrid::cellSize() const { return heldCellSize(CellSize); }

void TGrid::BuildCellRegions() {
  jcw::BuildCellRegions(model_, CellSize);
  fitImage();
}

void TGrid::FreeCellRegions() { jcw::FreeCellRegions(model_); }

QSize TGrid::fieldSize() const {
  if (!model_.allocated()) return {};
  const Extent extent = fieldExtent(model_.dims(), CellSize);
  return {extent.width, extent.height};
}

CellPos TGrid::CellAtPoint(int x, int y) const { return jcw::CellAtPoint(model_, x, y); }

void TGrid::fitImage() {
  const QSize wanted = fieldSize().expandedTo(size());
  if (image_.size() == wanted) return;
  image_ = QImage(wanted, QImage::Format_RGB32);
  image_.fill(buttonFaceColor());
}

const CellFont& TGrid::currentFont() {
  if (cellFont_.cellSize() != cellSize()) cellFont_ = CellFont(cellSize());
  return cellFont_;
}

const TCell* TGrid::cellWithRegion(int x, int y) const {
  if (!model_.allocated() || !model_.inTable(x, y)) return nullptr;
  const TCell& cell = model_.cell(x, y);
  return cell.region.exists() ? &cell : nullptr;
}

QRect TGrid::drawCell(QPainter& painter, int x, int y) {
  const TCell* cell = cellWithRegion(x, y);
  if (!cell || cell->Kind == ckNone) return {};
  const CellLook look = screenLook(*cell);
  const QRect drawn = jcw::drawCell(painter, *cell, currentFont(), look);
  drawCheckpointMark(painter, toQRect(cell->region.box), checkpointMarks_.at(x, y), look.fill);
  if (isDiffering(x, y)) drawDiffering(painter, toQRect(cell->region.box));
  return drawn;
}

void TGrid::drawDiffering(QPainter& painter, const QRect& box) {
  // Inside the cell's frame, which keeps showing whether the cell is decided.
  const QRect inner = box.adjusted(1, 1, -1, -1);
  if (inner.isEmpty()) return;
  painter.fillRect(inner, QBrush(differingCellColor(), Qt::BDiagPattern));
  painter.save();
  painter.setPen(differingCellColor());
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(inner.adjusted(0, 0, -1, -1));  // a pen rectangle covers one pixel more
  painter.restore();
}

std::size_t TGrid::differingIndex(int x, int y) const {
  return static_cast<std::size_t>(y) * model_.W1() + x;
}

bool TGrid::isDiffering(int x, int y) const {
  return !differing_.empty() && model_.inTable(x, y) && differing_[differingIndex(x, y)] != 0;
}

void TGrid::showDifferingCells(const std::vector<CellPos>& cells) {
  clearDifferingCells();
  if (!model_.allocated()) return;
  differing_.assign(static_cast<std::size_t>(model_.W1()) * model_.H1(), 0);
  for (const CellPos& cell : cells) {
    if (!model_.isPicture(cell.x, cell.y)) continue;
    differing_[differingIndex(cell.x, cell.y)] = 1;
    PaintCell(cell.x, cell.y);
  }
}

void TGrid::clearDifferingCells() {
  if (differing_.empty()) return;
  std::vector<std::uint8_t> shown;
  shown.swap(differing_);
  for (int x = 0; x < model_.W1(); ++x)
    for (int y = 0; y < model_.H1(); ++y)
      if (shown[differingIndex(x, y)] != 0) PaintCell(x, y);
}

QRect TGrid::drawIndicator(QPainter& painter, int x, int y, const QColor& color) {
  const TCell* cell = cellWithRegion(x, y);
  if (!cell || cell->region.shape != Region::Shape::Ellipse) return {};
  const QRect box = toQRect(cell->region.box);
  painter.setPen(Qt::NoPen);
  painter.setBrush(color);
  painter.drawEllipse(box);
  return box;
}

QRect TGrid::drawColumnIndicator(QPainter& painter, int x, bool inStatusColour) {
  if (!model_.inTable(x, 0)) return {};
  const int status = inStatusColour ? model_.columnStatus(x) : lsIncomplete;
  return drawIndicator(painter, x, 0, indicatorColor(status));
}

QRect TGrid::drawRowIndicator(QPainter& painter, int y, bool inStatusColour) {
  if (!model_.inTable(0, y)) return {};
  const int status = inStatusColour ? model_.rowStatus(y) : lsIncomplete;
  return drawIndicator(painter, 0, y, indicatorColor(status));
}

QRect TGrid::drawIndicators(QPainter& painter, bool inStatusColour) {
  QRect touched;
  for (int x = model_.firstPictureX(); x < model_.W1(); ++x)
    touched |= drawColumnIndicator(painter, x, inStatusColour);
  for (int y = model_.firstPictureY(); y < model_.H1(); ++y)
    touched |= drawRowIndicator(painter, y, inStatusColour);
  return touched;
}

void TGrid::drawField(QPainter& painter) {
  if (CurrentMode == kViewMode) {
    for (int x = model_.firstPictureX(); x < model_.W1(); ++x)
      for (int y = model_.firstPictureY(); y < model_.H1(); ++y) drawCell(painter, x, y);
    return;
  }
  for (int x = 1; x < model_.W1(); ++x)
    for (int y = 1; y < model_.H1(); ++y) drawCell(painter, x, y);
  if (IndErr) drawIndicators(painter, /*inStatusColour=*/true);
}

bool TGrid::canPaint() const { return !image_.isNull() && model_.allocated(); }

void TGrid::PaintCell(int x, int y) {
  if (!canPaint()) return;
  QPainter painter(&image_);
  update(drawCell(painter, x, y));
}

void TGrid::PaintField() {
  if (!canPaint()) return;
  QPainter painter(&image_);
  drawField(painter);
  update();
}

void TGrid::PaintIndicators(int x, int y) {
  if (!IndErr || !canPaint()) return;
  QPainter painter(&image_);
  update(drawColumnIndicator(painter, x, /*inStatusColour=*/true));
  update(drawRowIndicator(painter, y, /*inStatusColour=*/true));
}

void TGrid::ClearIndicators() {
  if (!canPaint()) return;
  QPainter painter(&image_);
  update(drawIndicators(painter, /*inStatusColour=*/false));
}

QRect TGrid::drawRuns(QPainter& painter, CellPos first, int dx, int dy, CellPos skip) {
  QRect touched;
  int run = 0;
  for (CellPos at = first; model_.inTable(at.x, at.y); at = {at.x + dx, at.y + dy}) {
    const TCell& cell = model_.cell(at.x, at.y);
    run = cell.State == model_.cell(at.x - dx, at.y - dy).State ? run + 1 : 1;
    if (at == skip || !cell.region.exists()) continue;
    // Inside the cell: wiping the cross repaints only the cross's own cells.
    touched |= currentFont().draw(painter, toQRect(cell.region.box), QString::number(run),
                                  crossDigitColor(cell.State));
  }
  return touched;
}

void TGrid::PaintDigitalCross() {
  const CellPos hover = model_.HoverCell;
  if (!canPaint() || !model_.isPicture(hover.x, hover.y)) return;
  crossShown_ = true;
  QPainter painter(&image_);
  update(drawRuns(painter, {hover.x, model_.firstPictureY()}, 0, 1, hover));
  update(drawRuns(painter, {model_.firstPictureX(), hover.y}, 1, 0, hover));
}

void TGrid::repaintClueCellsOfLines(int x, int y, bool highlighted) {
  if (!canPaint()) return;
  const auto repaint = [&](int cx, int cy) {
    if (!model_.isClue(cx, cy)) return;
    TCell& cell = model_.cell(cx, cy);
    const std::uint8_t state = cell.State;
    if (highlighted) cell.State = csHover;
    PaintCell(cx, cy);
    cell.State = state;
  };
  for (int cy = 1; cy <= model_.dims().CapRowCount; ++cy) repaint(x, cy);
  for (int cx = 1; cx <= model_.dims().CapColCount; ++cx) repaint(cx, y);
}

void TGrid::highlightLines(int x, int y) { repaintClueCellsOfLines(x, y, true); }

void TGrid::removeHighlight(int x, int y) { repaintClueCellsOfLines(x, y, false); }

void TGrid::invalidateField() {
  fullPaintPending_ = true;
  update();
}

void TGrid::fullPaint() {
  fitImage();
  image_.fill(buttonFaceColor());
  if (!(WindowActive || PaintOn) || !model_.allocated()) return;
  QPainter painter(&image_);
  drawField(painter);
}

void TGrid::paintEvent(QPaintEvent* event) {
  if (fullPaintPending_) {
    fullPaintPending_ = false;
    fullPaint();
  }
  QPainter painter(this);
  painter.drawImage(event->rect(), image_, event->rect());
}

void TGrid::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  fitImage();
  invalidateField();
}

void TGrid::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  invalidateField();
}

}  // namespace jcw
