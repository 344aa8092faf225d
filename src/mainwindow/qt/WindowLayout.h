#pragma once
// WindowLayout: the main window's geometry. Where the crossword fits the room at a readable cell
// size, the client area is the field plus the tool panel: every layout step computes the cell
// size from the client area, sizes the field and then the window to wrap it. Where it does not
// (cells held at the readable minimum, or zoomed in), the window keeps the room, at most the work
// area, and the field scrolls. The menu button stays over the field's corner block. It also
// recognises the user's moves and resizes (X11 reports no move or size loop) and lays the window
// out again when one ends, and keeps the window's frame on screen once the window manager says
// how large the frame is.
//
// Owned by the main window, whose widgets it places; it never outlives them. The field is handed
// in anew whenever the window replaces it. UI thread only.

#include <QElapsedTimer>
#include <QPoint>
#include <QSize>
#include <QTimer>

#include "field/FieldHost.h"
#include "field/Zoom.h"
#include "mainwindow/CellLayout.h"

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
  // How often, and how many times at most, a newly shown window looks for its frame.
  static constexpr int kFrameCheckMs = 50;
  static constexpr int kFrameChecks = 60;

  WindowLayout(QWidget& window, ToolPanel& panel, QWidget& mainBtn);

  // The field to lay out from now on, at the readable zoom; its cell size is set at the next
  // layout step.
  void setField(TGrid* field);

  // The client area of kDefaultClient, as a window shown without the maximum size option.
  void useDefaultClient();
  // The largest cells for which the whole window, frame and panel included, fits the work area,
  // or the cells the zoom asks for; the window wraps them, or takes the work area when they do
  // not fit, and is centred there.
  void fitToWorkArea();
  // Larger or smaller cells, or the whole crossword; field pixel `anchor` stays where it is on
  // screen as far as scrolling can keep it there.
  void zoom(ZoomStep step, QPoint anchor);
  const Zoom& currentZoom() const { return zoom_; }
  // The show step's layout, once the field has its table: the client area by the maximum size
  // option, the cell size for it, the field shown and the tool panel placed.
  void layOutShownField();
  // The client width taken from where the field ends (after a mode switch moved the field).
  void wrapField();

  // Cell size for the client area and the zoom; places the field and sizes the window to wrap
  // it, or keeps the window and lets the field scroll.
  int GetCellSize();
  // Lays the field out again for the current client area (a resize that ended, our own too).
  void FrmResizeEnd();
  // The tool panel shown on the side with more spare screen room, or hidden (the ShowToolPanel
  // option); the field moves beside it and is laid out again.
  void ShowTools();
  void SetToolsTop();
  void SetToolsLeft();
  // MainBtn over the corner block: CapColCount x CapRowCount cells, one cell in from the
  // field's top-left corner, as much of it as the frozen panes show.
  void placeMainBtn();

  // The window's resize and move events.
  void MinMax(QSize size);
  void windowMoved();
  // The window has just been shown: its frame's real size arrives from the window manager
  // later, and the window is then kept inside the work area.
  void watchFrame();

 private:
  void BeginMove();
  void EndMove();
  // The client area the layout works with, applied to the window at once.
  void setClientSize(QSize size);
  // The frame's extra size; before the window manager has framed the window, that of another
  // framed window of the program.
  QSize frameExtra() const;
  void placeField(int width, int height);
  void applyCellSize(int cellSize);
  // The readable minimum in pixels for the screen's density.
  int readableMinimum() const;
  // `fit` (the largest cells that fit `room`) as the zoom would have it.
  CellLayout zoomed(const CellLayout& fit, QSize room) const;
  QSize workRoom() const;  // the work area less the frame
  void checkFrame();

  QWidget& window_;
  ToolPanel& panel_;
  QWidget& mainBtn_;
  TGrid* field_ = nullptr;

  QSize client_;
  Zoom zoom_;
  int cellSize_ = 0;  // the cell size of the last layout step
  bool inResizeEnd_ = false;
  bool applyingGeometry_ = false;
  QPoint requestedPos_;  // where the window last placed itself
  ResizeEchoes echoes_;
  QElapsedTimer clock_;
  MoveLoop moveLoop_;
  QTimer frameWatch_;
  int frameChecks_ = 0;
};

}  // namespace jcw
