#include "field/CheckpointMarks.h"

#include <algorithm>

namespace jcw {

CheckpointMarks::CheckpointMarks(const Crossword& crossword) {
  const std::vector<CellPos> later = crossword.markedSinceCheckpoint();
  if (later.empty()) return;
  height_ = crossword.H1();
  marks_.assign(static_cast<std::size_t>(crossword.W1()) * height_, CheckpointMark::None);
  for (const CellPos& cell : later)
    marks_[static_cast<std::size_t>(cell.x) * height_ + cell.y] = CheckpointMark::Later;
  const CellPos guess = later.front();
  marks_[static_cast<std::size_t>(guess.x) * height_ + guess.y] = CheckpointMark::Guess;
}

CheckpointMark CheckpointMarks::at(int x, int y) const {
  if (x < 0 || y < 0 || y >= height_) return CheckpointMark::None;
  const std::size_t index = static_cast<std::size_t>(x) * height_ + y;
  return index < marks_.size() ? marks_[index] : CheckpointMark::None;
}

std::vector<CellPos> CheckpointMarks::changed(const CheckpointMarks& before,
                                              const CheckpointMarks& after) {
  const auto widthOf = [](const CheckpointMarks& marks) {
    return marks.height_ == 0 ? 0 : static_cast<int>(marks.marks_.size()) / marks.height_;
  };
  const int width = std::max(widthOf(before), widthOf(after));
  const int height = std::max(before.height_, after.height_);
  std::vector<CellPos> cells;
  for (int x = 0; x < width; ++x)
    for (int y = 0; y < height; ++y)
      if (before.at(x, y) != after.at(x, y)) cells.push_back({x, y});
  return cells;
}

}  // namespace jcw
