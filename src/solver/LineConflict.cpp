#include "solver/LineConflict.h"

#include <algorithm>
#include <deque>
#include <memory>

#include "solver/LineSolver.h"
#include "solver/SatSearch.h"

namespace jcw {

namespace {

// Lines are numbered rows first, then columns.
using LineSet = std::vector<int>;

ClueSizes sizesOf(const std::vector<ClueLine>& lines) {
  ClueSizes sizes;
  for (const ClueLine& line : lines) {
    std::vector<std::uint8_t>& blocks = sizes.emplace_back();
    for (int clue : line)
      if (clue > 0) blocks.push_back(static_cast<std::uint8_t>(std::min(clue, 255)));
  }
  return sizes;
}

// Row and column deduction over a chosen set of lines, the others left free.
class LineLogic {
 public:
  LineLogic(const ClueSizes& rows, const ClueSizes& columns) : rows_(rows), columns_(columns) {}

  // When deducing over `lines` alone meets a line that no placement fits: the lines the
  // deduction used (those that decided a cell, and that line), which meet it again by themselves.
  // Nothing when it does not, and when `cancel` stopped it.
  std::optional<LineSet> contradiction(const LineSet& lines, const CancelCheck& cancel) {
    const int rowCount = static_cast<int>(rows_.size());
    const int lineCount = rowCount + static_cast<int>(columns_.size());
    std::vector<char> active(lineCount, 0), queued(lineCount, 0), used(lineCount, 0);
    std::vector<LineCells> known(lineCount);
    std::deque<int> queue;
    for (int line : lines) active[line] = queued[line] = 1;
    queue.assign(lines.begin(), lines.end());
    while (!queue.empty()) {
      if (cancelled(cancel)) return std::nullopt;
      const int line = queue.front();
      queue.pop_front();
      queued[line] = 0;
      const bool isRow = line < rowCount;
      const auto& sizes = isRow ? rows_[line] : columns_[line - rowCount];
      const int length = isRow ? static_cast<int>(columns_.size()) : rowCount;
      LineCells decided;
      if (!solver_.solve(sizes, length, known[line], decided)) {
        used[line] = 1;
        LineSet core;
        for (int k = 0; k < lineCount; ++k)
          if (used[k]) core.push_back(k);
        return core;
      }
      const auto learn = [&](LineBits fresh, bool filled) {
        if (fresh != 0) used[line] = 1;
        forEachBit(fresh, [&](int k) {
          const int crossing = isRow ? rowCount + k : k;
          const LineBits bit = LineBits{1} << (isRow ? line : line - rowCount);
          (filled ? known[crossing].filled : known[crossing].empty) |= bit;
          if (active[crossing] && !queued[crossing]) {
            queued[crossing] = 1;
            queue.push_back(crossing);
          }
        });
      };
      learn(decided.filled & ~known[line].filled, true);
      learn(decided.empty & ~known[line].empty, false);
      known[line] = decided;
    }
    return std::nullopt;
  }

 private:
  const ClueSizes& rows_;
  const ClueSizes& columns_;
  LineSolver solver_;
};

// Whether a set of lines is contradictory, line logic first, the SAT solver (made when first
// needed) otherwise; a SAT refutation narrows the set to its failed assumptions.
class ConflictOracle {
 public:
  ConflictOracle(const ClueSizes& rows, const ClueSizes& columns, const CancelCheck& cancel)
      : rows_(rows), columns_(columns), cancel_(cancel), lines_(rows, columns) {}

  // The contradictory set within `lines` (perhaps smaller), or nothing.
  std::optional<LineSet> contradictory(const LineSet& lines) {
    if (std::optional<LineSet> used = lines_.contradiction(lines, cancel_)) return used;
    if (cancelled(cancel_)) return std::nullopt;
    if (!sat_) sat_ = std::make_unique<LineCoreSolver>(rows_, columns_);
    LineCoreAnswer answer = sat_->core(lines, cancel_);
    if (!answer.contradictory) return std::nullopt;
    return std::move(answer.lines);
  }

 private:
  const ClueSizes& rows_;
  const ClueSizes& columns_;
  const CancelCheck& cancel_;
  LineLogic lines_;
  std::unique_ptr<LineCoreSolver> sat_;
};

// Drops chunks of lines, halving the chunk down to single lines, while the rest stays
// contradictory.
LineSet shrunk(LineSet core, ConflictOracle& oracle, const CancelCheck& cancel) {
  for (std::size_t chunk = std::max<std::size_t>(core.size() / 2, 1);; chunk /= 2) {
    for (std::size_t from = 0; from < core.size() && !cancelled(cancel);) {
      LineSet rest(core.begin(), core.begin() + static_cast<std::ptrdiff_t>(from));
      rest.insert(rest.end(), core.begin() + static_cast<std::ptrdiff_t>(std::min(from + chunk, core.size())),
                  core.end());
      if (std::optional<LineSet> smaller = oracle.contradictory(rest)) {
        core = std::move(*smaller);
      } else {
        from += chunk;
      }
    }
    if (chunk == 1 || cancelled(cancel)) return core;
  }
}

std::string numbered(const std::vector<int>& lines, const char* one, const char* many) {
  if (lines.empty()) return {};
  std::string text = lines.size() == 1 ? one : many;
  for (std::size_t i = 0; i < lines.size(); ++i)
    text += (i == 0 ? " " : ", ") + std::to_string(lines[i]);
  return text;
}

}  // namespace

std::optional<LineConflict> locateConflict(const ClueLists& clues, const CancelCheck& cancel) {
  const ClueSizes rows = sizesOf(clues.rows);
  const ClueSizes columns = sizesOf(clues.columns);
  if (rows.empty() || columns.empty() || static_cast<int>(rows.size()) > kMaxLineLength ||
      static_cast<int>(columns.size()) > kMaxLineLength)
    return std::nullopt;
  ConflictOracle oracle(rows, columns, cancel);
  LineSet all(rows.size() + columns.size());
  for (std::size_t line = 0; line < all.size(); ++line) all[line] = static_cast<int>(line);
  std::optional<LineSet> core = oracle.contradictory(all);
  if (!core) return std::nullopt;
  std::ranges::sort(*core);
  LineConflict conflict;
  const int rowCount = static_cast<int>(rows.size());
  for (int line : shrunk(*std::move(core), oracle, cancel))
    (line < rowCount ? conflict.rows : conflict.columns).push_back(line < rowCount ? line : line - rowCount);
  std::ranges::sort(conflict.rows);
  std::ranges::sort(conflict.columns);
  return conflict;
}

std::vector<int> countedFromOne(std::vector<int> lines) {
  for (int& line : lines) ++line;
  return lines;
}

std::string withConflict(std::string message, const std::optional<LineConflict>& conflict) {
  if (conflict) message += "\n\r" + conflictMessage(*conflict);
  return message;
}

std::string conflictMessage(const LineConflict& conflict) {
  const std::string rows = numbered(countedFromOne(conflict.rows), "строка", "строки");
  const std::string columns = numbered(countedFromOne(conflict.columns), "столбец", "столбцы");
  const std::string joint = !rows.empty() && !columns.empty() ? " и " : "";
  return "Противоречат друг другу: " + rows + joint + columns;
}

}  // namespace jcw
