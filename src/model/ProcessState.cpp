#include "model/ProcessState.h"

#include "files/CrosswordFile.h"
#include "model/Dimensions.h"
#include "settings/Options.h"

namespace jcw {

void resetCoreState() {
  setCurrentDimensions({});
  CurFileName.clear();
  CurShortName.clear();
  SkipNextMark = false;
  CancelRequested = false;
  SolverBusy = false;
  ParamFile.clear();
  resetOptions();
}

}  // namespace jcw
