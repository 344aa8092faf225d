#include "model/ProcessState.h"

#include "model/Dimensions.h"

namespace jcw {

void resetModelState() {
  setCurrentDimensions({});
  CancelRequested = false;
  SolverBusy = false;
  ParamFile.clear();
}

}  // namespace jcw
