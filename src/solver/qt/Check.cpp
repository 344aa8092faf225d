#include "solver/qt/Check.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <optional>

#include "field/ViewState.h"
#include "field/qt/TGrid.h"
#include "files/ClueLists.h"
#include "model/ProcessState.h"
#include "platform/qt/Platform.h"
#include "solver/MarkCheck.h"
#include "solver/PlayerMarks.h"
#include "solver/SolverBusy.h"
#include "solver/qt/BackgroundSearch.h"

namespace jcw {

namespace {

QString checkCaption() {
  return QCoreApplication::translate("jcw", "Японский кроссворд - Проверка");
}

Answer ask(const QString& text, Buttons buttons = Buttons::Ok) {
  return platform().messageBox({text, checkCaption(), buttons,
                                buttons == Buttons::Ok ? Icon::Information : Icon::Question,
                                buttons == Buttons::Ok ? Answer::Ok : Answer::Yes});
}

// The complete search from `fixed` off the UI thread, the field busy meanwhile; none when it was
// stopped or the field went away.
std::optional<SearchResult> search(const QPointer<TGrid>& field, const WorkGrid& fixed) {
  const ClueLists clues = cluesOf(field->model());
  SearchResult result;
  {
    const SolverRunScope run;
    CancelRequested = false;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    result = searchInBackground(
        [](const ClueLists& lists, const WorkGrid& grid, const CancelCheck& cancel,
           SearchProgress* progress) { return searchSolutions(lists, grid, cancel, progress); },
        clues, fixed);
    QGuiApplication::restoreOverrideCursor();
  }
  if (!field || !result.complete) return std::nullopt;
  return result;
}

bool runnable(const TGrid& field) {
  return !SolverBusy && CurrentMode == kSolvingMode && field.model().allocated();
}

// The pictures of the clues alone; none when the search cannot run, was stopped or found no
// picture (the user is told so).
std::optional<SearchResult> picturesOfClues(const QPointer<TGrid>& field) {
  if (!runnable(*field)) return std::nullopt;
  std::optional<SearchResult> found = search(field, {});
  if (found && found->solutions == 0) {
    ask(QCoreApplication::translate("jcw", "У этих чисел нет ни одного решения."));
    return std::nullopt;
  }
  return found;
}

}  // namespace

void CheckProcess(TGrid& grid) {
  const QPointer<TGrid> field(&grid);
  const std::optional<SearchResult> found = picturesOfClues(field);
  if (!found) return;
  if (found->solutions == 1) {
    const std::vector<CellPos> wrong = wrongMarks(field->model(), found->pictures.front());
    if (wrong.empty()) {
      ask(QCoreApplication::translate("jcw", "Неверных отметок нет."));
      return;
    }
    const QString text =
        QCoreApplication::translate("jcw", "Неверных отметок: %1.\nПоказать их?").arg(wrong.size());
    if (ask(text, Buttons::YesNo) == Answer::Yes && field) field->showDifferingCells(wrong);
    return;
  }
  const std::optional<SearchResult> withMarks = search(field, marksGrid(field->model()));
  if (!withMarks) return;
  ask(withMarks->solutions > 0
          ? QCoreApplication::translate(
                "jcw", "Решений несколько; ваши отметки подходят хотя бы к одному из них.")
          : QCoreApplication::translate(
                "jcw", "Решений несколько, но ваши отметки не подходят ни к одному из них."));
}

void BackToLastRight(TGrid& grid) {
  const QPointer<TGrid> field(&grid);
  const std::optional<SearchResult> found = picturesOfClues(field);
  if (!found) return;
  if (found->solutions > 1) {
    ask(QCoreApplication::translate(
        "jcw", "Вернуться к верной позиции можно, только когда у кроссворда одно решение."));
    return;
  }
  const Crossword& model = field->model();
  const std::optional<std::size_t> right = newestRightPosition(model, found->pictures.front());
  if (!right) {
    ask(QCoreApplication::translate("jcw", "В истории нет позиции без неверных отметок."));
    return;
  }
  if (*right == model.history.position()) {
    ask(QCoreApplication::translate("jcw", "Неверных отметок нет."));
    return;
  }
  field->ReturnToPosition(*right);
}

}  // namespace jcw
