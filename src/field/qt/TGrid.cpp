#include "field/qt/TGrid.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QSaveFile>
#include <QStyle>

#include "field/Geometry.h"
#include "field/ViewReport.h"
#include "field/ViewState.h"
#include "field/qt/CellDrawing.h"
#include "field/qt/CellFont.h"
#include "field/qt/CheckpointDrawing.h"
#include "field/qt/FieldColors.h"
#include "model/Dimensions.h"
#include "model/StartRule.h"
#include "platform/qt/Platform.h"
#include "settings/Options.h"

namespace jcw {

TGrid::TGrid(QWidget* parent) : QWidget(parent) {
  // paintEvent covers every pixel it is asked for.
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Hovering is followed without a button held.
  setMouseTracking(true);
  horizontal_ = new QScrollBar(Qt::Horizontal, this);
  vertical_ = new QScrollBar(Qt::Vertical, this);
  horizontal_->setObjectName(QStringLiteral("FieldScrollX"));
  vertical_->setObjectName(QStringLiteral("FieldScrollY"));
  for (QScrollBar* bar : {horizontal_, vertical_}) {
    bar->setFocusPolicy(Qt::NoFocus);
    bar->hide();
    connect(bar, &QScrollBar::valueChanged, this,
            [this] { scrollTo(horizontal_->value(), vertical_->value()); });
  }
  dragEdgeTimer_.setInterval(60);
  connect(&dragEdgeTimer_, &QTimer::timeout, this, &TGrid::dragEdgeTick);
}

void TGrid::setModel(Crossword model) {
  differing_.clear();
  conflictLines_ = {};
  cursorClue_ = {};
  model_ = std::move(model);
  checkpointMarks_ = CheckpointMarks(model_);
  viewChanged();
}

void TGrid::allocateTable() {
  model_.allocate(currentDimensions());
  viewChanged();
}

void TGrid::tableReshaped() {
  differing_.clear();
  crossedOff_.clear();
  checkpointMarks_ = CheckpointMarks(model_);
  viewChanged();
}

void TGrid::SetModified(bool flag) {
  model_.Modified = flag;
  historyChanged();
}

bool TGrid::CheckClueSums() {
  const StartCheck check = checkStart(model_);
  if (host_) host_->setStartEnabled(check.block != StartBlock::LineOverflows);
  if (check.block == StartBlock::None) return true;
  platform().messageBox({startRefusalText(check),
                         QCoreApplication::translate("jcw", "Японский кроссворд"), Buttons::Ok,
                         Icon::Exclamation, Answer::Ok});
  return false;
}

bool TGrid::LineFits() {
  const bool fits = model_.lineFits(model_.EditCursor.x, model_.EditCursor.y);
  if (!fits) platform().beep();
  refreshStart();
  return fits;
}

void TGrid::refreshStart() {
  if (host_) host_->setStartEnabled(noLineOverflows(model_));
}

bool TGrid::SelectClueCell(int x, int y) {
  if (!model_.inTable(x, y) || model_.kindAt(x, y) != ckClue) return false;
  model_.cell(x, y).State = csSelected;
  PaintCell(x, y);
  return true;
}

// --- the view --------------------------------------------------------------------------------

void TGrid::setCellSize(int cellSize) {
  view_.cellSize = heldCellSize(cellSize);
  viewChanged();
}

QSize TGrid::fieldSize() const {
  if (!model_.allocated()) return {};
  const Extent extent = fieldExtent(model_.dims(), view_.cellSize);
  return {extent.width, extent.height};
}

void TGrid::scrollTo(int x, int y) {
  FieldView scrolled = view_;
  scrolled.scrollX = x;
  scrolled.scrollY = y;
  scrolled = clampedScroll(scrolled);
  if (scrolled == view_) return;
  view_ = scrolled;
  const QSignalBlocker blockX(horizontal_);
  const QSignalBlocker blockY(vertical_);
  horizontal_->setValue(view_.scrollX);
  vertical_->setValue(view_.scrollY);
  invalidateField();
  reportView();
}

void TGrid::ensureVisible(int x, int y) {
  const FieldView shown = scrolledToShow(view_, x, y);
  scrollTo(shown.scrollX, shown.scrollY);
}

CellPos TGrid::CellAtPoint(int x, int y) const {
  if (!model_.allocated()) return {};
  return cellAtViewPoint(view_, x, y);
}

QRect TGrid::cellRect(int x, int y) const { return toQRect(cellBoxInView(view_, x, y)); }

void TGrid::viewChanged() {
  view_.dims = model_.allocated() ? model_.dims() : Dimensions{};
  placeScrollBars();
  invalidateField();
  reportView();
}

void TGrid::reportView() const {
  if (viewFile_.isEmpty() || !model_.allocated()) return;
  const QPoint origin = mapTo(window(), QPoint(0, 0));
  QSaveFile file(viewFile_);
  if (!file.open(QIODevice::WriteOnly)) return;
  file.write(QByteArray::fromStdString(viewReportLine({origin.x(), origin.y(), view_})));
  file.commit();
}

// A bar is needed along an axis when the field is longer than the widget, less the other bar
// where that one is needed.
void TGrid::placeScrollBars() {
  const QSize field = fieldSize();
  const int thickness = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  bool across = false;
  bool down = false;
  for (int pass = 0; pass < 2; ++pass) {
    across = field.width() > width() - (down ? thickness : 0);
    down = field.height() > height() - (across ? thickness : 0);
  }
  view_.width = std::max(0, width() - (down ? thickness : 0));
  view_.height = std::max(0, height() - (across ? thickness : 0));
  view_ = clampedScroll(view_);
  const QSignalBlocker blockX(horizontal_);
  const QSignalBlocker blockY(vertical_);
  horizontal_->setVisible(across);
  vertical_->setVisible(down);
  horizontal_->setGeometry(0, view_.height, view_.width, thickness);
  vertical_->setGeometry(view_.width, 0, thickness, view_.height);
  horizontal_->setRange(0, maxScrollX(view_));
  vertical_->setRange(0, maxScrollY(view_));
  const int step = view_.cellSize;
  horizontal_->setSingleStep(step);
  vertical_->setSingleStep(step);
  horizontal_->setPageStep(std::max(step, view_.width - frozenWidth(view_)));
  vertical_->setPageStep(std::max(step, view_.height - frozenHeight(view_)));
  horizontal_->setValue(view_.scrollX);
  vertical_->setValue(view_.scrollY);
}

// --- repainting what changed -----------------------------------------------------------------

void TGrid::repaintBox(const Rect& box, const Rect& pane) {
  const QRect dirty = toQRect(box) & toQRect(pane);
  if (dirty.isEmpty()) return;
  if (blank_) changedSinceBlank_ += dirty;
  update(dirty);
}

void TGrid::repaintCell(int x, int y) {
  if (!model_.allocated() || model_.kindAt(x, y) == ckNone) return;
  repaintBox(cellBoxInView(view_, x, y), paneOf(view_, x, y));
}

void TGrid::repaintColumnIndicator(int x) {
  if (!model_.allocated() || x < model_.firstPictureX() || x >= model_.W1()) return;
  repaintBox(columnIndicatorBoxInView(view_, x), paneOf(view_, x, 0));
}

void TGrid::repaintRowIndicator(int y) {
  if (!model_.allocated() || y < model_.firstPictureY() || y >= model_.H1()) return;
  repaintBox(rowIndicatorBoxInView(view_, y), paneOf(view_, 0, y));
}

void TGrid::PaintCell(int x, int y) { repaintCell(x, y); }

void TGrid::PaintField() { update(); }

void TGrid::PaintIndicators(int x, int y) {
  if (!IndErr) return;
  repaintColumnIndicator(x);
  repaintRowIndicator(y);
}

void TGrid::ClearIndicators() {
  for (int x = model_.firstPictureX(); x < model_.W1(); ++x) repaintColumnIndicator(x);
  for (int y = model_.firstPictureY(); y < model_.H1(); ++y) repaintRowIndicator(y);
}

void TGrid::repaintCross(CellPos at) {
  for (int y = model_.firstPictureY(); y < model_.H1(); ++y) repaintCell(at.x, y);
  for (int x = model_.firstPictureX(); x < model_.W1(); ++x) repaintCell(x, at.y);
}

void TGrid::PaintDigitalCross() {
  if (!model_.allocated() || !model_.isPicture(hover_.x, hover_.y)) return;
  crossShown_ = true;
  crossOn_ = true;
  repaintCross(hover_);
}

void TGrid::wipeDigitalCross() {
  if (!crossOn_) return;
  crossOn_ = false;
  repaintCross(hover_);
}

void TGrid::repaintClueCellsOfLines(CellPos lines) {
  for (int cy = 1; cy <= model_.dims().CapRowCount; ++cy) repaintCell(lines.x, cy);
  for (int cx = 1; cx <= model_.dims().CapColCount; ++cx) repaintCell(cx, lines.y);
}

void TGrid::highlightLines(int x, int y) {
  if (!model_.allocated() || !model_.isPicture(x, y)) return;
  removeHighlight();
  highlight_ = {x, y};
  repaintClueCellsOfLines(highlight_);
}

void TGrid::removeHighlight() {
  if (highlight_ == CellPos{}) return;
  const CellPos was = highlight_;
  highlight_ = {};
  repaintClueCellsOfLines(was);
}

bool TGrid::highlighted(int x, int y) const {
  if (highlight_ == CellPos{}) return false;
  return (x == highlight_.x && y <= model_.dims().CapRowCount) ||
         (y == highlight_.y && x <= model_.dims().CapColCount);
}

void TGrid::invalidateField() {
  blank_ = !(WindowActive || PaintOn);
  changedSinceBlank_ = QRegion();
  update();
}

// --- the overlay -----------------------------------------------------------------------------

std::size_t TGrid::differingIndex(int x, int y) const {
  return static_cast<std::size_t>(y) * model_.W1() + x;
}

bool TGrid::isDiffering(int x, int y) const {
  return !differing_.empty() && model_.inTable(x, y) && differing_[differingIndex(x, y)] == 1;
}

std::vector<std::uint8_t> TGrid::tableFlags(const std::vector<CellPos>& cells,
                                            CellKind kind) const {
  std::vector<std::uint8_t> flags;
  if (!model_.allocated()) return flags;
  for (const CellPos& cell : cells) {
    if (model_.kindAt(cell.x, cell.y) != kind) continue;
    if (flags.empty()) flags.assign(static_cast<std::size_t>(model_.W1()) * model_.H1(), 0);
    flags[differingIndex(cell.x, cell.y)] = 1;
  }
  return flags;
}

void TGrid::repaintFlagChanges(const std::vector<std::uint8_t>& was,
                               const std::vector<std::uint8_t>& now) {
  if (was.empty() && now.empty()) return;
  const auto at = [](const std::vector<std::uint8_t>& flags, std::size_t i) {
    return i < flags.size() && flags[i] != 0;
  };
  for (int x = 0; x < model_.W1(); ++x)
    for (int y = 0; y < model_.H1(); ++y)
      if (at(was, differingIndex(x, y)) != at(now, differingIndex(x, y))) repaintCell(x, y);
}

void TGrid::showDifferingCells(const std::vector<CellPos>& cells) { showPictureOverlay({}, cells); }

void TGrid::showPictureOverlay(const std::vector<CellPos>& open,
                               const std::vector<CellPos>& differing) {
  std::vector<std::uint8_t> shown = tableFlags(differing, ckPicture);
  const std::vector<std::uint8_t> dotted = tableFlags(open, ckPicture);
  if (shown.empty()) shown.assign(dotted.size(), 0);
  for (std::size_t i = 0; i < dotted.size(); ++i)
    if (dotted[i] != 0 && shown[i] == 0) shown[i] = 2;
  shown.swap(differing_);
  repaintFlagChanges(shown, differing_);
}

void TGrid::clearDifferingCells() {
  clearConflictLines();
  std::vector<std::uint8_t> shown;
  shown.swap(differing_);
  repaintFlagChanges(shown, differing_);
}

void TGrid::setCrossedOffClues(const std::vector<CellPos>& cells) {
  std::vector<std::uint8_t> shown = tableFlags(cells, ckClue);
  shown.swap(crossedOff_);
  repaintFlagChanges(shown, crossedOff_);
}

bool TGrid::isCrossedOff(int x, int y) const {
  return !crossedOff_.empty() && model_.inTable(x, y) && crossedOff_[differingIndex(x, y)] != 0;
}

// --- the aids --------------------------------------------------------------------------------

void TGrid::setAids(const AidOptions& aids) {
  const bool redraw = aids.emptyDots != aids_.emptyDots;
  aids_ = aids;
  setTintedLines(aids_.quietCrosshair ? tintedLines_ : CellPos{});
  if (redraw) invalidateField();
}

void TGrid::setTintedLines(CellPos at) {
  if (!aids_.quietCrosshair || !model_.allocated() || !model_.isPicture(at.x, at.y)) at = {};
  if (at == tintedLines_) return;
  if (tintedLines_ != CellPos{}) repaintCross(tintedLines_);
  tintedLines_ = at;
  if (tintedLines_ != CellPos{}) repaintCross(tintedLines_);
}

bool TGrid::tinted(int x, int y) const {
  return tintedLines_ != CellPos{} && (x == tintedLines_.x || y == tintedLines_.y);
}

// --- drawing ---------------------------------------------------------------------------------


const CellFont& TGrid::currentFont() {
  if (cellFont_.cellSize() != view_.cellSize) cellFont_ = CellFont(view_.cellSize);
  return cellFont_;
}

// Frames as whole lines along the pane's stretch of the table: the frame of every cell lies on
// its box's border pixels, which neighbours share, so a line per column edge and per row edge
// draws them all at once. The indicator row and column have no frames.
void TGrid::drawFrameLines(QPainter& painter, const LineSpan& columns, const LineSpan& rows) {
  const int firstX = std::max(columns.first, 1);
  const int firstY = std::max(rows.first, 1);
  if (firstX > columns.last || firstY > rows.last) return;
  const CellKind kind = model_.kindAt(firstX, firstY);
  if (kind == ckNone) return;
  TCell sample;
  sample.Kind = kind;
  const QColor color = cellFrameColor(sample);
  const QRect topLeft = cellRect(firstX, firstY);
  const QRect bottomRight = cellRect(columns.last, rows.last);
  const int height = bottomRight.bottom() - topLeft.top() + 1;
  const int width = bottomRight.right() - topLeft.left() + 1;
  for (int x = firstX; x <= columns.last; ++x) {
    const QRect box = cellRect(x, firstY);
    painter.fillRect(box.left(), topLeft.top(), 1, height, color);
    painter.fillRect(box.right(), topLeft.top(), 1, height, color);
  }
  for (int y = firstY; y <= rows.last; ++y) {
    const QRect box = cellRect(firstX, y);
    painter.fillRect(topLeft.left(), box.top(), width, 1, color);
    painter.fillRect(topLeft.left(), box.bottom(), width, 1, color);
  }
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

void TGrid::drawOpenCell(QPainter& painter, const QRect& box) {
  const int radius = std::max(1, box.width() / 8);
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(differingCellColor());
  painter.drawEllipse(box.center(), radius, radius);
  painter.restore();
}

void TGrid::drawIndicator(QPainter& painter, const Rect& box, int status) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(indicatorColor(IndErr ? status : lsIncomplete));
  painter.drawEllipse(toQRect(box));
}

void TGrid::drawCross(QPainter& painter, const LineSpan& columns, const LineSpan& rows) {
  if (!crossOn_) return;
  // Run lengths along a line from its first picture cell, each compared with the cell before.
  const auto runs = [&](CellPos first, int dx, int dy, int count) {
    std::vector<int> run(static_cast<std::size_t>(count));
    int length = 0;
    for (int i = 0; i < count; ++i) {
      const CellPos at{first.x + i * dx, first.y + i * dy};
      const bool same = model_.cell(at.x, at.y).State == model_.cell(at.x - dx, at.y - dy).State;
      length = same ? length + 1 : 1;
      run[static_cast<std::size_t>(i)] = length;
    }
    return run;
  };
  const auto drawRun = [&](int x, int y, int length) {
    if (CellPos{x, y} == hover_) return;
    const QRect box = toQRect(cellBoxInView(view_, x, y));
    currentFont().draw(painter, box, QString::number(length),
                       crossDigitColor(model_.cell(x, y).State));
  };
  const int top = model_.firstPictureY();
  const int left = model_.firstPictureX();
  if (hover_.x >= columns.first && hover_.x <= columns.last) {
    const std::vector<int> column = runs({hover_.x, top}, 0, 1, model_.H1() - top);
    for (int y = std::max(rows.first, top); y <= rows.last; ++y)
      drawRun(hover_.x, y, column[static_cast<std::size_t>(y - top)]);
  }
  if (hover_.y >= rows.first && hover_.y <= rows.last) {
    const std::vector<int> row = runs({left, hover_.y}, 1, 0, model_.W1() - left);
    for (int x = std::max(columns.first, left); x <= columns.last; ++x)
      drawRun(x, hover_.y, row[static_cast<std::size_t>(x - left)]);
  }
}

// One pane, `clip` inside it, over the background: the fills inside the frames, the frames, what
// lies on the cells, the indicators and the cross. The solved picture has no frames: each cell
// fills its whole box, x outer and y inner, so that a shared border pixel shows the cell drawn
// last, as it always has.
void TGrid::drawPane(QPainter& painter, const QRect& clip) {
  painter.setClipRect(clip);
  const LineSpan columns = columnsIn(view_, clip.left(), clip.right() + 1);
  const LineSpan rows = rowsIn(view_, clip.top(), clip.bottom() + 1);
  const CellFills fills = currentCellFills();
  const QColor& background = fills.picture[csBlank];
  const bool viewMode = CurrentMode == kViewMode;
  for (int x = columns.first; x <= columns.last; ++x) {
    for (int y = rows.first; y <= rows.last; ++y) {
      const CellKind kind = model_.kindAt(x, y);
      if (viewMode ? kind != ckPicture : kind == ckNone) continue;
      const std::uint8_t state =
          highlighted(x, y) ? std::uint8_t{csHover} : model_.cell(x, y).State;
      const bool tint = !viewMode && kind == ckPicture && tinted(x, y);
      const bool lineTint = kind == ckPicture && state == csBlank && inCursorLine(x, y);
      const QColor fill = lineTint ? cursorLineColor()
                          : tint   ? crosshairTint(fills.of(kind, state))
                                   : fills.of(kind, state);
      const QRect box = cellRect(x, y);
      if (viewMode)
        painter.fillRect(box, fill);
      else if (fill != background)
        painter.fillRect(box.adjusted(1, 1, -1, -1), fill);
      if (!viewMode && aids_.emptyDots && kind == ckPicture && state == csEmpty)
        drawEmptyDot(painter, box, emptyDotColor());
      drawCheckpointMark(painter, box, checkpointMarks_.at(x, y), fill);
    }
  }
  if (!viewMode) drawFrameLines(painter, columns, rows);
  CellLook look{background, std::nullopt, false, windowTextColor()};
  for (int x = columns.first; x <= columns.last; ++x) {
    for (int y = rows.first; y <= rows.last; ++y) {
      // Only clue cells carry a number or the cursor's edge; any cell may be hatched.
      const std::uint8_t overlay =
          differing_.empty() ? 0 : differing_[differingIndex(x, y)];
      if (overlay == 0 && (viewMode || model_.kindAt(x, y) != ckClue)) continue;
      const TCell& cell = model_.cell(x, y);
      const QRect box = cellRect(x, y);
      look.sunken = cell.Kind == ckClue && cell.State == csSelected;
      const bool crossedOff = isCrossedOff(x, y);
      look.text = clueLineFlagged(x, y) ? flaggedClueColor()
                  : crossedOff          ? crossedOffClueColor()
                                        : windowTextColor();
      drawCellContent(painter, box, cell, currentFont(), look);
      if (crossedOff) drawStrike(painter, box, crossedOffClueColor());
      if (overlay == 1) drawDiffering(painter, box);
      if (overlay == 2) drawOpenCell(painter, box);
    }
  }
  if (viewMode) return;
  const int firstX = std::max(columns.first, model_.firstPictureX());
  const int firstY = std::max(rows.first, model_.firstPictureY());
  if (rows.first == 0)
    for (int x = firstX; x <= columns.last; ++x)
      drawIndicator(painter, columnIndicatorBoxInView(view_, x), model_.columnStatus(x));
  if (columns.first == 0)
    for (int y = firstY; y <= rows.last; ++y)
      drawIndicator(painter, rowIndicatorBoxInView(view_, y), model_.rowStatus(y));
  drawCross(painter, columns, rows);
}

void TGrid::paintView(QPainter& painter, const QRect& exposed) {
  painter.fillRect(exposed, buttonFaceColor());
  if (!model_.allocated()) return;
  const QRect shown = exposed & QRect(0, 0, view_.width, view_.height);
  const int splitX = std::min(frozenWidth(view_), view_.width);
  const int splitY = std::min(frozenHeight(view_), view_.height);
  const QRect panes[] = {QRect(QPoint(0, 0), QPoint(splitX - 1, splitY - 1)),
                         QRect(QPoint(splitX, 0), QPoint(view_.width - 1, splitY - 1)),
                         QRect(QPoint(0, splitY), QPoint(splitX - 1, view_.height - 1)),
                         QRect(QPoint(splitX, splitY), QPoint(view_.width - 1, view_.height - 1))};
  painter.save();
  for (const QRect& pane : panes)
    if (const QRect clip = pane & shown; !clip.isEmpty()) drawPane(painter, clip);
  painter.restore();
  drawCursorStatus(painter, shown);
}

void TGrid::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (!blank_) {
    paintView(painter, event->rect());
    return;
  }
  painter.fillRect(event->rect(), buttonFaceColor());
  for (const QRect& changed : changedSinceBlank_ & event->region()) paintView(painter, changed);
}

void TGrid::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  viewChanged();
}

void TGrid::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  reportView();
}

void TGrid::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  invalidateField();
}

}  // namespace jcw
