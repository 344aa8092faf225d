#include "solver/qt/BackgroundSearch.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <thread>

#include "model/ProcessState.h"

namespace jcw {

SearchResult searchInBackground(
    const SearchFunction& search, const ClueLists& clues, const WorkGrid& fixed,
    const std::function<void(const SearchProgress&, qint64 elapsedMs)>& onTick) {
  QEventLoop loop;
  std::atomic<bool> stop{false};
  std::atomic<bool> done{false};
  SearchProgress progress;
  SearchResult result;
  std::thread worker([&] {
    result = search(clues, fixed, [&stop] { return stop.load(std::memory_order_relaxed); },
                    &progress);
    done = true;
    // Queued: the loop quits on its own thread. The worker is joined before the loop goes.
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });

  QElapsedTimer elapsed;
  elapsed.start();
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
    if (CancelRequested) stop = true;
    if (onTick && !done) onTick(progress, elapsed.elapsed());
  });
  tick.start(kSearchTickMs);
  // exec returns early when the application quits (then it is not restarted): stop the search.
  if (!done) loop.exec();
  if (!done) stop = true;
  worker.join();
  return result;
}

}  // namespace jcw
