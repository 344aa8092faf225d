#pragma once
// WindowLayout: the main window's geometry. The client area is always the field plus the tool
// panel: every layout step computes the cell size from the client area, sizes the field and then
// the window to wrap it, and puts the menu button over the field's corner block. It also
// recognises the user's moves and resizes (X11 reports no move or size loop) and lays the window
// out again when one ends.
//
// Owned by the main window, whose widgets it places; it never outlives them. The field is handed
// in anew whenever the window replaces it. UI thread only.

#include <QElapsedTimer>
#include <QPoint>
#include <QSize>

#include "mainwindow/ResizeEchoes.h"
#include "mainwindow/qt/MoveLoop.h"

class QWidget;

namespace jcw {

class TGrid;
class ToolPanel;

class WindowLayout {
 public:
  // A move loop ends when the window has not moved or changed size for this long.
  static constexpr int kMoveLoopQuietMs = 300;
  // Client size when the maximum field size option is off.
  static constexpr QSize kDefaultClient{650, 490};

  WindowLayout(QWidget& window, ToolPanel& panel, QWidget& mainBtn);

  // The field to lay out from now on; its regions are built at the next layout step.
  void setField(TGrid* field);

  // The client area of kDefaultClient, as a window shown without the maximum size option.
  void useDefaultClient();
  // The largest cells for which the whole window, frame and panel included, fits the work area;
  // the window wraps them and is centred there.
  void fitToWorkArea();
  // The show step's layout, once the field has its table: the client area by the maximum size
  // option, the cell size and regions for it, the field shown and the tool panel placed.
  void layOutShownField();
  // The client width taken from where the field ends (after a mode switch moved the field).
  void wrapField();

  // Cell size for the client area; places the field and sizes the window to wrap it.
  int GetCellSize();
  // Lays the field out again for the current client area (a resize that ended, our own too).
  void FrmResizeEnd();
  // The tool panel shown on the side with more spare screen room, or hidden (the ShowToolPanel
  // option); the field moves beside it and is laid out again.
  void ShowTools();
  void SetToolsTop();
  void SetToolsLeft();
  // MainBtn over the corner block: CapColCount x CapRowCount cells, one cell in from the
  // field's top-left corner.
  void placeMainBtn();

  // The window's resize and move events.
  void MinMax(QSize size);
  void windowMoved();

 private:
  void BeginMove();
  void EndMove();
  // The client area the layout works with, applied to the window at once.
  void setClientSize(QSize size);
  QSize frameExtra() const;
  void placeField(int width, int height);
  void rebuildRegions();

  QWidget& window_;
  ToolPanel& panel_;
  QWidget& mainBtn_;
  TGrid* field_ = nullptr;

  QSize client_;
  int regionCellSize_ = 0;  // CellSize the field's regions were last built for
  bool inResizeEnd_ = false;
  bool applyingGeometry_ = false;
  QPoint requestedPos_;  // where the window last placed itself
  ResizeEchoes echoes_;
  QElapsedTimer clock_;
  MoveLoop moveLoop_;
};

}  // namespace jcw
