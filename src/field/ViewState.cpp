#include "field/ViewState.h"

namespace jcw {

void resetViewState() {
  CurrentMode = kEditorMode;
  OpenMode = kEditorMode;
  HeaderColor = kEditorHeaderColor;
  WindowActive = true;
}

}  // namespace jcw
