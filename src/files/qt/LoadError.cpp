#include "files/qt/LoadError.h"

#include <QCoreApplication>

#include "platform/qt/Platform.h"

namespace jcw {

void showLoadError(const std::string& error) {
  platform().messageBox({QString::fromStdString(error),
                         QCoreApplication::translate("jcw", "Японский кроссворд"), Buttons::Ok,
                         Icon::Error, Answer::Ok});
}

}  // namespace jcw
