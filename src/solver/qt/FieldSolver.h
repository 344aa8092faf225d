#pragma once
// The line solver run on the field: preparing from the field's crossword with the event hook
// that keeps the windows alive, and writing the result back with repainting. Shared by the
// solve and test driver and the hint. UI thread only.

#include "solver/SolverRuns.h"
#include "solver/SolverState.h"

namespace jcw {

class TGrid;

// UseMarks := useMarks, then PrepareSolver on the field's crossword. Between lines the sweeps
// process pending events, which is where Escape reaches CancelRequested, and stop once it is set.
// The complete search runs elsewhere (BackgroundSearch.h) with a check of its own.
void prepareFromField(SolverState& state, const TGrid& field, bool useMarks);

// WriteBack onto the field: every picture cell and the indicators of its lines repainted. The
// caller records the change (TGrid::recordPictureChange).
void writeBackToField(const SolverState& state, TGrid& field);

// `picture` (every cell known) written whole onto the field, as writeBackToField writes.
void writePictureToField(const WorkGrid& picture, TGrid& field);

// The field's ambiguity overlay on the cells where the verdict's two pictures differ; nothing
// for a verdict with fewer than two.
void showAmbiguity(const TestVerdict& verdict, TGrid& field);

// Where the field's clues themselves admit no picture, the lines of a small contradiction among
// them, drawn red on the field; nothing when none was found within a few seconds.
std::optional<LineConflict> showFieldConflict(TGrid& field);

// The marks of the field as a work grid (blank cells unknown).
WorkGrid marksOf(const TGrid& field);

// The first picture of a SeveralSolutions verdict written onto the field as one undo step, the
// ambiguity overlay kept on the cells where the two pictures differ.
void writeOneOfSeveral(const TestVerdict& verdict, TGrid& field);

}  // namespace jcw
