#include "mainwindow/qt/WindowLayout.h"

#include <QScopedValueRollback>
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
}

void WindowLayout::setField(TGrid* field) {
  field_ = field;
  regionCellSize_ = 0;
}

void WindowLayout::useDefaultClient() { setClientSize(kDefaultClient); }

void WindowLayout::fitToWorkArea() {
  const QRect work = platform().workArea();
  const QSize room = work.size() - frameExtra();
  const CellLayout fit =
      fitCellLayout(room.width(), room.height(), FieldLeft, FieldTop, currentDimensions());
  LayoutReady = false;
  setClientSize({fit.clientWidth, fit.clientHeight});
  LayoutReady = true;
  FrmResizeEnd();
  const QSize outer = client_ + frameExtra();
  QScopedValueRollback applying(applyingGeometry_, true);
  window_.move(centredStart(work.left(), work.width(), outer.width()),
               centredStart(work.top(), work.height(), outer.height()));
  requestedPos_ = window_.pos();
}

void WindowLayout::layOutShownField() {
  if (Maximize)
    fitToWorkArea();
  else
    useDefaultClient();
  CellSize = GetCellSize();
  rebuildRegions();
  field_->show();
  ShowTools();
}

void WindowLayout::wrapField() {
  setClientSize({field_->width() + field_->x(), client_.height()});
}

QSize WindowLayout::frameExtra() const {
  return window_.frameGeometry().size() - window_.geometry().size();
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
  mainBtn_.setGeometry(FieldLeft + CellSize, FieldTop + CellSize, CapColCount * CellSize,
                       CapRowCount * CellSize);
  mainBtn_.raise();
}

void WindowLayout::rebuildRegions() {
  field_->FreeCellRegions();
  field_->BuildCellRegions();
  regionCellSize_ = CellSize;
}

int WindowLayout::GetCellSize() {
  const CellLayout layout =
      jcw::GetCellSize(client_.width(), client_.height(), FieldLeft, FieldTop, currentDimensions());
  placeField(layout.fieldWidth, layout.fieldHeight);
  setClientSize({layout.clientWidth, layout.clientHeight});
  return layout.cellSize;
}

void WindowLayout::FrmResizeEnd() {
  // GetCellSize resizes the window, which comes back here; the outer call finishes the job.
  if (!LayoutReady || inResizeEnd_) return;
  QScopedValueRollback running(inResizeEnd_, true);
  CellSize = GetCellSize();
  rebuildRegions();
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
  CellSize = GetCellSize();
  // While the layout is not ready nothing else rebuilds the regions for a changed cell size.
  if (CellSize != regionCellSize_) rebuildRegions();
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
