#include "mainwindow/qt/WindowLayout.h"

#include <QApplication>
#include <algorithm>
#include <QScopedValueRollback>
#include <QStyle>
#include <QWidget>

#include "field/ViewState.h"
#include "field/qt/TGrid.h"
#include "mainwindow/CellLayout.h"
#include "mainwindow/MainState.h"
#include "mainwindow/qt/ToolPanel.h"
#include "model/Dimensions.h"
#include "platform/qt/Platform.h"
#include "settings/Options.h"

namespace jcw {

WindowLayout::WindowLayout(QWidget& window, ToolPanel& panel, QWidget& mainBtn)
    : window_(window),
      panel_(panel),
      mainBtn_(mainBtn),
      moveLoop_([this] { BeginMove(); }, [this] { EndMove(); }, kMoveLoopQuietMs) {
  clock_.start();
  frameWatch_.setInterval(kFrameCheckMs);
  QObject::connect(&frameWatch_, &QTimer::timeout, &window_, [this] { checkFrame(); });
}

void WindowLayout::setField(TGrid* field) {
  field_ = field;
  zoom_ = {};
  cellSize_ = 0;
}

int WindowLayout::readableMinimum() const {
  constexpr double kBaseDpi = 96.0;
  const double scale = window_.logicalDpiX() / kBaseDpi;
  return std::max(1, static_cast<int>(MinCellSize * scale + 0.5));
}

QSize WindowLayout::workRoom() const { return platform().workArea().size() - frameExtra(); }

CellLayout WindowLayout::zoomed(const CellLayout& fit, QSize room) const {
  const int cellSize = zoomedCellSize(zoom_, fit.cellSize, readableMinimum());
  if (cellSize == fit.cellSize) return fit;
  const int scrollBar = window_.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  return fitOrScroll(room.width(), room.height(), FieldLeft, FieldTop, currentDimensions(),
                     cellSize, scrollBar);
}

void WindowLayout::useDefaultClient() { setClientSize(kDefaultClient); }

void WindowLayout::fitToWorkArea() {
  const QRect work = platform().workArea();
  const QSize room = workRoom();
  const CellLayout layout = zoomed(
      fitCellLayout(room.width(), room.height(), FieldLeft, FieldTop, currentDimensions()), room);
  LayoutReady = false;
  setClientSize({layout.clientWidth, layout.clientHeight});
  LayoutReady = true;
  FrmResizeEnd();
  const QSize outer = client_ + frameExtra();
  QScopedValueRollback applying(applyingGeometry_, true);
  window_.move(centredStart(work.left(), work.width(), outer.width()),
               centredStart(work.top(), work.height(), outer.height()));
  requestedPos_ = window_.pos();
}

void WindowLayout::zoom(ZoomStep step, QPoint anchor) {
  const FieldView before = field_->view();
  const ZoomAnchor held = anchorAt(before, anchor.x(), anchor.y());
  const QPoint onScreen = field_->mapToGlobal(anchor);
  switch (step) {
    case ZoomStep::In: zoom_ = {Zoom::Mode::Fixed, zoomedIn(before.cellSize)}; break;
    case ZoomStep::Out: zoom_ = {Zoom::Mode::Fixed, zoomedOut(before.cellSize)}; break;
    case ZoomStep::Whole: zoom_ = {Zoom::Mode::Whole}; break;
  }
  fitToWorkArea();
  const QPoint at = field_->mapFromGlobal(onScreen);
  const FieldView after = anchoredView(field_->view(), held, at.x(), at.y());
  field_->scrollTo(after.scrollX, after.scrollY);
}

void WindowLayout::layOutShownField() {
  if (Maximize)
    fitToWorkArea();
  else
    useDefaultClient();
  applyCellSize(GetCellSize());
  field_->show();
  ShowTools();
}

void WindowLayout::wrapField() {
  setClientSize({field_->width() + field_->x(), client_.height()});
}

QSize WindowLayout::frameExtra() const {
  const QSize own = window_.frameGeometry().size() - window_.geometry().size();
  if (!own.isEmpty()) return own;
  for (const QWidget* other : QApplication::topLevelWidgets()) {
    const QSize extra = other->frameGeometry().size() - other->geometry().size();
    if (other != &window_ && other->isVisible() && !extra.isEmpty()) return extra;
  }
  return own;
}

void WindowLayout::watchFrame() {
  frameChecks_ = 0;
  frameWatch_.start();
}

// Until the window manager has framed the window (or for kFrameChecks ticks), then once: a frame
// that does not lie inside the work area is laid out or moved into it.
void WindowLayout::checkFrame() {
  const bool framed = window_.frameGeometry() != window_.geometry();
  if (!framed && ++frameChecks_ < kFrameChecks) return;
  frameWatch_.stop();
  const QRect work = platform().workArea();
  const QRect frame = window_.frameGeometry();
  if (!window_.isVisible() || work.contains(frame)) return;
  if (frame.width() > work.width() || frame.height() > work.height()) {
    fitToWorkArea();
    return;
  }
  const QPoint inside(std::clamp(frame.left(), work.left(), work.right() - frame.width() + 1),
                      std::clamp(frame.top(), work.top(), work.bottom() - frame.height() + 1));
  QScopedValueRollback applying(applyingGeometry_, true);
  window_.move(inside);
  requestedPos_ = window_.pos();
}

void WindowLayout::setClientSize(QSize size) {
  if (size == client_ && size == window_.size()) return;
  client_ = size;
  echoes_.requested(size.width(), size.height(), clock_.elapsed());
  {
    QScopedValueRollback applying(applyingGeometry_, true);
    window_.resize(size);
  }
  panel_.dock(panel_.side(), client_);
  // Our own size change gets the same handling as the user's.
  if (LayoutReady) FrmResizeEnd();
}

void WindowLayout::placeField(int width, int height) {
  field_->setGeometry(FieldLeft, FieldTop, width, height);
}

void WindowLayout::placeMainBtn() {
  const Rect corner = cornerBlockInView(field_->view());
  mainBtn_.setGeometry(FieldLeft + corner.left, FieldTop + corner.top, corner.width(),
                       corner.height());
  mainBtn_.raise();
}

void WindowLayout::applyCellSize(int cellSize) {
  cellSize_ = cellSize;
  field_->setCellSize(cellSize);
}

int WindowLayout::GetCellSize() {
  const CellLayout fit =
      jcw::GetCellSize(client_.width(), client_.height(), FieldLeft, FieldTop, currentDimensions());
  const CellLayout layout = zoomed(fit, client_.boundedTo(workRoom()));
  placeField(layout.fieldWidth, layout.fieldHeight);
  setClientSize({layout.clientWidth, layout.clientHeight});
  return layout.cellSize;
}

void WindowLayout::FrmResizeEnd() {
  // GetCellSize resizes the window, which comes back here; the outer call finishes the job.
  if (!LayoutReady || inResizeEnd_) return;
  QScopedValueRollback running(inResizeEnd_, true);
  applyCellSize(GetCellSize());
  placeMainBtn();
  if (CurrentMode == kEditorMode) {
    const CellPos cursor = field_->model().EditCursor;
    field_->SelectClueCell(cursor.x, cursor.y);
  }
}

void WindowLayout::ShowTools() {
  if (ShowToolPanel) {
    const QRect work = platform().workArea();
    const QSize outer = client_ + frameExtra();
    if (toolSide(work.width() - outer.width(), work.height() - outer.height()) == ToolSide::Left)
      SetToolsLeft();
    else
      SetToolsTop();
    panel_.show();
  } else {
    panel_.hide();
    FieldLeft = 0;
    FieldTop = 0;
  }
  field_->move(FieldLeft, FieldTop);
  // While the layout is not ready nothing else gives the field a changed cell size.
  if (const int cellSize = GetCellSize(); cellSize != cellSize_) applyCellSize(cellSize);
  placeMainBtn();
}

void WindowLayout::SetToolsTop() {
  panel_.dock(ToolSide::Top, client_);
  FieldLeft = 0;
  FieldTop = ToolPanel::kTopThickness;
  panel_.raise();
  setClientSize(client_ + QSize(0, ToolPanel::kTopThickness));
}

void WindowLayout::SetToolsLeft() {
  panel_.dock(ToolSide::Left, client_);
  FieldLeft = ToolPanel::kLeftThickness;
  FieldTop = 0;
  panel_.raise();
  setClientSize(client_ + QSize(ToolPanel::kLeftThickness, 0));
}

// X11 has no messages for the start and end of a move or size loop: every change the user
// makes feeds MoveLoop, which calls BeginMove at the first and EndMove once the window has been
// still for kMoveLoopQuietMs. Our own requests, and their late echoes, are no user's changes.
void WindowLayout::MinMax(QSize size) {
  if (applyingGeometry_ || echoes_.isEcho(size.width(), size.height(), clock_.elapsed())) return;
  client_ = size;
  if (window_.isVisible()) moveLoop_.windowChanged();
  FrmResizeEnd();
}

void WindowLayout::windowMoved() {
  if (!window_.isVisible() || applyingGeometry_ || window_.pos() == requestedPos_) return;
  moveLoop_.windowChanged();
}

void WindowLayout::BeginMove() { WindowActive = false; }

void WindowLayout::EndMove() {
  WindowActive = true;
  ShowTools();  // the panel may change sides for the new window size
  FrmResizeEnd();
  if (!PaintOn) field_->invalidateField();
}

}  // namespace jcw
