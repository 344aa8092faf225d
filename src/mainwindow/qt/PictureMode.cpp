#include "mainwindow/qt/PictureMode.h"

#include <QCoreApplication>

#include "field/ViewState.h"
#include "field/qt/TGrid.h"
#include "files/ClueLists.h"
#include "files/DrawnPicture.h"
#include "mainwindow/PrintSolution.h"
#include "model/PictureText.h"
#include "platform/qt/Platform.h"
#include "solver/Difficulty.h"
#include "solver/FixSuggestions.h"
#include "solver/PictureAnalysis.h"

namespace jcw {

namespace {

// The crossword's picture as the solver's grid: filled marks filled, every other cell empty.
WorkGrid pictureGrid(const Crossword& crossword) {
  const Dimensions& d = crossword.dims();
  WorkGrid grid;
  grid.assign(d.ColCount, d.RowCount, wcEmpty);
  for (int c = 0; c < d.ColCount; ++c)
    for (int r = 0; r < d.RowCount; ++r)
      if (crossword.cell(crossword.firstPictureX() + c, crossword.firstPictureY() + r).State ==
          csFilled)
        grid.at(c, r) = wcFilled;
  return grid;
}

CellPos tablePosition(const Crossword& crossword, PictureCell cell) {
  return {crossword.firstPictureX() + cell.column, crossword.firstPictureY() + cell.row};
}

std::vector<CellPos> tablePositions(const Crossword& crossword,
                                    const std::vector<PictureCell>& cells) {
  std::vector<CellPos> positions;
  for (const PictureCell& cell : cells) positions.push_back(tablePosition(crossword, cell));
  return positions;
}

std::vector<PictureCell> openCells(const WorkGrid& byLines) {
  std::vector<PictureCell> open;
  for (int r = 0; r < byLines.rowCount(); ++r)
    for (int c = 0; c < byLines.colCount(); ++c)
      if (byLines.at(c, r) == wcUnknown) open.push_back({c, r});
  return open;
}

QString verdictText(const PictureAnalysis& analysis) {
  switch (analysis.fairness) {
    case Fairness::ByLines:
      return QCoreApplication::translate("jcw",
                                         "Единственное решение: хватает логики строк и столбцов");
    case Fairness::NeedsTrying:
      return QCoreApplication::translate(
                 "jcw", "Единственное решение, но нужно пробовать клетки (узлов поиска: %1)")
          .arg(analysis.nodes);
    case Fairness::Several:
      return QCoreApplication::translate(
          "jcw", "Несколько решений: заштрихованы клетки, где два из них различаются");
    case Fairness::None:
      return QCoreApplication::translate("jcw", "Ни один рисунок не подходит к числам");
    case Fairness::Cancelled:
      break;
  }
  return {};
}

QString fixText(const FixSuggestion& fix, bool severalPictures) {
  const QString change = fix.fill ? QCoreApplication::translate("jcw", "Закрасить клетку %1, %2")
                                  : QCoreApplication::translate("jcw", "Очистить клетку %1, %2");
  const QString effect =
      fix.makesUnique
          ? (severalPictures
                 ? QCoreApplication::translate("jcw", "станет единственным")
                 : QCoreApplication::translate("jcw", "решится логикой строк и столбцов"))
          : QCoreApplication::translate("jcw", "−%1 неопределённых клеток").arg(fix.decided);
  return change.arg(fix.cell.column + 1).arg(fix.cell.row + 1) + QStringLiteral(": ") + effect;
}

}  // namespace

PictureMode::PictureMode(QWidget& window, std::function<TGrid*()> field,
                         std::function<void()> relayout)
    : QObject(&window),
      window_(window),
      field_(std::move(field)),
      relayout_(std::move(relayout)),
      status_(new QLabel(&window)),
      fixes_(new QMenu(&window)),
      menu_(new QMenu(QCoreApplication::translate("jcw", "Рисунок"), &window)),
      analysis_(this),
      fixWork_(this) {
  status_->setObjectName(QStringLiteral("PictureStatus"));
  status_->setAutoFillBackground(true);
  status_->setBackgroundRole(QPalette::ToolTipBase);
  status_->setForegroundRole(QPalette::ToolTipText);
  status_->setMargin(2);
  status_->hide();
  fixes_->setObjectName(QStringLiteral("PictureFixes"));
  menu_->setObjectName(QStringLiteral("NPicture"));
  menu_->menuAction()->setObjectName(QStringLiteral("NPicture"));
  QAction* suggest = menu_->addAction(QCoreApplication::translate("jcw", "Предложить исправление") +
                                      QStringLiteral("\tF10"));
  suggest->setObjectName(QStringLiteral("NSuggest"));
  connect(suggest, &QAction::triggered, this, [this] { offerFixes(); });
  menu_->addSeparator();
  const std::pair<const char*, EdgeChange> sizeItems[] = {
      {QT_TRANSLATE_NOOP("jcw", "Добавить столбец слева"), {1, 0, 0, 0}},
      {QT_TRANSLATE_NOOP("jcw", "Добавить столбец справа"), {0, 0, 1, 0}},
      {QT_TRANSLATE_NOOP("jcw", "Добавить строку сверху"), {0, 1, 0, 0}},
      {QT_TRANSLATE_NOOP("jcw", "Добавить строку снизу"), {0, 0, 0, 1}},
      {QT_TRANSLATE_NOOP("jcw", "Убрать столбец слева"), {-1, 0, 0, 0}},
      {QT_TRANSLATE_NOOP("jcw", "Убрать столбец справа"), {0, 0, -1, 0}},
      {QT_TRANSLATE_NOOP("jcw", "Убрать строку сверху"), {0, -1, 0, 0}},
      {QT_TRANSLATE_NOOP("jcw", "Убрать строку снизу"), {0, 0, 0, -1}},
  };
  for (std::size_t i = 0; i < std::size(sizeItems); ++i) {
    if (i == 4) menu_->addSeparator();  // the additions, then the removals
    const auto& [caption, change] = sizeItems[i];
    connect(menu_->addAction(QCoreApplication::translate("jcw", caption)), &QAction::triggered,
            this, [this, change] { resizeBy(change); });
  }
  delay_.setSingleShot(true);
  delay_.setInterval(kAnalysisDelayMs);
  connect(&delay_, &QTimer::timeout, this, [this] { analyse(); });
}

bool PictureMode::mayEnter() {
  TGrid* grid = field();
  if (!grid || !grid->model().allocated()) return false;
  Crossword& model = grid->model();
  if (cluesMatchPicture(model) || drawnField_ == grid) return true;
  // The goal read with the file, else the unique solution, else the filled marks.
  std::vector<std::string> picture = goalOf(model);
  const char* question =
      QT_TRANSLATE_NOOP("jcw",
                        "Рисунком станет рисунок из файла кроссворда, а числа будут следовать "
                        "рисунку.\n\rПерейти к рисованию?");
  if (picture.empty()) {
    if (const std::optional<Crossword> solution = uniqueSolution(model))
      picture = pictureRows(*solution);
    question = picture.empty()
                   ? QT_TRANSLATE_NOOP("jcw",
                                       "Рисунком станут закрашенные клетки, а числа будут "
                                       "пересчитаны по ним.\n\rПерейти к рисованию?")
                   : QT_TRANSLATE_NOOP("jcw",
                                       "Рисунком станет решение кроссворда, а числа будут "
                                       "следовать рисунку.\n\rПерейти к рисованию?");
  }
  if (platform().messageBox({QCoreApplication::translate("jcw", question), window_.windowTitle(),
                             Buttons::YesNo, Icon::Question, Answer::Yes}) != Answer::Yes)
    return false;
  if (!picture.empty()) {
    const std::vector<std::uint8_t> before = model.pictureStates();
    for (int r = 0; r < model.dims().RowCount; ++r)
      for (int c = 0; c < model.dims().ColCount; ++c)
        model.cell(model.firstPictureX() + c, model.firstPictureY() + r).State =
            picture[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] == '#' ? csFilled
                                                                                     : csBlank;
    model.MarkedCount = model.countMarked();
    model.updateAllLineStatus();
    grid->recordPictureChange(before);
  }
  followPicture();
  return true;
}

void PictureMode::entered() {
  TGrid* grid = field();
  if (!grid) return;
  if (drawnField_ != grid) followPicture();
  drawnField_ = grid;
  status_->show();
  status_->raise();
  scheduleAnalysis();
}

void PictureMode::left() {
  delay_.stop();
  analysis_.cancel();
  fixWork_.cancel();
  status_->hide();
  if (TGrid* grid = field()) grid->clearDifferingCells();
}

void PictureMode::pictureChanged() {
  followPicture();
  scheduleAnalysis();
}

void PictureMode::followPicture() {
  TGrid* grid = field();
  if (!grid) return;
  const Dimensions before = grid->model().dims();
  const ClueLists oldClues = cluesOf(grid->model());
  if (!cluesFromPicture(grid->model())) return;  // a picture of at most 100 cells always fits
  if (cluesOf(grid->model()) != oldClues) grid->model().Modified = true;
  if (grid->model().dims() == before) {
    grid->invalidateField();
  } else {
    grid->tableReshaped();
    relayout_();
  }
  grid->historyChanged();
}

void PictureMode::scheduleAnalysis() {
  analysis_.cancel();
  fixWork_.cancel();
  verdict_ = QCoreApplication::translate("jcw", "Проверка...");
  setStatus(verdict_);
  delay_.start();
}

void PictureMode::analyse() {
  TGrid* grid = field();
  if (!grid || CurrentMode != kPictureMode) return;
  const ClueLists clues = cluesOf(grid->model());
  const WorkGrid drawn = pictureGrid(grid->model());
  if (!cluesMatchPicture(grid->model()))
    verdict_ = QCoreApplication::translate(
        "jcw", "Числа введены вручную и не следуют рисунку; следующий штрих пересчитает их. ");
  else
    verdict_.clear();
  analysis_.start([this, clues, drawn](const CancelCheck& cancel, const LatestWork::Post& post) {
    PictureAnalysis analysis = analyseClues(clues, cancel, drawn);
    if (cancelled(cancel)) return;
    const bool unique =
        analysis.fairness == Fairness::ByLines || analysis.fairness == Fairness::NeedsTrying;
    post([this, analysis = std::move(analysis)] { showAnalysis(analysis); });
    if (!unique) return;  // a grade is for one picture only
    const Difficulty difficulty = gradeClues(clues, cancel);
    if (difficulty.complete) post([this, difficulty] { showGrade(difficulty); });
  });
}

void PictureMode::showAnalysis(const PictureAnalysis& analysis) {
  TGrid* grid = field();
  if (!grid) return;
  const Crossword& crossword = grid->model();
  grid->showPictureOverlay(tablePositions(crossword, openCells(analysis.byLines)),
                           tablePositions(crossword, analysis.differing));
  verdict_ += verdictText(analysis);
  setStatus(verdict_);
}

void PictureMode::showGrade(const Difficulty& difficulty) {
  if (difficulty.grade == 0) return;
  setStatus(verdict_ +
            QCoreApplication::translate("jcw", ". Сложность: %1 из 5").arg(difficulty.grade));
}

void PictureMode::offerFixes() {
  TGrid* grid = field();
  if (!grid || CurrentMode != kPictureMode) return;
  const ClueLists clues = cluesOf(grid->model());
  const WorkGrid picture = pictureGrid(grid->model());
  fixWork_.start([this, clues, picture](const CancelCheck& cancel, const LatestWork::Post& post) {
    const PictureAnalysis analysis = analyseClues(clues, cancel, picture);
    std::vector<FixSuggestion> fixes = suggestFixes(picture, analysis, cancel);
    if (cancelled(cancel)) return;
    const bool several = analysis.fairness == Fairness::Several;
    post([this, fixes = std::move(fixes), several] { showFixes(fixes, several); });
  });
}

void PictureMode::showFixes(const std::vector<FixSuggestion>& fixes, bool severalPictures) {
  fixes_->clear();
  if (fixes.empty()) {
    fixes_->addAction(QCoreApplication::translate("jcw", "Нет исправлений в одну клетку"))
        ->setEnabled(false);
  }
  for (const FixSuggestion& fix : fixes) {
    QAction* item = fixes_->addAction(fixText(fix, severalPictures));
    connect(item, &QAction::triggered, this, [this, fix] { applyFix(fix); });
  }
  fixes_->popup(platform().pointerPos());
}

void PictureMode::applyFix(const FixSuggestion& fix) {
  TGrid* grid = field();
  if (!grid || CurrentMode != kPictureMode) return;
  Crossword& model = grid->model();
  const CellPos at = tablePosition(model, fix.cell);
  if (!model.isPicture(at.x, at.y)) return;
  const std::vector<std::uint8_t> before = model.pictureStates();
  model.cell(at.x, at.y).State = fix.fill ? csFilled : csBlank;
  model.MarkedCount = model.countMarked();
  model.UpdateLineStatus(at.x, at.y);
  grid->recordPictureChange(before);
  grid->PaintCell(at.x, at.y);
  pictureChanged();
}

void PictureMode::resizeBy(const EdgeChange& change) {
  TGrid* grid = field();
  if (!grid || CurrentMode != kPictureMode) return;
  if (!resizePicture(grid->model(), change)) {
    platform().beep();  // the picture is at its smallest or largest already
    return;
  }
  grid->tableReshaped();
  relayout_();
  grid->historyChanged();
  scheduleAnalysis();
}

void PictureMode::addEnterItem(QAction* enter) {
  menu_->insertAction(menu_->actions().value(0), enter);
}

void PictureMode::enableCommands(bool drawing) {
  for (QAction* item : menu_->actions())
    if (item->objectName() != QStringLiteral("NDraw")) item->setEnabled(drawing);
}

void PictureMode::setStatus(const QString& text) {
  status_->setText(text);
  placeStatusLine();
}

void PictureMode::placeStatusLine() {
  TGrid* grid = field();
  if (!grid || status_->isHidden()) return;
  const QRect box = grid->geometry();
  const int height = status_->sizeHint().height();
  status_->setGeometry(box.left(), box.bottom() + 1 - height, box.width(), height);
  status_->raise();
}

}  // namespace jcw
