#include "files/qt/SaveQuestion.h"

#include "field/qt/TGrid.h"
#include "files/CrosswordFile.h"
#include "platform/qt/Platform.h"

namespace jcw {

bool maybeSave(const TGrid& field, SaveCaption caption, const std::function<void()>& save) {
  if (!field.IsModified()) return true;
  QString title = QStringLiteral("Японский кроссворд");
  if (caption == SaveCaption::WithFileName) title += QString::fromStdString(CurShortName);
  const Answer answer =
      platform().messageBox({QStringLiteral("Сохранить текущие изменения?"), title,
                             Buttons::YesNoCancel, Icon::Question, Answer::Yes});
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::No) return true;
  save();
  // A successful save leaves nothing unsaved; anything else leaves the changes in place.
  return !field.IsModified();
}

}  // namespace jcw
