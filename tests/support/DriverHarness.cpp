#include "support/DriverHarness.h"

#include "files/CrosswordFile.h"
#include "platform/qt/Platform.h"
#include "model/ProcessState.h"
#include "solver/SolverRuns.h"

namespace jcw::test {

DriverHarness::DriverHarness()
    : mainBtn(new QPushButton(QStringLiteral("&Меню"), &window)),
      panel(new QWidget(&window)),
      sbAuto(new QPushButton(&window)),
      grid(new TGrid(&window)) {
  window.resize(600, 500);
  panel->resize(169, 70);
  panel->hide();
  sbAuto->setCheckable(true);
  form = new TFormAuto(*this, &window);
  window.show();
}

void DriverHarness::save() {
  if (!grid->IsModified()) return;
  if (CurFileName.empty()) {
    const QString name = platform().saveFileName({});
    if (name.isEmpty()) return;
    CurFileName = name.toStdString();
    CurShortName = ShortName(CurFileName);
  }
  if (SaveProcess(grid->model())) grid->SetModified(false);
}

void DriverHarness::clearField() {
  grid->model().clearPicture();
  grid->SetModified(true);
}

void DriverHarness::load(const Crossword& crossword) { grid->setModel(crossword); }

Crossword puzzle(const std::string& name) {
  Result<Crossword> read = readCrosswordFile(std::string(JCW_PUZZLES_DIR) + "/jcw/" + name);
  if (!read) qFatal("cannot read puzzle %s", name.c_str());
  return std::move(*read);
}

std::vector<std::string> lineSolved(const Crossword& crossword, bool useMarks) {
  Crossword copy = crossword;
  SolverState state;
  state.UseMarks = useMarks;
  PrepareSolver(state, copy);
  solveByLines(state);
  WriteBack(state, copy);
  return pictureRows(copy);
}

}  // namespace jcw::test
