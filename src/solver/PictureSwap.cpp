#include "solver/PictureSwap.h"

#include <bit>
#include <span>

#include "solver/LineSolver.h"

namespace jcw {

namespace {

// Per line and cell a: the cells b > a of the other value such that the line still fits its
// clues with a and b both flipped, neither known.
class FlipPairs {
 public:
  FlipPairs(const std::vector<LineBits>& lines, const std::vector<std::vector<std::uint8_t>>& sizes,
            const std::vector<LineCells>& known, int length, LineSolver& solver)
      : length_(length) {
    const LineBits all = (LineBits{1} << length) - 1;
    for (std::size_t line = 0; line < lines.size(); ++line) {
      const LineBits free = all & ~(known[line].filled | known[line].empty);
      for (int a = 0; a < length; ++a) {
        LineBits partners = 0;
        if (free >> a & 1)
          for (int b = a + 1; b < length; ++b) {
            if (!(free >> b & 1) || (lines[line] >> a & 1) == (lines[line] >> b & 1)) continue;
            const LineBits flipped = lines[line] ^ (LineBits{1} << a) ^ (LineBits{1} << b);
            LineCells decided;
            if (solver.solve(sizes[line], length, {flipped, all & ~flipped}, decided))
              partners |= LineBits{1} << b;
          }
        pairs_.push_back(partners);
      }
    }
  }

  LineBits partners(int line, int a) const {
    return pairs_[static_cast<std::size_t>(line) * length_ + a];
  }

 private:
  int length_;
  std::vector<LineBits> pairs_;
};

template <typename Visit>
void forEachBit(LineBits bits, Visit visit) {
  for (auto low = static_cast<std::uint64_t>(bits); low != 0; low &= low - 1)
    visit(std::countr_zero(low));
  for (auto high = static_cast<std::uint64_t>(bits >> 64); high != 0; high &= high - 1)
    visit(64 + std::countr_zero(high));
}

bool isAmong(const WorkGrid& picture, const std::vector<WorkGrid>& pictures) {
  for (const WorkGrid& other : pictures) {
    bool same = true;
    for (int r = 0; same && r < picture.rowCount(); ++r)
      for (int c = 0; same && c < picture.colCount(); ++c) same = picture.at(c, r) == other.at(c, r);
    if (same) return true;
  }
  return false;
}

}  // namespace

std::optional<WorkGrid> swappedPicture(const WorkGrid& picture, const SatProblem& problem,
                                       const std::vector<WorkGrid>& known) {
  const int rows = picture.rowCount();
  const int columns = picture.colCount();
  std::vector<LineBits> rowBits(rows), columnBits(columns);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c)
      if (picture.at(c, r) == wcFilled) {
        rowBits[r] |= LineBits{1} << c;
        columnBits[c] |= LineBits{1} << r;
      }
  std::vector<LineCells> knownColumns;
  for (int c = 0; c < columns; ++c) knownColumns.push_back(knownInColumn(problem, c));
  LineSolver solver;
  const FlipPairs rowPairs(rowBits, problem.rowSizes, problem.knownRows, columns, solver);
  const FlipPairs columnPairs(columnBits, problem.columnSizes, knownColumns, rows, solver);
  for (int r1 = 0; r1 < rows; ++r1)
    for (int r2 = r1 + 1; r2 < rows; ++r2)
      for (int c1 = 0; c1 < columns; ++c1) {
        if (!(columnPairs.partners(c1, r1) >> r2 & 1)) continue;
        std::optional<WorkGrid> found;
        forEachBit(rowPairs.partners(r1, c1) & rowPairs.partners(r2, c1), [&](int c2) {
          if (found || !(columnPairs.partners(c2, r1) >> r2 & 1)) return;
          WorkGrid swapped = picture;
          for (int r : {r1, r2})
            for (int c : {c1, c2})
              swapped.at(c, r) = swapped.at(c, r) == wcFilled ? wcEmpty : wcFilled;
          if (!isAmong(swapped, known)) found = std::move(swapped);
        });
        if (found) return found;
      }
  return std::nullopt;
}

}  // namespace jcw
