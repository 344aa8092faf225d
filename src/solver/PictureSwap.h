#pragma once
// The cheapest way to a second picture: two rows and two columns whose four crossing cells read
// #. / .# (or .# / #.) and still fit every clue once swapped. Most crosswords with several
// pictures have such a swap, and trying every one is far quicker than a proof that none exists.

#include <optional>
#include <vector>

#include "solver/SatSearch.h"
#include "solver/WorkGrid.h"

namespace jcw {

// The first picture (rows, then columns, in order) that swaps four cells of `picture`, none of
// them known in `problem`, fits every clue and is not among `known`; nothing when there is none.
// `picture` fits `problem`, every cell known.
std::optional<WorkGrid> swappedPicture(const WorkGrid& picture, const SatProblem& problem,
                                       const std::vector<WorkGrid>& known);

}  // namespace jcw
