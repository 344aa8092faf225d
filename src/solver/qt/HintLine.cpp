#include "solver/qt/HintLine.h"

#include <QCoreApplication>
#include <QPointer>
#include <memory>

#include "field/ViewState.h"
#include "field/qt/TGrid.h"
#include "files/ClueLists.h"
#include "model/ProcessState.h"
#include "platform/qt/Platform.h"
#include "solver/LineHint.h"
#include "solver/PlayerMarks.h"
#include "solver/SolverBusy.h"
#include "solver/qt/BackgroundSearch.h"

namespace jcw {

namespace {

QString hintCaption() {
  return QCoreApplication::translate("jcw", "Японский кроссворд - Подсказка");
}

void tell(const QString& text) {
  platform().messageBox({text, hintCaption(), Buttons::Ok, Icon::Information, Answer::Ok});
}

QString lineName(const PictureLine& line) {
  return line.row ? QCoreApplication::translate("jcw", "Строка %1").arg(line.index)
                  : QCoreApplication::translate("jcw", "Столбец %1").arg(line.index);
}

// "3 клетки": the Russian count takes one of three forms.
QString cellCount(int n) {
  const int tens = n % 100, units = n % 10;
  if (units == 1 && tens != 11) return QCoreApplication::translate("jcw", "%1 клетка").arg(n);
  if (units >= 2 && units <= 4 && (tens < 12 || tens > 14))
    return QCoreApplication::translate("jcw", "%1 клетки").arg(n);
  return QCoreApplication::translate("jcw", "%1 клеток").arg(n);
}

std::vector<CellPos> lineCells(const Crossword& crossword, const PictureLine& line) {
  std::vector<CellPos> cells;
  const Dimensions& d = crossword.dims();
  const int count = line.row ? d.ColCount : d.RowCount;
  for (int k = 0; k < count; ++k)
    cells.push_back(tableCellOf(crossword, line.row ? PictureCell{k, line.index - 1}
                                                    : PictureCell{line.index - 1, k}));
  return cells;
}

// The cells marked as one step, their lines re-evaluated and repainted.
void markAsOneStep(TGrid& field, const std::vector<PictureCell>& cells,
                   const std::vector<std::uint8_t>& values) {
  Crossword& model = field.model();
  const std::vector<std::uint8_t> before = model.pictureStates();
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const CellPos at = tableCellOf(model, cells[i]);
    TCell& cell = model.cell(at.x, at.y);
    model.MarkedCount += cell.State == csBlank;
    cell.State = values[i] == wcFilled ? csFilled : csEmpty;
  }
  for (const PictureCell& cell : cells) {
    const CellPos at = tableCellOf(model, cell);
    field.UpdateLineStatus(at.x, at.y);
    field.PaintCell(at.x, at.y);
    field.PaintIndicators(at.x, at.y);
  }
  field.recordPictureChange(before);
}

// No line advances: one cell proved by trying both values, offered to the player.
void offerProvedCell(TGrid& field) {
  const ClueLists clues = cluesOf(field.model());
  const WorkGrid marks = marksGrid(field.model());
  auto probe = std::make_shared<ProbeHint>();
  const QPointer<TGrid> alive(&field);
  bool ended = false;
  {
    const SolverRunScope run;
    CancelRequested = false;
    ended = runInBackground([clues, marks, probe](const CancelCheck& cancel, SearchProgress*) {
      *probe = probeOneCell(clues, marks, cancel);
    });
  }
  if (!alive || !ended || probe->cancelled) return;
  if (!probe->found) {
    tell(QCoreApplication::translate(
        "jcw", "Ни одну линию нельзя продвинуть, и проба одной клетки ничего не доказывает."));
    return;
  }
  const CellPos at = tableCellOf(field.model(), probe->cell);
  field.showDifferingCells({at});
  const QString value = probe->value == wcFilled
                            ? QCoreApplication::translate("jcw", "закрашена")
                            : QCoreApplication::translate("jcw", "пустая");
  const QString text =
      QCoreApplication::translate("jcw",
                                  "Ни одну линию нельзя продвинуть.\nКлетка в строке %1, "
                                  "столбце %2 %3: иначе не сходится %4.\nОтметить её?")
          .arg(probe->cell.row + 1)
          .arg(probe->cell.column + 1)
          .arg(value, lineName(probe->contradiction).toLower());
  if (platform().messageBox({text, hintCaption(), Buttons::YesNo, Icon::Question, Answer::Yes}) !=
          Answer::Yes ||
      !alive)
    return;
  markAsOneStep(field, {probe->cell}, {probe->value});
  field.showDifferingCells({at});
}

}  // namespace

void HintLineProcess(TGrid& field) {
  if (SolverBusy || CurrentMode != kSolvingMode || !field.model().allocated()) return;
  const Crossword& model = field.model();
  const LineHint hint = firstLineHint(cluesOf(model), marksGrid(model));
  switch (hint.kind) {
    case LineHintKind::Advance: {
      markAsOneStep(field, hint.cells, hint.values);
      field.showDifferingCells(lineCells(field.model(), hint.line));
      tell(lineName(hint.line) + QStringLiteral(": ") +
           cellCount(static_cast<int>(hint.cells.size())));
      return;
    }
    case LineHintKind::Contradiction:
      field.showDifferingCells(lineCells(model, hint.line));
      tell(QCoreApplication::translate("jcw", "%1: отметки не сходятся с числами.")
               .arg(lineName(hint.line)));
      return;
    case LineHintKind::Done:
      tell(QCoreApplication::translate("jcw", "Все клетки уже решены."));
      return;
    case LineHintKind::Stuck: offerProvedCell(field); return;
  }
}

}  // namespace jcw
