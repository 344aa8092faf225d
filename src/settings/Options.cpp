#include "settings/Options.h"

namespace jcw {

void resetOptions() {
  IndErr = true;
  DigCr = true;
  NextDirect = 0;
  Go2Dig = 2;
  Maximize = true;
  ShowToolPanel = true;
  PaintOn = true;
  MinCellSize = 12;
  LastCatalog.clear();
  OptionsLocked = false;
}

}  // namespace jcw
