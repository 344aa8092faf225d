#include "solver/qt/BackgroundSearch.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include "model/ProcessState.h"

namespace jcw {

namespace {

// Everything a worker touches, owned jointly by the worker and its caller, so that a worker the
// caller stopped waiting for still has all its data.
struct SearchJob {
  BackgroundWork work;
  std::atomic<bool> stop{false};
  std::atomic<bool> done{false};
  SearchProgress progress;
};

// Cancelled searches that had not ended when their caller went on. The SAT solver may take a
// few hundred milliseconds to notice a cancellation; the window does not wait for that. Each is
// joined once it has ended, and all of them before the process ends.
class CancelledSearches {
 public:
  ~CancelledSearches() { joinAll(); }

  void add(std::shared_ptr<SearchJob> job, std::thread worker) {
    joinEnded();
    running_.push_back({std::move(job), std::move(worker)});
  }

  void joinEnded() {
    std::erase_if(running_, [](Running& r) {
      if (!r.job->done) return false;
      r.worker.join();
      return true;
    });
  }

  void joinAll() {
    for (Running& r : running_) r.worker.join();
    running_.clear();
  }

 private:
  struct Running {
    std::shared_ptr<SearchJob> job;
    std::thread worker;
  };
  std::vector<Running> running_;
};

CancelledSearches& cancelledSearches() {
  static CancelledSearches searches;
  return searches;
}

}  // namespace

bool runInBackground(BackgroundWork work,
                     const std::function<void(const SearchProgress&, qint64 elapsedMs)>& onTick) {
  cancelledSearches().joinEnded();
  auto job = std::make_shared<SearchJob>();
  job->work = std::move(work);
  std::thread worker([job] {
    job->work([&stop = job->stop] { return stop.load(std::memory_order_relaxed); },
              &job->progress);
    job->done = true;
  });

  QEventLoop loop;
  QElapsedTimer elapsed;
  elapsed.start();
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
    if (job->done || CancelRequested) return loop.quit();
    if (onTick) onTick(job->progress, elapsed.elapsed());
  });
  tick.start(kSearchTickMs);
  // exec also returns when the application quits (and is not restarted then).
  loop.exec();
  if (job->done) {
    worker.join();
    return true;
  }
  job->stop = true;
  cancelledSearches().add(job, std::move(worker));
  return false;
}

SearchResult searchInBackground(
    const SearchFunction& search, const ClueLists& clues, const WorkGrid& fixed,
    const std::function<void(const SearchProgress&, qint64 elapsedMs)>& onTick) {
  auto result = std::make_shared<SearchResult>();
  const bool ended = runInBackground(
      [search, clues, fixed, result](const CancelCheck& cancel, SearchProgress* progress) {
        *result = search(clues, fixed, cancel, progress);
      },
      onTick);
  if (ended) return std::move(*result);
  SearchResult cancelled;
  cancelled.complete = false;
  return cancelled;
}

}  // namespace jcw
