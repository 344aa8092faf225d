#include "files/qt/ClipboardClues.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

#include "field/ViewState.h"
#include "field/qt/TGrid.h"
#include "files/ClueListText.h"
#include "files/ClueLists.h"
#include "files/CrosswordFile.h"
#include "files/qt/FileCommands.h"
#include "files/qt/FileHost.h"
#include "files/qt/SaveQuestion.h"
#include "model/Dimensions.h"
#include "platform/qt/Platform.h"
#include "settings/Options.h"

namespace jcw {

namespace {

QString caption() { return QCoreApplication::translate("jcw", "Японский кроссворд"); }

void refuse(const QString& reason) {
  platform().messageBox({QCoreApplication::translate("jcw", "Числа не вставлены:") +
                             QStringLiteral("\n") + reason,
                         caption(), Buttons::Ok, Icon::Exclamation, Answer::Ok});
}

QString firstLine(const std::vector<ClueLine>& lines) {
  QStringList numbers;
  for (int clue : lines.front()) numbers << QString::number(clue);
  return numbers.isEmpty() ? QStringLiteral("0") : numbers.join(QLatin1Char(' '));
}

bool confirmed(const ClueLists& clues, const QString& question) {
  const QString read =
      QCoreApplication::translate("jcw", "Из буфера обмена прочитаны числа %1 строк и %2 столбцов.\n"
                                         "Первая строка: %3\nПервый столбец: %4")
          .arg(clues.rows.size())
          .arg(clues.columns.size())
          .arg(firstLine(clues.rows))
          .arg(firstLine(clues.columns));
  return platform().messageBox({read + QStringLiteral("\n\n") + question, caption(),
                                Buttons::YesNo, Icon::Question, Answer::Yes}) == Answer::Yes;
}

// The field shows `crossword` in the editor, laid out anew for its dimensions.
void showInEditor(FileHost& host, TGrid& field, Crossword crossword) {
  setCurrentDimensions(crossword.dims());
  field.setModel(std::move(crossword));
  OpenMode = kEditorMode;
  host.FormShow();
  host.field()->SetModified(true);
  host.field()->invalidateField();
  if (Maximize) host.fitToWorkArea();
}

void replaceCluesOf(FileHost& host, const ClueLists& clues) {
  if (!confirmed(clues, QCoreApplication::translate("jcw", "Заменить ими числа кроссворда?")))
    return;
  Crossword crossword = host.field()->model();
  if (const Result<void> pasted = pasteClues(crossword, clues); !pasted) {
    refuse(QString::fromStdString(pasted.error()));
    return;
  }
  showInEditor(host, *host.field(), std::move(crossword));
}

void startCrosswordOf(FileHost& host, const ClueLists& clues) {
  Result<Crossword> crossword = crosswordFromClues(clues);
  if (!crossword) {
    refuse(QString::fromStdString(crossword.error()));
    return;
  }
  const QString question =
      QCoreApplication::translate("jcw", "Размер рисунка другой: начать новый кроссворд %1x%2?")
          .arg(clues.columns.size())
          .arg(clues.rows.size());
  if (!confirmed(clues, question) ||
      !maybeSave(*host.field(), SaveCaption::Plain, [&host] { saveCommand(host); }))
    return;
  CurFileName.clear();
  CurShortName.clear();
  showInEditor(host, *host.replaceField(), *std::move(crossword));
}

}  // namespace

void pasteCluesCommand(FileHost& host) {
  const std::string text = QGuiApplication::clipboard()->text().toStdString();
  const Result<ClueLists> clues = readClueListText(text);
  if (!clues) {
    refuse(QString::fromStdString(clues.error()));
    return;
  }
  const Dimensions& d = host.field()->model().dims();
  if (clues->rows.size() == d.RowCount && clues->columns.size() == d.ColCount)
    replaceCluesOf(host, *clues);
  else
    startCrosswordOf(host, *clues);
}

void copyCluesCommand(FileHost& host) {
  QGuiApplication::clipboard()->setText(
      QString::fromStdString(clueListText(cluesOf(host.field()->model()))));
}

}  // namespace jcw
