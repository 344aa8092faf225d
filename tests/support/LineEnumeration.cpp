#include "support/LineEnumeration.h"

namespace jcw {

void PlaceBlock(LineState& line, int i, std::uint8_t p) {
  BlockSlot& block = line.Blocks[i];
  block.Start = p;
  if (p < block.MinStart) block.MinStart = p;
  for (std::size_t j = i + 1; j < line.Blocks.size(); ++j) {
    const BlockSlot& previous = line.Blocks[j - 1];
    line.Blocks[j].MinStart = static_cast<std::uint8_t>(previous.Start + previous.Size + 1);
    line.Blocks[j].Start = line.Blocks[j].MinStart;
  }
  RenderPattern(line);
}

bool AdvanceBlock(LineState& line, int i) {
  const BlockSlot& block = line.Blocks[i];
  if (block.Start >= block.MaxStart) return false;
  PlaceBlock(line, i, static_cast<std::uint8_t>(block.Start + 1));
  return true;
}

bool NextPlacement(LineState& line) {
  for (int i = line.blockCount() - 1; i >= 0; --i)
    if (AdvanceBlock(line, i)) return true;
  return false;
}

bool PatternFits(const LineState& line, LineView cells) {
  for (int k = 0; k < line.Length; ++k) {
    const std::uint8_t known = cells[k];
    const std::uint8_t placed = line.Pattern[k] == '1' ? wcFilled : wcEmpty;
    if (known != wcUnknown && known != placed) return false;
  }
  return true;
}

bool FirstFittingPlacement(LineState& line, LineView cells) {
  if (!line.Fits) return false;
  PlaceBlock(line, 0, 1);
  while (!PatternFits(line, cells))
    if (!NextPlacement(line)) return false;
  return true;
}

bool NextFittingPlacement(LineState& line, LineView cells) {
  while (NextPlacement(line))
    if (PatternFits(line, cells)) return true;
  return false;
}

bool enumerateLine(LineState& line, LineView cells, std::span<std::uint8_t> filledInAll,
                   std::span<std::uint8_t> filledInAny) {
  for (int k = 0; k < line.Length; ++k) {
    filledInAll[k] = 1;
    filledInAny[k] = 0;
  }
  if (!FirstFittingPlacement(line, cells)) return false;
  do {
    for (int k = 0; k < line.Length; ++k) {
      if (line.Pattern[k] == '1')
        filledInAny[k] = 2;
      else
        filledInAll[k] = 2;
    }
  } while (NextFittingPlacement(line, cells));
  return true;
}

}  // namespace jcw
