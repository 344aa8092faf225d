#pragma once
// A real field on the offscreen platform, shown as its own window, with a recording host and
// the scripted platform. The crossword comes from an ASCII spec.

#include <QTest>
#include <memory>

#include "field/ViewState.h"
#include "field/qt/FieldColors.h"
#include "field/qt/RecordingHost.h"
#include "field/qt/TGrid.h"
#include "support/Fixtures.h"
#include "support/ScriptedPlatform.h"

namespace jcw {

// Readable cell positions in failed comparisons.
inline char* toString(const CellPos& p) {
  return QTest::toString(QStringLiteral("(%1, %2)").arg(p.x).arg(p.y));
}

}  // namespace jcw

namespace jcw::test {

inline const QColor kButtonFace{240, 240, 240};

class FieldFixture {
 public:
  FieldFixture(const CrosswordSpec& spec, Mode mode, int cellSize = 20) {
    CurrentMode = mode;
    HeaderColor = mode == kEditorMode ? kEditorHeaderColor : toRgb(kButtonFace);
    Crossword crossword = makeCrossword(spec);
    setCurrentDimensions(crossword.dims());
    grid->setHost(&host);
    grid->setModel(std::move(crossword));
    grid->setCellSize(cellSize);
    grid->resize(grid->fieldSize());
    if (mode == kEditorMode) grid->SelectClueCell(model().EditCursor.x, model().EditCursor.y);
    grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
  }

  Crossword& model() { return grid->model(); }
  TCell& cell(CellPos p) { return model().cell(p.x, p.y); }
  // Picture cell (c, r), both from 1.
  CellPos picture(int c, int r) {
    return {model().dims().CapColCount + c, model().dims().CapRowCount + r};
  }
  QPoint centre(CellPos p) {
    const QRect box = grid->cellRect(p.x, p.y);
    return {box.left() + box.width() / 2, box.top() + box.height() / 2};
  }
  // What the field shows now.
  QImage image() { return grid->grab().toImage(); }
  // A pixel inside the cell, off its frame and off any digit.
  QColor fillAt(CellPos p) {
    const QRect box = grid->cellRect(p.x, p.y);
    return image().pixelColor(box.left() + 1, box.bottom() - 1);
  }

  ScopedScriptedPlatform platform;
  RecordingHost host;
  std::unique_ptr<TGrid> grid = std::make_unique<TGrid>();
};

}  // namespace jcw::test
