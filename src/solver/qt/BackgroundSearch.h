#pragma once
// The complete search off the user-interface thread: a worker thread searches while the calling
// (UI) thread waits in a local event loop, so the windows stay alive, and hands CancelRequested
// (set by Escape) on to the worker. Called on the UI thread only; the worker touches nothing but
// its own arguments, the progress and the result, and is joined before the call returns, so no
// thread outlives the data it works on.

#include <QtGlobal>
#include <functional>

#include "solver/CompleteSolver.h"

namespace jcw {

// How the complete search is done; searchSolutions in the program. Tests put in a search that
// waits for its cancellation check, to stand for a long one.
using SearchFunction = std::function<SearchResult(const ClueLists&, const WorkGrid& fixed,
                                                  const CancelCheck&, SearchProgress*)>;

// Every kSearchTickMs the wait passes CancelRequested to the worker and reports progress, so an
// Escape stops the search well within 0.1 s.
inline constexpr int kSearchTickMs = 20;

// Runs `search` on a worker thread and returns its result once the worker has ended, processing
// the UI thread's events meanwhile. onTick(progress, elapsed ms) runs on the UI thread at every
// tick. When the application quits meanwhile, the search is cancelled and waited for. The result
// of a cancelled search has complete == false.
SearchResult searchInBackground(
    const SearchFunction& search, const ClueLists& clues, const WorkGrid& fixed,
    const std::function<void(const SearchProgress&, qint64 elapsedMs)>& onTick = {});

}  // namespace jcw
