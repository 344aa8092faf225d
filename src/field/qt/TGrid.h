#pragma once
// TGrid: the field control. Owns the crossword model and the view of it (cell size, scroll
// offsets, hover, highlight, the digital cross, the overlay) and paints the part of the view
// that is exposed, straight from the two: there is no picture of the field besides what is on
// screen. A change names the cells whose look changed and they are painted again through one
// path (repaintCell). The clue panes stay in place while the picture scrolls: one widget paints
// four clipped panes, so the picture and its clues share one coordinate system for input and
// painting, and a drag from the picture into a clue pane stays one mouse grab. Scroll bars appear
// at the right and bottom when the field is larger than the widget. UI thread only.

#include <QRegion>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

#include "field/CheckpointMarks.h"
#include "field/FieldHost.h"
#include "field/FieldView.h"
#include "field/KeyInput.h"
#include "field/LineEntry.h"
#include "field/MarkDrag.h"
#include "field/MouseInput.h"
#include "field/PictureStroke.h"
#include "field/qt/CellFont.h"
#include "model/Crossword.h"
#include "settings/AidOptions.h"

namespace jcw {

struct StartCheck;
class LineEntryBox;
// Why Start refuses the clues, in the user's language; empty when it does not.
QString startRefusalText(const StartCheck& check);

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
  // The model's table changed its shape in place (headers grown or shrunk, a picture resized):
  // the overlay goes and the view follows.
  void tableReshaped();

  // The side of a cell in pixels (held at 1 when below); the scroll offsets stay in range.
  int cellSize() const { return view_.cellSize; }
  void setCellSize(int cellSize);
  // Pixel size of the whole field at the cell size (right and bottom edge, exclusive); empty
  // while no table is allocated.
  QSize fieldSize() const;
  // The view: cell size, the size of the part of the widget that shows the field (without the
  // scroll bars) and the scroll offsets.
  const FieldView& view() const { return view_; }
  // Scrolls to the offsets, held in range.
  void scrollTo(int x, int y);
  // Scrolls as little as it takes to show cell (x, y).
  void ensureVisible(int x, int y);
  // (Col, Row) of the clue or picture cell under widget point (x, y); (0, 0) for none. On a
  // shared border pixel the smaller x, then the smaller y wins; indicators are never hit.
  CellPos CellAtPoint(int x, int y) const;
  // The box of clue or picture cell (x, y) in widget pixels (perhaps scrolled out of view).
  QRect cellRect(int x, int y) const;

  // Paints clue or picture cell (x, y) again in its current look. Positions outside the table
  // and cells of no kind paint nothing.
  void PaintCell(int x, int y);
  // Every cell painted again. In view mode only the picture is drawn, without frames.
  void PaintField();
  // Unless IndErr is off: the indicators of column x and row y painted again in their status
  // colour. A header index for either line paints nothing for that line.
  void PaintIndicators(int x, int y);
  // Every indicator painted again; with IndErr off they show the neutral colour.
  void ClearIndicators();
  // Run lengths shown in the column and row of the hover cell, counted from the top (left),
  // white on filled cells and red on others, the hovered cell itself skipped, until the cross is
  // wiped (wipeDigitalCross). Shows nothing while the hover cell is not a picture cell.
  void PaintDigitalCross();
  // Hover highlight of the clue cells of the lines through picture cell (x, y), until
  // removeHighlight.
  void highlightLines(int x, int y);
  void removeHighlight();
  // A full paint: the exposed part of the view is drawn from scratch if WindowActive or PaintOn
  // is set; otherwise the field stays blank, but for cells that change meanwhile, until the next
  // full paint. A show or resize of the widget does the same. Hosts call this after a mode
  // switch, a clear or a load.
  void invalidateField();

  void UpdateLineStatus(int x, int y) { model_.UpdateLineStatus(x, y); }
  // Clue check before solving: true when no line overflows and the sums are equal; otherwise a
  // message box that says which (the totals, or the line and its cells), and false. Start is
  // enabled while no line overflows.
  bool CheckClueSums();
  // Line check of the editor cursor's line: beeps when it overflows; Start follows every line
  // (refreshStart). Returns whether it fits.
  bool LineFits();
  // Start enabled exactly while no line's clues need more cells than it has.
  void refreshStart();

  // Where the editor cursor is, for the corner above the row clues: "Столбец 17 из 30" and how
  // the cursor moves on after digits. Empty outside editor mode.
  QString cursorStatus() const;

  // Lines named as contradicting each other (picture rows and columns, from 0): their clue
  // numbers drawn red until clearConflictLines, or clearDifferingCells, or a new model.
  void showConflictLines(const std::vector<int>& columns, const std::vector<int>& rows);
  void clearConflictLines();

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
  // The same overlay for picture mode's analysis: `open` cells (those line logic leaves open)
  // get a dot, `differing` ones the hatch.
  void showPictureOverlay(const std::vector<CellPos>& open, const std::vector<CellPos>& differing);
  void clearDifferingCells();
  bool isDiffering(int x, int y) const;

  // The solving aids the field carries out itself: the drag's line lock, the dots in cells
  // marked empty and the tinted lines under the pointer; the view follows at once.
  void setAids(const AidOptions& aids);
  const AidOptions& aids() const { return aids_; }

  // Clue cells (table positions) drawn crossed off, until the next call; the cells whose look
  // changed are repainted. View state: the main window decides them from the marks.
  void setCrossedOffClues(const std::vector<CellPos>& cells);
  bool isCrossedOff(int x, int y) const;

  CellPos hoverCell() const { return hover_; }
  bool CrossShown() const { return crossShown_; }

  // Paints the part `exposed` of the view onto `painter` as the widget shows it; the widget's
  // own paint and the paint benchmark use it.
  void paintView(QPainter& painter, const QRect& exposed);

  // Mouse marking and undo (TGridMouse.cpp); keyboard, editor cursor and clue entry
  // (TGridKeys.cpp). The event handlers reduce an event to plain input values, let
  // interpretMouse or interpretKeyPress decide and carry out the decision.
  // Marks undecided picture cell (x, y), or beeps when it is marked already; then repaints it,
  // re-evaluates its lines and switches the host to view mode when the crossword is solved
  // (with finishByFilled, once its filled cells fit every clue).
  void MarkCell(int x, int y, bool fill);
  // Erases marked picture cell (x, y), recorded in the history; anything else is left alone.
  void EraseCell(int x, int y);
  // Solving mode for a step of marks, editor mode for a step of clue numbers: restores the
  // cells of the last step (Redo: makes the next step again; a number typed at the cursor is a
  // step as soon as it is walked over), scrolls
  // the step's first cell into view, moves the pointer to its middle and tells the host. The
  // cells' lines are not re-evaluated.
  void Undo();
  void Redo();
  // Records a change of many picture cells (a hint, a solve) as one step, `before` being the
  // model's pictureStates() from before the change; the host is told if any cell changed.
  void recordPictureChange(const std::vector<std::uint8_t>& before);
  // Solving mode: a checkpoint at the present position; back to the newest one as one step
  // (lines re-evaluated); the newest one dropped, the marks kept.
  void SetCheckpoint();
  void ReturnToCheckpoint();
  // Solving mode: the marks as they were at history position `target`, as one step.
  void ReturnToPosition(std::size_t target);
  void AcceptCheckpoint();
  // Moves the editor cursor right or down, as NextDirect and the cursor's kind of clue cell say.
  void AdvanceCursor();
  // Editor mode: the line entry (LineEntryBox) opens at the line through clue cell (x, y), the
  // editor cursor on that line's clue cell next to the picture. Null while it never opened.
  void openLineEntry(int x, int y);
  LineEntryBox* lineEntry() const { return lineEntry_; }
  // Removes the digital cross's digits.
  void wipeDigitalCross();

 protected:
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  // Tab stays in the field.
  bool focusNextPrevChild(bool next) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // The cells a return changed repainted with their indicators; the host told.
  void showReturn(const std::vector<CellChange>& changes);
  // With the aid on, once the filled cells fit every clue: the rest marked empty as one step.
  void finishByFilled();
  // The checkpoint marks anew from the model; the cells whose mark changed repainted.
  void refreshCheckpointMarks();
  // Undo or Redo: `move` is Crossword::undo or Crossword::redo.
  void moveInHistory(HistoryStep (Crossword::*move)());
  // Where JCW_VIEW_FILE names a file: the view written there (field/ViewReport.h), for scripts
  // that drive the window.
  void reportView() const;
  void handleMouse(MouseEvent kind, const QMouseEvent& event);
  void handleMouseAt(MouseEvent kind, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
                     Qt::KeyboardModifiers modifiers);
  // `cell` is the cell under the pointer (the hover cell for a leave).
  void applyMouse(const MouseDecision& decision, CellPos cell);
  // A move of a marking drag: every picture cell on the way entered in order, then the cell
  // under the pointer, when it is no picture cell, left as by a move.
  void followMarkDrag(const MouseInput& input, CellPos cell);
  PictureArea pictureArea() const;
  // Picture mode (TGridDrawing.cpp): a press starts a stroke, moves extend it, the release
  // records it as one step and tells the host.
  void drawWithMouse(MouseEvent kind, CellPos cell, Qt::MouseButton button,
                     Qt::KeyboardModifiers modifiers);
  // Puts the stroke's cells (and only those) in their new state over strokeBefore_.
  void applyStroke();
  // Middle-button panning; true when the event was one of it.
  bool pan(QMouseEvent& event);
  // A mark drag held at the edge of the picture pane scrolls the view, one cell a tick.
  void followDragEdge(QPoint at, Qt::MouseButtons buttons);
  void dragEdgeTick();
  void zoom(ZoomStep step, QPoint anchor);
  // Where a key's zoom holds the field still: the editor cursor's cell, else the view's middle.
  QPoint keyZoomAnchor() const;
  // MSG_MOVE_CURSOR.
  void moveEditCursor(int wParam, int lParam);
  KeyContext keyContext() const;
  // False when the command destroyed the field: then nothing of it may be touched.
  bool runKeyCommand(KeyCommand command);
  // On the cell at EditCursor.
  void runEditorKey(const EditorKeyDecision& key, bool ctrlHeld);
  void typeDigit(char digit, bool ctrlHeld);
  // A clue of the line through clue cell `at` changed: Start follows, and the line's numbers
  // are repainted (they are red while the line overflows).
  void clueLineChanged(CellPos at);
  // Clue cell (x, y) belongs to a line that overflows or is named in a contradiction.
  bool clueLineFlagged(int x, int y) const;
  // Editor mode: cell (x, y) lies in the cursor's row or column (the clue cell's line).
  bool inCursorLine(int x, int y) const;
  // Every cell of the line through clue cell `at`, and the corner that tells where the cursor is.
  void repaintCursorLine(CellPos at);
  // The cursorStatus text in the corner block, where it meets `exposed`.
  void drawCursorStatus(QPainter& painter, const QRect& exposed);
  // The clue cells of column x (table index) or of row y; an index of 0 repaints nothing there.
  void repaintClueLine(int x, int y);
  // Runs a host command that may destroy this field (New and Load replace it, the main menu
  // reaches both); false when the field is gone, and then nothing of it may be touched.
  bool runHostCommand(void (FieldHost::*command)());

  // One history step per typed number: the cursor's cell's number as the cursor found it, and
  // the step recorded when the number differs as the cursor leaves (or the history is walked).
  void noteCursorClue();
  void commitCursorClue();
  // Before the cursor's cell changes: what it holds is noted unless it was already.
  void syncCursorClue();
  // The line entry's confirmation: the text put in place of the line's numbers, or refused
  // with the reason shown; whether it was taken.
  bool takeLineEntry(ClueLineRef line, const std::string& text);
  void closeLineEntry();

  // The one path of every change to the screen: the widget pixels of `box` (view pixels),
  // clipped to `pane`, are painted again.
  void repaintBox(const Rect& box, const Rect& pane);
  void repaintCell(int x, int y);
  void repaintColumnIndicator(int x);
  void repaintRowIndicator(int y);
  void repaintClueCellsOfLines(CellPos lines);
  void repaintCross(CellPos at);
  // The view follows the model's dimensions and the widget's size, the scroll bars show the
  // scroll range, and everything is painted again.
  void viewChanged();
  void placeScrollBars();

  // Drawing; each takes the painter clipped to the pane being drawn.
  void drawPane(QPainter& painter, const QRect& clip);
  void drawFrameLines(QPainter& painter, const LineSpan& columns, const LineSpan& rows);
  void drawIndicator(QPainter& painter, const Rect& box, int status);
  void drawDiffering(QPainter& painter, const QRect& box);
  void drawOpenCell(QPainter& painter, const QRect& box);
  // The digital cross's digits over the cells of columns `columns` and rows `rows`.
  void drawCross(QPainter& painter, const LineSpan& columns, const LineSpan& rows);
  std::size_t differingIndex(int x, int y) const;  // row by row over the whole table
  // Flags by differingIndex of the cells in `cells` that are `kind` cells; empty when none.
  std::vector<std::uint8_t> tableFlags(const std::vector<CellPos>& cells, CellKind kind) const;
  // Repaints every cell whose flag differs between the two (either may be empty).
  void repaintFlagChanges(const std::vector<std::uint8_t>& was,
                          const std::vector<std::uint8_t>& now);
  // The quiet crosshair: the picture lines through `at` tinted ((0, 0) for none).
  void setTintedLines(CellPos at);
  bool tinted(int x, int y) const;
  // The clue and cross font for the present cell size, remade when that changes.
  const CellFont& currentFont();
  bool highlighted(int x, int y) const;

  FieldHost* host_ = nullptr;
  LineEntryBox* lineEntry_ = nullptr;  // made at the first opening
  struct CursorClue {
    CellPos at;  // the cell noted; another cell than EditCursor: nothing noted
    int value = 0;
    bool typed = false;  // a digit or Backspace reached the cell since the cursor came
  } cursorClue_;
  const QString viewFile_ = qEnvironmentVariable("JCW_VIEW_FILE");  // empty: no report
  Crossword model_;
  FieldView view_;
  QScrollBar* horizontal_ = nullptr;
  QScrollBar* vertical_ = nullptr;
  CellFont cellFont_;  // for the cell size it was made for; remade when that changes
  CellPos hover_;      // the picture cell the mouse was last over; the corner cell before that
  CellPos highlight_;  // the picture cell whose lines' clues are highlighted; (0, 0) for none
  bool crossOn_ = false;     // the digital cross shows at hover_
  bool crossShown_ = false;  // it has been shown at least once
  // After a full paint while neither WindowActive nor PaintOn was set, only what changed since
  // is drawn (changedSinceBlank_), until the next full paint.
  bool blank_ = false;
  QRegion changedSinceBlank_;
  // The marks after the newest checkpoint as last drawn; renewed with every history change.
  CheckpointMarks checkpointMarks_;
  // Table indices of the lines named in a contradiction, for clueLineFlagged.
  struct ConflictLines {
    std::vector<int> columns;
    std::vector<int> rows;
  } conflictLines_;
  // One entry per table cell (differingIndex) while the overlay shows, else empty: 1 hatched,
  // 2 dotted (open).
  std::vector<std::uint8_t> differing_;
  AidOptions aids_;
  MarkDrag markDrag_;
  CellPos tintedLines_;  // the quiet crosshair's cell; (0, 0) for none
  // One flag per table cell (differingIndex) for clue cells drawn crossed off; else empty.
  std::vector<std::uint8_t> crossedOff_;
  // Picture mode's stroke in progress, and the picture's states from before it.
  std::optional<PictureStroke> stroke_;
  std::vector<std::uint8_t> strokeBefore_;
  // Middle-button panning: where it started and the scroll offsets then.
  bool panning_ = false;
  QPoint panFrom_;
  QPoint panScroll_;
  // A mark drag at the picture pane's edge: the last pointer position and buttons.
  QTimer dragEdgeTimer_;
  QPoint dragAt_;
  Qt::MouseButtons dragButtons_;
};

}  // namespace jcw
