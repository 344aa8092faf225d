#pragma once
// The crossword model: the cell table with clues and marks, the status of every line, the
// marked-cell count, the history of the marks and the editor cursor. A plain value owned by the
// field (or by a loader or a tool); it knows nothing of the screen. Single-threaded.
//
// Indices are table indices: x is the screen column, y the screen row, both from 0, header and
// indicator cells included. Picture cell (c, r), both from 1, is cell(CapColCount + c,
// CapRowCount + r). A row or column is named by its table index (y or x).

#include <bitset>
#include <vector>

#include "model/Cell.h"
#include "model/Dimensions.h"
#include "model/History.h"
#include "model/PuzzleInfo.h"

namespace jcw {

enum LineStatus : int { lsIncomplete = 1, lsRight = 2, lsWrong = 3 };

// The kind a table position implies for a table of dimensions `d`: clue or picture cell, or none
// for the indicators, the corner block and positions outside the table.
CellKind kindAt(const Dimensions& d, int x, int y);

class Crossword {
 public:
  // Table allocation: sizes the table to the dimensions (entries kept when the shape is the same,
  // zero-filled otherwise), gives every cell the kind its position implies, and puts
  // EditCursor on its starting cell.
  void allocate(const Dimensions& d);
  bool allocated() const { return !cells_.empty(); }

  const Dimensions& dims() const { return dims_; }
  int W1() const { return dims_.W1(); }
  int H1() const { return dims_.H1(); }

  // 0 <= x < W1, 0 <= y < H1.
  TCell& cell(int x, int y) { return cells_[index(x, y)]; }
  const TCell& cell(int x, int y) const { return cells_[index(x, y)]; }
  bool inTable(int x, int y) const { return x >= 0 && y >= 0 && x < W1() && y < H1(); }

  CellKind kindAt(int x, int y) const { return jcw::kindAt(dims_, x, y); }
  bool isPicture(int x, int y) const { return kindAt(x, y) == ckPicture; }
  bool isClue(int x, int y) const { return kindAt(x, y) == ckClue; }
  bool isColumnClue(int x, int y) const { return isClue(x, y) && x > dims_.CapColCount; }

  int firstPictureX() const { return dims_.CapColCount + 1; }
  int firstPictureY() const { return dims_.CapRowCount + 1; }

  // Clue numbers of row y / column x in reading order, empty clue cells skipped.
  std::vector<int> rowClues(int y) const;
  std::vector<int> columnClues(int x) const;

  // Status of row y / column x: lsIncomplete while a cell is undecided, else right or wrong. A
  // header line (an index outside the picture) is always lsIncomplete.
  int CheckRow(int y) const;
  int CheckColumn(int x) const;
  // Re-evaluates row y and column x and updates the four status sets.
  void UpdateLineStatus(int x, int y);
  // Re-evaluates every picture column (left to right), then every picture row (top to bottom).
  void updateAllLineStatus();
  int rowStatus(int y) const;     // from the sets: 1, 2 or 3
  int columnStatus(int x) const;  // from the sets

  // All picture cells marked and no line wrong.
  bool solved() const;
  // Sum of all column clues minus sum of all row clues.
  int clueSumDifference() const;
  // Cells the clues of the line through clue cell (cx, cy) need at least: clue sum plus one gap
  // between each two non-zero clues; and whether the line is that long.
  int cellsNeeded(int cx, int cy) const;
  bool lineFits(int cx, int cy) const;

  // Number of picture cells whose state is csFilled or csEmpty.
  int countMarked() const;

  // Marking, erasing, undo and redo on the model alone; the field adds painting. Every change of
  // a picture state goes through `history`.
  // Marks undecided picture cell (x, y); false (nothing changes) when it is already marked.
  bool markCell(int x, int y, bool fill);
  // Erases marked picture cell (x, y); false when it is undecided.
  bool eraseCell(int x, int y);
  // Picture states in reading order (rows top to bottom, each left to right): what a change of
  // many cells at once compares with afterwards.
  std::vector<std::uint8_t> pictureStates() const;
  // Records a change of many picture cells as one step (or into the open gesture's): every
  // picture cell that differs from `before` (pictureStates() taken before the change), in
  // reading order. Returns whether any cell differed; nothing is recorded when none did.
  bool recordPictureChange(const std::vector<std::uint8_t>& before);
  // Undoes (redoes) one step: its picture cells get their states from before (after) it,
  // MarkedCount follows; its clue cells get their numbers. Returns the step's changes in the order they were made; empty when there is none.
  HistoryStep undo();
  HistoryStep redo();
  // The step undo would take back (redo make again) changes clue numbers, not marks: the editor
  // walks those steps, solving mode the others. False when there is none.
  bool undoChangesClues() const;
  bool redoChangesClues() const;
  // Every picture cell undecided as one step; lines re-evaluated.
  void clearPicture();

  // Takes the picture back to the newest checkpoint's as one step and drops that checkpoint.
  // Returns the cells that changed, each once, in the order the way back first touched them;
  // empty when nothing changed or there is no checkpoint.
  std::vector<CellChange> returnToCheckpoint();
  // Takes the picture back (or forward) to its state at history position `target` (<=
  // history.steps().size()) as one new step; the cells that changed, as returnToCheckpoint.
  std::vector<CellChange> returnToPosition(std::size_t target);
  // Picture cells marked now that were changed after the newest checkpoint, in the order of their
  // first change; the first of them is the guess. Empty without a checkpoint.
  std::vector<CellPos> markedSinceCheckpoint() const;

  // Unsaved: clues typed since the save, or marks whose history position is not the saved one.
  bool IsModified() const { return Modified || !history.atSaved(); }
  // What a save or a load makes of the crossword: nothing unsaved, the history kept.
  void markSaved();

  int MarkedCount = 0;
  std::bitset<256> RowsRight, RowsWrong, ColsRight, ColsWrong;
  // Clues typed since the last save; picture changes are the history's.
  bool Modified = false;
  History history;
  CellPos EditCursor;
  // Title, author and notes from the file it was read from; empty for a .jcw or a new crossword.
  PuzzleInfo info;

 private:
  std::size_t index(int x, int y) const { return static_cast<std::size_t>(x) * H1() + y; }
  // Sets the states the changes lead to, in order, keeping MarkedCount.
  void applyChanges(const std::vector<CellChange>& changes, bool forward);
  std::vector<int> cluesOf(int fromX, int fromY, int dx, int dy, int count) const;
  int lineStatus(int firstX, int firstY, int dx, int dy, int length,
                 const std::vector<int>& clues) const;

  Dimensions dims_;
  std::vector<TCell> cells_;
};

}  // namespace jcw
