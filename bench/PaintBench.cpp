// The field's painting on the offscreen raster: a full paint of a 1920 x 1080 view of a 100 x 100
// crossword with 30 x 30 clue lists at several cell sizes, the repaint after one mark (the cell,
// its indicators, the highlighted clues and the digital cross along its row and column), and one
// zoom step (the new cell size, then a full paint).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <memory>
#include <random>

#include "field/ViewState.h"
#include "field/qt/TGrid.h"
#include "model/Dimensions.h"

namespace {

constexpr QSize kView{1920, 1080};

// Clue numbers in every header cell but the outermost few, marks in two thirds of the picture.
jcw::Crossword bigCrossword() {
  jcw::Crossword crossword;
  crossword.allocate({100, 100, 30, 30});
  std::mt19937 random(7);
  for (int x = 1; x < crossword.W1(); ++x) {
    for (int y = 1; y < crossword.H1(); ++y) {
      jcw::TCell& cell = crossword.cell(x, y);
      if (cell.Kind == jcw::ckClue && random() % 4 != 0)
        cell.Text = std::to_string(1 + random() % 20);
      if (cell.Kind == jcw::ckPicture) cell.State = static_cast<std::uint8_t>(random() % 3);
    }
  }
  crossword.updateAllLineStatus();
  return crossword;
}

struct Field {
  explicit Field(int cellSize) {
    jcw::CurrentMode = jcw::kSolvingMode;
    grid.setModel(bigCrossword());
    grid.resize(kView);
    grid.setCellSize(cellSize);
    const jcw::FieldView& v = grid.view();
    grid.scrollTo(jcw::maxScrollX(v) / 2, jcw::maxScrollY(v) / 2);
  }
  void paint(const QRect& exposed) {
    QPainter painter(&image);
    grid.paintView(painter, exposed);
  }

  jcw::TGrid grid;
  QImage image{kView, QImage::Format_ARGB32_Premultiplied};
};

void BM_FullPaint(benchmark::State& state) {
  Field field(static_cast<int>(state.range(0)));
  for (auto _ : state) field.paint(field.image.rect());
}
BENCHMARK(BM_FullPaint)->Arg(7)->Arg(12)->Arg(24)->Arg(48)->Unit(benchmark::kMillisecond);

// What one mark in the middle of the view makes the field paint again: its row and column
// across the view (the cell, the cross, the highlighted clues, the indicators at their ends).
void BM_RepaintAfterMark(benchmark::State& state) {
  Field field(static_cast<int>(state.range(0)));
  const jcw::FieldView& v = field.grid.view();
  const jcw::CellPos cell = field.grid.CellAtPoint(v.width * 2 / 3, v.height * 2 / 3);
  const QRect box = field.grid.cellRect(cell.x, cell.y);
  const QRect row(0, box.top(), v.width, box.height());
  const QRect column(box.left(), 0, box.width(), v.height);
  for (auto _ : state) {
    field.paint(row);
    field.paint(column);
  }
}
BENCHMARK(BM_RepaintAfterMark)->Arg(12)->Arg(24)->Unit(benchmark::kMicrosecond);

void BM_ZoomStep(benchmark::State& state) {
  Field field(24);
  int size = 24;
  for (auto _ : state) {
    size = size == 24 ? 27 : 24;
    field.grid.setCellSize(size);
    field.paint(field.image.rect());
  }
}
BENCHMARK(BM_ZoomStep)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
