#include "support/ProcessReset.h"

#include "field/ViewState.h"
#include "files/CrosswordFile.h"
#include "mainwindow/MainState.h"
#include "model/ProcessState.h"
#include "settings/Options.h"

namespace jcw {

void resetProcessState() {
  resetModelState();
  resetOptions();
  resetViewState();
  resetFileNames();
  resetMainState();
}

}  // namespace jcw
