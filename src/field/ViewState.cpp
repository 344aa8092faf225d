#include "field/ViewState.h"

namespace jcw {

void resetViewState() {
  CurrentMode = kEditorMode;
  OpenMode = kEditorMode;
  HeaderColor = kEditorHeaderColor;
  CellSize = 0;
  WindowActive = true;
}

}  // namespace jcw
