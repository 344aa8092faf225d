// The line solver on 100-cell lines: many short blocks, a few long ones, and random lines. Each
// iteration is one whole solve, from the clues and the known cells to the cells decided.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "solver/LineSolver.h"

namespace jcw {
namespace {

constexpr int kLength = 100;

struct Line {
  std::vector<std::uint8_t> sizes;
  LineCells known;
};

Line unknownLine(int blocks, int size) {
  return {std::vector<std::uint8_t>(blocks, static_cast<std::uint8_t>(size)), {}};
}

// A random picture line; its clues, and the line with each cell known with probability `known`.
Line randomLine(std::mt19937& random, double known) {
  std::bernoulli_distribution filled(0.55);
  std::bernoulli_distribution kept(known);
  std::vector<std::uint8_t> picture(kLength);
  for (auto& cell : picture) cell = filled(random) ? wcFilled : wcEmpty;
  Line line;
  for (int k = 0; k < kLength; ++k) {
    if (picture[k] == wcFilled && (k == 0 || picture[k - 1] != wcFilled)) line.sizes.push_back(0);
    if (picture[k] == wcFilled) ++line.sizes.back();
    if (!kept(random)) continue;
    (picture[k] == wcFilled ? line.known.filled : line.known.empty) |= LineBits{1} << k;
  }
  return line;
}

void solveLines(benchmark::State& bench, std::vector<Line>& lines) {
  LineSolver solver;
  solver.reserve(kLength);
  LineCells decided;
  std::size_t next = 0;
  for (auto _ : bench) {
    const Line& line = lines[next++ % lines.size()];
    const bool fits = solver.solve(line.sizes, kLength, line.known, decided);
    benchmark::DoNotOptimize(fits);
    benchmark::DoNotOptimize(decided);
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
