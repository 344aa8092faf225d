// The live analysis of an author's drawing at 50 x 50, which the status line must show within a
// second: random pictures of several densities (the sparse ones are rich in swaps, the dense
// ones solved by lines), each iteration one whole analysis from the clues and the drawing.
// Also the grade and the suggested fixes, which follow the analysis.

#include <benchmark/benchmark.h>

#include <random>

#include "model/PictureClues.h"
#include "solver/Difficulty.h"
#include "solver/FixSuggestions.h"
#include "solver/PictureAnalysis.h"

namespace jcw {
namespace {

constexpr int kSide = 50;

WorkGrid randomDrawing(int percentFilled, unsigned seed) {
  std::mt19937 random(seed);
  WorkGrid picture;
  picture.assign(kSide, kSide, wcEmpty);
  for (int r = 0; r < kSide; ++r)
    for (int c = 0; c < kSide; ++c)
      if (static_cast<int>(random() % 100) < percentFilled) picture.at(c, r) = wcFilled;
  return picture;
}

ClueLists cluesOf(const WorkGrid& picture) {
  return cluesOfPicture(kSide, kSide, [&](int c, int r) { return picture.at(c, r) == wcFilled; });
}

void analysis(benchmark::State& state) {
  const WorkGrid drawn = randomDrawing(static_cast<int>(state.range(0)), 7);
  const ClueLists clues = cluesOf(drawn);
  for (auto _ : state) benchmark::DoNotOptimize(analyseClues(clues, {}, drawn));
}
BENCHMARK(analysis)->Arg(40)->Arg(50)->Arg(60)->Arg(70)->Unit(benchmark::kMillisecond);

void grade(benchmark::State& state) {
  const ClueLists clues = cluesOf(randomDrawing(static_cast<int>(state.range(0)), 7));
  for (auto _ : state) benchmark::DoNotOptimize(gradeClues(clues));
}
BENCHMARK(grade)->Arg(60)->Arg(70)->Unit(benchmark::kMillisecond);

void fixes(benchmark::State& state) {
  const WorkGrid drawn = randomDrawing(static_cast<int>(state.range(0)), 7);
  const ClueLists clues = cluesOf(drawn);
  const PictureAnalysis analysed = analyseClues(clues, {}, drawn);
  for (auto _ : state) benchmark::DoNotOptimize(suggestFixes(drawn, analysed));
}
BENCHMARK(fixes)->Arg(50)->Arg(60)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace jcw

BENCHMARK_MAIN();
