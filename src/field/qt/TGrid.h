#pragma once
// TGrid: the field control. Owns the crossword model and draws it cell by cell into a backing
// image; paintEvent only copies that image. The model is the core Crossword; this class adds
// what touches the screen (painting, the beep and message boxes through the platform layer, the
// commands of its host window). UI thread only.

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "field/CheckpointMarks.h"
#include "field/FieldHost.h"
#include "field/qt/CellFont.h"
#include "field/KeyInput.h"
#include "field/MouseInput.h"
#include "model/Crossword.h"

namespace jcw {

class TGrid : public QWidget {
  Q_OBJECT

 public:
  explicit TGrid(QWidget* parent = nullptr);

  // The window whose commands and buttons the field drives; may be null (then nothing is asked).
  void setHost(FieldHost* host) { host_ = host; }

  Crossword& model() { return model_; }
  const Crossword& model() const { return model_; }
  // Takes a loaded crossword as the field's model (the table comes with it).
  void setModel(Crossword model);

  // Table allocation for the process-wide dimensions (contents kept when the shape is the same).
  void allocateTable();

  // Regions, kinds and Col/Row for the current CellSize (held at 1 when below); clue cells'
  // state reset to 0. Also grows or shrinks the backing image to the field's size (or the
  // widget's, when larger); a resized image starts as bare panel background.
  void BuildCellRegions();
  // Every cell loses its region: nothing paints and nothing is hit until the next build.
  void FreeCellRegions();
  // Pixel size the field needs for the current CellSize (right and bottom edge, exclusive);
  // empty while no table is allocated.
  QSize fieldSize() const;
  // (Col, Row) of the clue or picture cell under client point (x, y); (0, 0) for none. On a
  // shared border pixel the smaller x, then the smaller y wins; indicators are never hit.
  CellPos CellAtPoint(int x, int y) const;

  // Paints clue or picture cell (x, y) in its current state into the image and asks Qt to show
  // that rectangle. Cells without a region, indicators and positions outside the table paint
  // nothing. Frames are left out in view mode.
  void PaintCell(int x, int y);
  // View mode: every picture cell, nothing else. Other modes: every cell, then the indicators
  // of every picture column and row. Does not raise other widgets: the field never draws over
  // its siblings, so a host keeps its menu button above the field by raising it once after it
  // places the field.
  void PaintField();
  // Unless IndErr is off: the indicators of column x and row y in their status colour. A header
  // index for either line paints nothing for that line.
  void PaintIndicators(int x, int y);
  // Every indicator in the neutral colour, whatever IndErr says.
  void ClearIndicators();
  // Run lengths drawn into the column and row of HoverCell, counted from the top (left), white
  // on filled cells and red on others, the hovered cell itself skipped. The digits go into the
  // image over the cells and vanish when those cells are painted again. Draws nothing while
  // HoverCell is not a picture cell (before the mouse has been over the picture).
  void PaintDigitalCross();
  // Hover highlight of the clue cells of the lines through picture cell (x, y): each is painted
  // in the highlight colour and keeps its state. removeHighlight paints them in their state.
  void highlightLines(int x, int y);
  void removeHighlight(int x, int y);
  // Asks for a full paint of the widget: the image is cleared to the panel background and, if
  // WindowActive or PaintOn is set, PaintField runs. A show or resize of the widget does the
  // same; any other paint only shows the image. Hosts call this after a mode switch, a clear
  // or a load.
  void invalidateField();

  void UpdateLineStatus(int x, int y) { model_.UpdateLineStatus(x, y); }
  // Clue-sum check before solving: false at once while Start is disabled; on unequal sums the
  // message box, Start disabled, false.
  bool CheckClueSums();
  // Line check of the editor cursor's line: disables Start, then enables it if the line fits,
  // else beeps. Returns whether it fits.
  bool LineFits();

  bool IsModified() const { return model_.IsModified(); }
  // Modified (clues typed since the save) := flag; the host's commands follow.
  void SetModified(bool flag);
  // Tells the host that what is unsaved, undoable or redoable may have changed; clears the
  // ambiguity overlay, which showed the crossword as it was.
  void historyChanged();

  // If (x, y) is a clue cell: state 1 and repaint; returns true. Otherwise leaves it alone.
  bool SelectClueCell(int x, int y);

  // The ambiguity overlay: picture cells (table positions) where two pictures that fit the clues
  // differ, drawn hatched in a colour no mark uses until clearDifferingCells. Not marks: not
  // saved, not in the history. A mark, an erasure, an undo, SetModified and a new model clear
  // it; the host clears it at every command and mode change.
  void showDifferingCells(const std::vector<CellPos>& cells);
  void clearDifferingCells();
  bool isDiffering(int x, int y) const;

  bool CrossShown() const { return crossShown_; }
  // The backing image (tests read pixels from it).
  const QImage& image() const { return image_; }

  // Mouse marking and undo (TGridMouse.cpp); keyboard, editor cursor and clue entry
  // (TGridKeys.cpp). The event handlers reduce an event to plain input values, let
  // interpretMouse or interpretKeyPress decide and carry out the decision.
 public:
  // Marks undecided picture cell (x, y), or beeps when it is marked already; then repaints it,
  // re-evaluates its lines and switches the host to view mode when the crossword is solved.
  void MarkCell(int x, int y, bool fill);
  // Erases marked picture cell (x, y), recorded in the history; anything else is left alone.
  void EraseCell(int x, int y);
  // Solving mode: restores the cells of the last step (Redo: makes the next step again), moves
  // the pointer to the middle of the step's first cell and tells the host. The cells' lines are
  // not re-evaluated.
  void Undo();
  void Redo();
  // Records a change of many picture cells (a hint, a solve) as one step, `before` being the
  // model's pictureStates() from before the change; the host is told if any cell changed.
  void recordPictureChange(const std::vector<std::uint8_t>& before);
  // Solving mode: a checkpoint at the present position; back to the newest one as one step
  // (lines re-evaluated); the newest one dropped, the marks kept.
  void SetCheckpoint();
  void ReturnToCheckpoint();
  void AcceptCheckpoint();
  // Moves the editor cursor right or down, as NextDirect and the cursor's kind of clue cell say.
  void AdvanceCursor();

 protected:
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  // Tab stays in the field.
  bool focusNextPrevChild(bool next) override;

 private:
  // The checkpoint marks anew from the model; the cells whose mark changed repainted.
  void refreshCheckpointMarks();
  // Undo or Redo: `move` is Crossword::undo or Crossword::redo.
  void moveInHistory(HistoryStep (Crossword::*move)());
  void handleMouse(MouseEvent kind, const QMouseEvent& event);
  // `cell` is the cell under the pointer (HoverCell for a leave).
  void applyMouse(const MouseDecision& decision, CellPos cell);
  // Repaints the picture cells of HoverCell's column and row if a cross may be drawn there.
  void wipeDigitalCross();
  // MSG_MOVE_CURSOR.
  void moveEditCursor(int wParam, int lParam);
  KeyContext keyContext() const;
  // False when the command destroyed the field: then nothing of it may be touched.
  bool runKeyCommand(KeyCommand command);
  // On the cell at EditCursor.
  void runEditorKey(const EditorKeyDecision& key, bool ctrlHeld);
  void typeDigit(char digit, bool ctrlHeld);
  // Runs a host command that may destroy this field (New and Load replace it, the main menu
  // reaches both); false when the field is gone, and then nothing of it may be touched.
  bool runHostCommand(void (FieldHost::*command)());

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // The cell at (x, y) if the table has one there and it has a region; else null.
  const TCell* cellWithRegion(int x, int y) const;
  // Drawing into the image, for callers that hold the painter; each returns what it touched.
  QRect drawCell(QPainter& painter, int x, int y);
  void drawDiffering(QPainter& painter, const QRect& box);
  std::size_t differingIndex(int x, int y) const;  // row by row over the whole table
  QRect drawIndicator(QPainter& painter, int x, int y, const QColor& color);
  // The indicator of column x (row y) in its line's status colour or neutral; nothing for an
  // index outside the table.
  QRect drawColumnIndicator(QPainter& painter, int x, bool inStatusColour);
  QRect drawRowIndicator(QPainter& painter, int y, bool inStatusColour);
  QRect drawIndicators(QPainter& painter, bool inStatusColour);
  // Digital cross digits from cell `first` in steps of (dx, dy) to the table's edge, each run
  // compared with the cell one step before; the cell at `skip` gets none.
  QRect drawRuns(QPainter& painter, CellPos first, int dx, int dy, CellPos skip);
  // The clue and cross font for the present cell size, remade when that changes.
  const CellFont& currentFont();
  void drawField(QPainter& painter);
  // True iff there is an image to draw into and a table to draw from.
  bool canPaint() const;
  void repaintClueCellsOfLines(int x, int y, bool highlighted);
  // Clears the image to the panel background, then draws the field if WindowActive or PaintOn.
  void fullPaint();
  void fitImage();
  int cellSize() const;

  FieldHost* host_ = nullptr;
  Crossword model_;
  QImage image_;
  CellFont cellFont_;  // for the cell size it was made for; remade when that changes
  bool fullPaintPending_ = true;
  bool crossShown_ = false;
  // The marks after the newest checkpoint as last drawn; renewed with every history change.
  CheckpointMarks checkpointMarks_;
  // One flag per table cell (differingIndex) while the overlay shows; else empty.
  std::vector<std::uint8_t> differing_;
};

}  // namespace jcw
