#include "files/qt/LoadError.h"

#include "platform/qt/Platform.h"

namespace jcw {

void showLoadError(const std::string& error) {
  platform().messageBox({QString::fromStdString(error), QStringLiteral("Японский кроссворд"),
                         Buttons::Ok, Icon::Error, Answer::Ok});
}

}  // namespace jcw
