#pragma once
// What the field shows of the newest checkpoint: every picture cell marked after it, so that a
// guess can be told from what was known, and the first of them, the guess itself. One entry per
// table cell, looked up while painting.

#include <cstdint>
#include <vector>

#include "model/Crossword.h"

namespace jcw {

enum class CheckpointMark : std::uint8_t { None, Later, Guess };

class CheckpointMarks {
 public:
  CheckpointMarks() = default;
  // From the crossword's marks and history now; all None without a checkpoint.
  explicit CheckpointMarks(const Crossword& crossword);

  // None for a position outside the table it was made from.
  CheckpointMark at(int x, int y) const;
  // The table cells whose mark differs between the two (either may be empty), to repaint.
  static std::vector<CellPos> changed(const CheckpointMarks& before, const CheckpointMarks& after);

 private:
  int height_ = 0;
  std::vector<CheckpointMark> marks_;  // column by column, like the table
};

}  // namespace jcw
