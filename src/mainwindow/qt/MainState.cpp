#include "mainwindow/qt/MainState.h"

#include "model/ProcessState.h"

namespace jcw {

void resetProcessState() {
  resetCoreState();
  CurrentMode = kEditorMode;
  OpenMode = kEditorMode;
  HeaderColor = QColor(255, 255, 0);
  CellSize = 0;
  FieldLeft = 0;
  FieldTop = 0;
  LayoutReady = false;
  WindowActive = true;
}

}  // namespace jcw
