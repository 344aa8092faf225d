#pragma once
// The complete search off the user-interface thread: a worker thread searches while the calling
// (UI) thread waits in a local event loop, so the windows stay alive. CancelRequested (set by
// Escape) ends the wait at the next tick and tells the worker to stop. Called on the UI thread
// only. The worker owns copies of everything it touches; one that has not ended by the time the
// wait ends is joined later, and always before the process ends.

#include <QtGlobal>
#include <functional>

#include "solver/CompleteSolver.h"

namespace jcw {

// How the complete search is done; searchSolutions in the program. Tests put in a search that
// waits for its cancellation check, to stand for a long one.
using SearchFunction = std::function<SearchResult(const ClueLists&, const WorkGrid& fixed,
                                                  const CancelCheck&, SearchProgress*)>;

// Every kSearchTickMs the wait looks at the worker and CancelRequested and reports progress, so
// an Escape ends the wait well within 0.1 s.
inline constexpr int kSearchTickMs = 20;

// Work for the worker thread: it owns (by value, or shared) everything it touches, asks its check
// as it goes and reports progress where it has any.
using BackgroundWork = std::function<void(const CancelCheck&, SearchProgress*)>;

// Runs `work` on a worker thread while the UI thread waits as searchInBackground does. True when
// the work ended; false on Escape or when the application quits meanwhile (the worker is told to
// stop and joined later).
bool runInBackground(BackgroundWork work,
                     const std::function<void(const SearchProgress&, qint64 elapsedMs)>& onTick = {});

// Runs `search` on a worker thread and returns its result once the worker has ended, processing
// the UI thread's events meanwhile. onTick(progress, elapsed ms) runs on the UI thread at every
// tick. On Escape, or when the application quits meanwhile, it returns at once a result with
// complete == false and nothing found, and the worker is told to stop.
SearchResult searchInBackground(
    const SearchFunction& search, const ClueLists& clues, const WorkGrid& fixed,
    const std::function<void(const SearchProgress&, qint64 elapsedMs)>& onTick = {});

}  // namespace jcw
