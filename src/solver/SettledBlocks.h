#pragma once
// Which clue numbers a player may see crossed off: a number only when every arrangement of its
// line's clue that agrees with the player's marks puts its block on the very same cells, and
// those cells are filled. So a number is never crossed off while another reading of the marks
// is still open (for "1 1" with one filled cell in an open line, neither 1 is). Exact: a block is
// settled when it has one possible start (BlockStarts.h).

#include <cstdint>
#include <span>
#include <vector>

#include "model/Cell.h"
#include "settings/AidOptions.h"
#include "solver/LineSolver.h"

namespace jcw {

class Crossword;

// One flag per entry of `sizes`: whether that block is settled on filled cells in a line of
// `length` cells whose known cells are `known`. Size-0 blocks cover no cell and are never
// settled; all flags are false when no arrangement agrees with `known`.
std::vector<bool> settledBlocks(std::span<const std::uint8_t> sizes, int length, LineCells known);

// The clue cells (table positions) drawn crossed off under `mode`, from the crossword's marks:
// with CompleteLines every number of a line that is complete and right; with EachNumber also
// every settled number of the other lines.
std::vector<CellPos> crossedOffClueCells(const Crossword& crossword, CrossOffMode mode);

// crossedOffClueCells kept between calls: a line is worked out again only when its clue cells,
// its numbers or its marks changed, so a mark costs its two lines, not the whole crossword.
// Owned by the main window; single-threaded.
class CrossedOffClues {
 public:
  // The same cells as crossedOffClueCells(crossword, mode).
  std::vector<CellPos> update(const Crossword& crossword, CrossOffMode mode);

 private:
  struct Line {
    std::vector<CellPos> clueCells;  // the clue cells with a number, in reading order
    std::vector<int> numbers;
    int length = 0;
    LineCells known;
    std::vector<CellPos> crossed;  // what the rest gives
    bool operator==(const Line& other) const {
      return clueCells == other.clueCells && numbers == other.numbers &&
             length == other.length && known == other.known;
    }
  };
  void updateLine(std::size_t i, Line line, bool complete, CrossOffMode mode);

  CrossOffMode mode_ = CrossOffMode::Off;
  std::vector<Line> lines_;  // rows, then columns
};

}  // namespace jcw
