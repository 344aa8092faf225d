#include "mainwindow/MainState.h"

namespace jcw {

void resetMainState() {
  FieldLeft = 0;
  FieldTop = 0;
  LayoutReady = false;
}

}  // namespace jcw
