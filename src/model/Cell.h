#pragma once
// One entry of the crossword's cell table, and a cell's position.

#include <cstdint>
#include <string>

namespace jcw {

enum CellKind : std::uint8_t { ckNone = 0, ckClue = 1, ckPicture = 2 };

// Picture cell states. The file stores a picture cell as 200 + its state.
enum PictureState : std::uint8_t { csBlank = 0, csFilled = 1, csEmpty = 2 };
// Clue cell states (csBlank is the normal one).
enum ClueState : std::uint8_t { csSelected = 1, csHover = 3 };

// Where a cell lies on screen is the view's business (field/FieldView.h), not the cell's.
struct TCell {
  std::uint8_t Kind = ckNone;
  std::string Text;  // clue cells: the clue in decimal, or empty for none
  std::uint8_t State = 0;
};

struct CellPos {
  int x = 0;
  int y = 0;
  bool operator==(const CellPos&) const = default;
};

}  // namespace jcw
