#include "files/qt/SaveQuestion.h"

#include <QCoreApplication>

#include "field/qt/TGrid.h"
#include "files/CrosswordFile.h"
#include "platform/qt/Platform.h"

namespace jcw {

SaveAnswer askToSave(const TGrid& field, SaveCaption caption, const std::function<void()>& save) {
  if (!field.IsModified()) return SaveAnswer::Proceed;
  QString title = QCoreApplication::translate("jcw", "Японский кроссворд");
  if (caption == SaveCaption::WithFileName) title += QString::fromStdString(CurShortName);
  const Answer answer =
      platform().messageBox({QCoreApplication::translate("jcw", "Сохранить текущие изменения?"),
                             title, Buttons::YesNoCancel, Icon::Question, Answer::Yes});
  if (answer == Answer::Cancel) return SaveAnswer::Cancelled;
  if (answer == Answer::No) return SaveAnswer::Proceed;
  save();
  // A successful save leaves nothing unsaved; anything else leaves the changes in place.
  return field.IsModified() ? SaveAnswer::NotSaved : SaveAnswer::Proceed;
}

bool maybeSave(const TGrid& field, SaveCaption caption, const std::function<void()>& save) {
  return askToSave(field, caption, save) == SaveAnswer::Proceed;
}

}  // namespace jcw
