#pragma once
// The picture an author prints on the last page: the crossword's solution, when its clues
// determine exactly one. Pure; the search may take a while on a large crossword.

#include <optional>

#include "model/Crossword.h"

namespace jcw {

// A copy of `crossword` with every picture cell marked as the one picture that fits its clues
// has it (the crossword's own marks play no part); none when several pictures fit, or none.
std::optional<Crossword> uniqueSolution(const Crossword& crossword);

}  // namespace jcw
