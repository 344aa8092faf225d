#include "mainwindow/qt/MainWindowFixture.h"

#include <QApplication>
#include <QMenu>

#include "mainwindow/qt/MainState.h"
#include "model/Dimensions.h"

namespace jcw::test {

void WatchedForm::NSave0Click() {
  ++saves;
  if (saveFails) return;
  field()->model().UndoList.clear();
  field()->SetModified(false);
}

Crossword emptyTwentyByFifteen() {
  Crossword crossword;
  crossword.allocate({20, 15, 5, 4});
  return crossword;
}

CrosswordSpec smallSolvable() { return {Clues{{3}, {1}}, Clues{{1}, {1}, {2}}, {"###", "???"}}; }

WatchedForm& MainWindowFixture::open(Crossword crossword, std::uint8_t openMode) {
  setCurrentDimensions(crossword.dims());
  form_ = std::make_unique<WatchedForm>();
  form_->field()->setModel(std::move(crossword));
  OpenMode = openMode;
  form_->show();
  return *form_;
}

bool MainWindowFixture::windowIsFieldAndPanel() {
  const QRect field = form_->field()->geometry();
  const auto* panel = child<QWidget>("PanelTools");
  if (!panel->isVisible()) return field == form_->rect();
  return !field.intersects(panel->geometry()) &&
         field.united(panel->geometry()) == form_->rect();
}

bool MainWindowFixture::panelOnTheLeft() {
  const QRect panel = child<QWidget>("PanelTools")->geometry();
  return panel.topLeft() == QPoint(0, 0) && panel.height() == form_->height() &&
         panel.width() < panel.height();
}

bool MainWindowFixture::panelOnTop() {
  const QRect panel = child<QWidget>("PanelTools")->geometry();
  return panel.topLeft() == QPoint(0, 0) && panel.width() == form_->width() &&
         panel.height() < panel.width();
}

bool MainWindowFixture::cellsAreLargestFor(QSize room) {
  const auto fit = [&](int cell) {
    return cell * model().W1() <= room.width() && cell * model().H1() <= room.height();
  };
  return fit(CellSize) && !fit(CellSize + 1);
}

QSize MainWindowFixture::besidePanel(QSize client) {
  const QSize panel = child<QWidget>("PanelTools")->size();
  return client - (panelOnTop() ? QSize(0, panel.height()) : QSize(panel.width(), 0));
}

void MainWindowFixture::init() {
  home_ = std::make_unique<QTemporaryDir>();
  qputenv("XDG_CONFIG_HOME", home_->filePath(QStringLiteral("config")).toUtf8());
  qputenv("XDG_DATA_HOME", home_->filePath(QStringLiteral("data")).toUtf8());
  resetProcessState();
  platform_.emplace();
  scripted().area = QRect(0, 0, 1000, 760);
}

void MainWindowFixture::cleanup() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* menu = qobject_cast<QMenu*>(w)) menu->hide();
  if (form_) {
    scripted().answers.assign(8, Answer::No);  // a modified crossword asks on close
    form_.reset();
  }
  platform_.reset();
}

}  // namespace jcw::test
