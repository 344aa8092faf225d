#pragma once
// History: the undo history of the picture marks as one list of steps with a position in it, as
// an undo stack with a clean index keeps it. Undo moves the position back, redo forward; a new
// step drops every step after the position. A save records the position as the saved one and
// clears nothing, so "modified" is "the position is not the saved one". Checkpoints are
// positions too: the place a guess started from. A plain value owned by the crossword; it holds
// only changes, the cells themselves stay with the crossword. Single-threaded.
//
// A gesture (a drag, a solve) gathers every change recorded while it is open into one step.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace jcw {

// One cell's change: table position and, for a picture cell, its state before and after; for a
// clue cell, its number before and after (0: no number).
struct CellChange {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::uint8_t before = 0;
  std::uint8_t after = 0;
  bool operator==(const CellChange&) const = default;
};

// The changes of one undo step in the order they were made.
using HistoryStep = std::vector<CellChange>;

class History {
 public:
  History() = default;
  // A history as a session stored it. 0 <= position, saved, every checkpoint <= steps.size();
  // checkpoints oldest (lowest) first. The caller has checked this (see isConsistent).
  History(std::vector<HistoryStep> steps, std::size_t position, std::optional<std::size_t> saved,
          std::vector<std::size_t> checkpoints);
  // True iff the parts would make a history: positions inside the list, checkpoints ascending,
  // no empty step.
  static bool isConsistent(const std::vector<HistoryStep>& steps, std::size_t position,
                           std::optional<std::size_t> saved,
                           const std::vector<std::size_t>& checkpoints);

  // Changes recorded until endGesture form one step (none when nothing was recorded). Undo and
  // redo close the step so far; the gesture's later changes form a new one.
  void beginGesture();
  void endGesture();
  bool gestureOpen() const { return gestureOpen_; }

  // One change: a step of its own, or part of the open gesture's step.
  void record(const CellChange& change);
  // Several changes as one step (or into the open gesture's step); false and nothing recorded
  // when `changes` is empty.
  bool recordStep(const std::vector<CellChange>& changes);

  bool canUndo() const { return position_ > 0; }
  bool canRedo() const { return position_ < steps_.size(); }
  // Moves the position one step back (forward) and returns the step passed; null when there
  // is none. The caller restores the step's `before` states newest first (applies the `after`
  // states oldest first).
  const HistoryStep* undo();
  const HistoryStep* redo();

  std::size_t position() const { return position_; }
  const std::vector<HistoryStep>& steps() const { return steps_; }

  // The saved position: the history's state when the crossword was last saved or loaded; none
  // once a new step dropped it.
  void markSaved() { saved_ = position_; }
  bool atSaved() const { return saved_ == position_; }
  std::optional<std::size_t> savedPosition() const { return saved_; }

  // Checkpoints, oldest first. A new step drops those above its position.
  void setCheckpoint();
  // Drops the newest checkpoint (nothing when there is none).
  void dropCheckpoint();
  const std::vector<std::size_t>& checkpoints() const { return checkpoints_; }
  std::optional<std::size_t> newestCheckpoint() const;

  // The changes that take the cells from the position to `target` (<= steps().size()), in the
  // order to apply them: undone steps' changes reversed (after and before swapped), redone ones
  // as they are.
  std::vector<CellChange> pathTo(std::size_t target) const;
  // The changes of the steps from `from` up to the position, oldest first; none when the
  // position is not above `from`.
  std::vector<CellChange> changesSince(std::size_t from) const;

  // Moves every recorded change by (dx, dy): the table grew or shrank at its top-left, so the
  // same picture cells now lie elsewhere.
  void shiftCells(int dx, int dy);

 private:
  // Drops the steps after the position (and what pointed into them) and opens a new step.
  void startStep();

  std::vector<HistoryStep> steps_;
  std::size_t position_ = 0;
  std::optional<std::size_t> saved_ = 0;
  std::vector<std::size_t> checkpoints_;
  bool gestureOpen_ = false;
  bool gestureHasStep_ = false;  // the open gesture's step is the one before the position
};

}  // namespace jcw
