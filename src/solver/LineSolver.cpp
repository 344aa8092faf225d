#include "solver/LineSolver.h"

namespace jcw {

namespace {

using Bits = LineBits;

Bits lowBits(int count) { return (Bits{1} << count) - 1; }

inline std::uint64_t reverse64(std::uint64_t x) {
  x = __builtin_bswap64(x);
  x = ((x >> 4) & 0x0F0F0F0F0F0F0F0FULL) | ((x & 0x0F0F0F0F0F0F0F0FULL) << 4);
  x = ((x >> 2) & 0x3333333333333333ULL) | ((x & 0x3333333333333333ULL) << 2);
  return ((x >> 1) & 0x5555555555555555ULL) | ((x & 0x5555555555555555ULL) << 1);
}

// Bit i moves to bit 127 - i.
inline Bits reverse128(Bits x) {
  return Bits{reverse64(static_cast<std::uint64_t>(x))} << 64 |
         reverse64(static_cast<std::uint64_t>(x >> 64));
}


// Bits p such that cells p .. p+size-1 are all in `cells`.
Bits runStarts(Bits cells, int size) {
  Bits result = ~Bits{0};
  Bits run = cells;  // starts of runs of `width` cells
  for (int width = 1, offset = 0; size > 0; width *= 2) {
    if (size & 1) {
      result &= run >> offset;
      offset += width;
    }
    size >>= 1;
    if (size > 0) run &= run >> width;
  }
  return result;
}

// Cells covered by a block of `size` starting at any bit of `starts`.
template <typename Word>
Word spread(Word starts, int size) {
  if (size == 1) return starts;  // the commonest block
  Word result = 0;
  Bits covered = starts;  // cells within `width` after a start
  for (int width = 1, offset = 0; size > 0; width *= 2) {
    if (size & 1) {
      result |= covered << offset;
      offset += width;
    }
    size >>= 1;
    if (size > 0) covered |= covered << width;
  }
  return result;
}

// `from` and every boundary reached from it by reading cells of `mayEmpty`: adding the seeds to
// the runs of `mayEmpty` carries each seed to the end of its run. The caller keeps the sum
// inside Word.
template <typename Word>
Word readEmpties(Word from, Word mayEmpty) {
  const Word seeds = from & mayEmpty;
  const Word runs = (((mayEmpty + seeds) ^ mayEmpty) & mayEmpty) | seeds;
  return from | runs << 1;
}

// Bit i of the low `width` bits moves to bit width - 1 - i.
std::uint64_t reverseLow(std::uint64_t x, int width) { return reverse64(x) >> (64 - width); }
Bits reverseLow(Bits x, int width) { return reverse128(x) >> (128 - width); }

// Cell k of a line of `length` cells moves to cell length - 1 - k.
Bits mirror(Bits cells, int length) { return reverseLow(cells, length); }

int cellsNeeded(std::span<const std::uint8_t> sizes) {
  int needed = -1;
  for (std::uint8_t size : sizes) needed += size + 1;
  return needed;
}

}  // namespace

template <typename Word>
void LineSolver::Buffers<Word>::resize(int blocks) {
  const std::size_t entries = static_cast<std::size_t>(blocks) + 1;
  reach.resize(entries);
  mirrorReach.resize(entries);
  fits.resize(entries);
  mirrorFits.resize(entries);
}

template <>
LineSolver::Buffers<std::uint64_t>& LineSolver::buffers() { return narrow_; }
template <>
LineSolver::Buffers<LineBits>& LineSolver::buffers() { return wide_; }

void LineSolver::reserve(int maxBlocks) {
  narrow_.resize(maxBlocks);
  wide_.resize(maxBlocks);
}

// After j blocks (each with its gap) the boundary stands at firstEnd_j + t for some t in
// 0..slack, firstEnd_j being the cells blocks 0..j-1 need with their gaps; every mask below is
// indexed by that t, so placing a block keeps t and needs no shift.
//
// reach[j] gets t when the first firstEnd_j + t cells can hold blocks 0..j-1, and fits[j] t when
// block j and its gap fit from there. The walk reads the line and one extra cell that may only
// be empty. Returns whether it reads the whole line.
template <typename Word>
bool LineSolver::walk(std::span<const std::uint8_t> sizes, bool backwards, int slack,
                      Bits mayFill, Bits mayEmpty, Word* reach, Word* fits) {
  const int blocks = static_cast<int>(sizes.size());
  const Word window = static_cast<Word>((Word{1} << (slack + 1)) - 1);
  int firstEnd = 0;
  if (++fitsStamp_ == 0) {  // wrapped: forget every size
    fitsStampOf_.fill(0);
    fitsStamp_ = 1;
  }
  Word at = readEmpties<Word>(1, static_cast<Word>(mayEmpty) & window) & window;
  for (int j = 0; j < blocks; ++j) {
    const int size = sizes[backwards ? blocks - 1 - j : j];
    // Starts of a block of this size with its gap, from cell 0; lines repeat their sizes.
    if (fitsStampOf_[size] != fitsStamp_) {
      fitsOf_[size] = runStarts(mayFill, size) & (mayEmpty >> size);
      fitsStampOf_[size] = fitsStamp_;
    }
    const Word fit = static_cast<Word>(fitsOf_[size] >> firstEnd) & window;
    reach[j] = at;
    fits[j] = fit;
    firstEnd += size + 1;
    at = readEmpties<Word>(at & fit, static_cast<Word>(mayEmpty >> firstEnd) & window) & window;
  }
  reach[blocks] = at;
  return (at >> slack) & 1;
}

// The mirrored line's boundary u stands where the line's t = slack - u does.
template <typename Word>
bool LineSolver::solveIn(std::span<const std::uint8_t> sizes, int length, int slack,
                         LineCells known, LineCells& decided) {
  const int blocks = static_cast<int>(sizes.size());
  const Bits line = lowBits(length);
  const Bits extra = Bits{1} << length;
  const Bits mayFill = line & ~known.empty;
  const Bits mayEmpty = (line & ~known.filled) | extra;
  Buffers<Word>& buffer = buffers<Word>();
  if (buffer.reach.size() < static_cast<std::size_t>(blocks) + 1) buffer.resize(blocks);
  Word* reach = buffer.reach.data();
  Word* mirrorReach = buffer.mirrorReach.data();
  Word* fits = buffer.fits.data();
  Word* mirrorFits = buffer.mirrorFits.data();
  if (!walk<Word>(sizes, false, slack, mayFill, mayEmpty, reach, fits) ||
      !walk<Word>(sizes, true, slack, mirror(mayFill, length),
                  mirror(mayEmpty & line, length) | extra, mirrorReach, mirrorFits))
    return false;

  // Empty cells with j blocks before them lie at firstEnd_j + t where both walks meet at t and
  // t + 1; the gap of block j-1 lies at firstEnd_j - 1. Both go in at bit t + 1, one shift.
  const Word restAfterNone = reverseLow(mirrorReach[blocks], slack + 1);  // all blocks after
  Bits canFill = 0;
  Bits canEmpty = static_cast<Bits>(reach[0] & (restAfterNone >> 1));
  int firstEnd = 0;
  for (int j = 0; j < blocks; ++j) {
    const int size = sizes[j];
    const Word restBeyond = reverseLow(mirrorReach[blocks - 1 - j], slack + 1);  // blocks j+1..
    const Word starts = reach[j] & fits[j] & restBeyond;
    // A block ending inside the window's word is spread there, before the wide shift.
    canFill |= (slack + size < static_cast<int>(sizeof(Word) * 8)
                    ? static_cast<Bits>(spread(starts, size))
                    : spread(static_cast<Bits>(starts), size))
               << firstEnd;
    firstEnd += size + 1;
    const Word empties = reach[j + 1] & (restBeyond >> 1);
    canEmpty |= (static_cast<Bits>(starts) | static_cast<Bits>(empties) << 1) << (firstEnd - 1);
  }
  decided.filled = line & ~canEmpty;
  decided.empty = line & ~canFill;
  return true;
}

bool LineSolver::solve(std::span<const std::uint8_t> sizes, int length, LineCells known,
                       LineCells& decided) {
  if (length < 1 || length > kMaxLineLength) return false;
  const int slack = length - cellsNeeded(sizes);
  if (slack < 0) return false;
  // The window and the carry out of it fit a 64-bit word on every line with many blocks.
  if (slack + 2 <= 64) return solveIn<std::uint64_t>(sizes, length, slack, known, decided);
  return solveIn<Bits>(sizes, length, slack, known, decided);
}

bool LineSolver::solve(const LineState& line, LineView cells, std::span<std::uint8_t> filledInAll,
                       std::span<std::uint8_t> filledInAny) {
  LineCells known;
  for (int k = 0; k < line.Length; ++k) {
    known.filled |= Bits{cells[k] == wcFilled} << k;
    known.empty |= Bits{cells[k] == wcEmpty} << k;
  }
  LineCells decided;
  const bool fits = line.Fits && solve(line.Sizes, line.Length, known, decided);
  if (!fits) decided = {};
  for (int k = 0; k < line.Length; ++k) {
    filledInAll[k] = static_cast<std::uint8_t>(fits && !(decided.filled >> k & 1) ? 2 : 1);
    filledInAny[k] = static_cast<std::uint8_t>(fits && !(decided.empty >> k & 1) ? 2 : 0);
  }
  return fits;
}

}  // namespace jcw
