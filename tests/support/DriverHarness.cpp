#include "support/DriverHarness.h"

#include "files/CrosswordFile.h"
#include "platform/qt/Platform.h"

namespace jcw::test {

DriverHarness::DriverHarness()
    : mainBtn(new QPushButton(QStringLiteral("&Меню"), &window)),
      panel(new QLabel(QStringLiteral("Идет анализ. Ждите..."), &window)),
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
  grid->historyChanged();
}

void DriverHarness::load(const Crossword& crossword) { grid->setModel(crossword); }

}  // namespace jcw::test
