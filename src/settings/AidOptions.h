#pragma once
// The solving aids a player may turn on: each one off by default, so that the program marks,
// draws and finishes exactly as it always did until the player asks for more. A plain value the
// main window keeps; read from and written to the settings registry (RegistrySettings.h).

#include <cstdint>

namespace jcw {

// Which clue numbers are drawn crossed off.
enum class CrossOffMode : std::uint8_t {
  Off = 0,
  CompleteLines = 1,  // every number of a line that is complete and right
  EachNumber = 2,     // also each number whose block every fitting arrangement puts on filled cells
};

struct AidOptions {
  bool dragLineLock = false;        // a mark drag keeps to the row or column it started along
  CrossOffMode crossOff = CrossOffMode::Off;
  bool finishByFilled = false;      // solved once the filled cells fit every clue
  bool emptyDots = false;           // a dot in every cell marked empty
  bool quietCrosshair = false;      // the row and column under the pointer tinted
  bool operator==(const AidOptions&) const = default;
};

}  // namespace jcw
