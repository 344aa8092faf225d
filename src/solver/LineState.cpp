#include "solver/LineState.h"

namespace jcw {

int cellsNeeded(std::span<const int> clues) {
  long long demand = -1;
  for (int clue : clues) {
    if (clue < 0) return kMaxLineLength + 1;  // no block has a negative size
    demand += static_cast<long long>(clue) + 1;
  }
  return demand > kMaxLineLength ? kMaxLineLength + 1 : static_cast<int>(demand);
}

void AddBlock(LineState& line, std::uint8_t size) {
  BlockSlot block;
  block.Size = size;
  block.MinStart = line.Blocks.empty()
                       ? 1
                       : static_cast<std::uint8_t>(line.Blocks.back().Start +
                                                   line.Blocks.back().Size + 1);
  block.Start = block.MinStart;
  block.MaxStart = static_cast<std::uint8_t>(line.Length - size + 1);
  for (BlockSlot& earlier : line.Blocks)
    earlier.MaxStart = static_cast<std::uint8_t>(earlier.MaxStart - (size + 1));
  line.Blocks.push_back(block);
}

void RenderPattern(LineState& line) {
  line.Pattern.assign(static_cast<std::size_t>(line.Length), '0');
  for (const BlockSlot& block : line.Blocks)
    for (int k = block.Start; k < block.Start + block.Size && k <= line.Length; ++k)
      line.Pattern[k - 1] = '1';
}

void setLineClues(LineState& line, int index, int length, std::span<const int> clues) {
  line.Index = index;
  line.Length = length;
  line.Blocks.clear();
  line.Sizes.clear();
  line.Stale = true;
  line.Fits = length <= kMaxLineLength && cellsNeeded(clues) <= length;
  if (line.Fits)
    for (int clue : clues) {
      AddBlock(line, static_cast<std::uint8_t>(clue));
      line.Sizes.push_back(static_cast<std::uint8_t>(clue));
    }
  RenderPattern(line);
  line.Blocks.push_back(BlockSlot{});
}

}  // namespace jcw
