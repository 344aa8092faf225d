#include "solver/qt/Hint.h"

#include <QCoreApplication>
#include <QPointer>

#include "field/qt/TGrid.h"
#include "model/ProcessState.h"
#include "platform/qt/Platform.h"
#include "solver/qt/FieldSolver.h"
#include "solver/SolverBusy.h"
#include "solver/SolverRuns.h"

namespace jcw {

void HintProcess(TGrid& field) {
  if (SolverBusy) return;
  const SolverRunScope run;
  CancelRequested = false;
  const QPointer<TGrid> alive(&field);
  SolverState state;
  prepareFromField(state, field, true);
  // A contradiction the sweeps meet later would empty lines now: the hint writes nothing then.
  SolverState probe = state;
  sweepWhileLearning(probe);
  if (!alive || cancelled(probe.Cancel)) return;
  if (probe.Contradiction) {
    const std::optional<LineConflict> conflict = showFieldConflict(field);
    const std::string reason =
        conflict ? withConflict("Кроссворд не имеет решений", conflict)
                 : std::string("Отмеченные клетки противоречат числам");
    platform().messageBox({QCoreApplication::translate("jcw", "Подсказка невозможна") +
                               QStringLiteral("\n\r") + QString::fromStdString(reason),
                           QCoreApplication::translate("jcw", "Японский кроссворд - Подсказка"),
                           Buttons::Ok, Icon::Information, Answer::Ok});
    return;
  }
  const bool changed = hintPass(state);
  if (!alive) return;
  if (changed) {
    const std::vector<std::uint8_t> before = field.model().pictureStates();
    writeBackToField(state, field);
    field.recordPictureChange(before);  // one Undo takes the whole hint back
    return;
  }
  platform().messageBox({QCoreApplication::translate(
                             "jcw", "Подсказка невозможна\n\rДальнейшее решение не определено"),
                         QCoreApplication::translate("jcw", "Японский кроссворд - Подсказка"),
                         Buttons::Ok, Icon::Information, Answer::Ok});
}

}  // namespace jcw
