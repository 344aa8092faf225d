// The line solver on 100-cell lines: many short blocks, a few long ones, and random lines.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "solver/LineSolver.h"
#include "solver/LineState.h"

namespace jcw {
namespace {

constexpr int kLength = 100;

struct Line {
  LineState state;
  std::vector<std::uint8_t> cells;
};

Line unknownLine(int blocks, int size) {
  Line line;
  setLineClues(line.state, 1, kLength, std::vector<int>(blocks, size));
  line.cells.assign(kLength, wcUnknown);
  return line;
}

// A random picture line; its clues, and the line with each cell known with probability `known`.
Line randomLine(std::mt19937& random, double known) {
  std::bernoulli_distribution filled(0.55);
  std::bernoulli_distribution kept(known);
  std::vector<std::uint8_t> picture(kLength);
  for (auto& cell : picture) cell = filled(random) ? wcFilled : wcEmpty;
  std::vector<int> clues;
  for (int k = 0; k < kLength; ++k) {
    if (picture[k] != wcFilled) continue;
    if (k == 0 || picture[k - 1] != wcFilled) clues.push_back(0);
    ++clues.back();
  }
  Line line;
  setLineClues(line.state, 1, kLength, clues);
  line.cells = picture;
  for (auto& cell : line.cells)
    if (!kept(random)) cell = wcUnknown;
  return line;
}

void solveLines(benchmark::State& bench, std::vector<Line>& lines) {
  LineSolver solver;
  solver.reserve(kLength);
  std::vector<std::uint8_t> all(kLength), any(kLength);
  std::size_t next = 0;
  for (auto _ : bench) {
    Line& line = lines[next++ % lines.size()];
    const bool fits = solver.solve(line.state, {line.cells.data(), 1, kLength}, all, any);
    benchmark::DoNotOptimize(fits);
    benchmark::DoNotOptimize(all.data());
  }
}

void ThirtyThreeBlocksOfOne(benchmark::State& bench) {
  std::vector<Line> lines{unknownLine(33, 1)};
  solveLines(bench, lines);
}
BENCHMARK(ThirtyThreeBlocksOfOne);

void TenBlocksOfFive(benchmark::State& bench) {
  std::vector<Line> lines{unknownLine(10, 5)};
  solveLines(bench, lines);
}
BENCHMARK(TenBlocksOfFive);

// Argument: percentage of cells known.
void RandomCluesAndMarks(benchmark::State& bench) {
  std::mt19937 random(20261207);
  std::vector<Line> lines;
  for (int i = 0; i < 256; ++i) lines.push_back(randomLine(random, bench.range(0) / 100.0));
  solveLines(bench, lines);
}
BENCHMARK(RandomCluesAndMarks)->Arg(0)->Arg(30)->Arg(70);

}  // namespace
}  // namespace jcw
