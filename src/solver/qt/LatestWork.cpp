#include "solver/qt/LatestWork.h"

#include <QMetaObject>

namespace jcw {

LatestWork::~LatestWork() {
  cancel();
  for (Running& running : running_) running.worker.join();
}

void LatestWork::cancel() {
  ++generation_;
  for (Running& running : running_) running.job->stop = true;
}

void LatestWork::start(Work work) {
  cancel();
  joinEnded();
  auto job = std::make_shared<Job>();
  const unsigned generation = generation_;
  Post post = [this, generation](std::function<void()> then) {
    // Queued to this object: runs on the UI thread, and never after the object is gone (the
    // destructor joins the worker first).
    QMetaObject::invokeMethod(
        this,
        [this, generation, then = std::move(then)] {
          if (generation == generation_) then();
        },
        Qt::QueuedConnection);
  };
  std::thread worker([job, work = std::move(work), post = std::move(post)] {
    work([job] { return job->stop.load(std::memory_order_relaxed); }, post);
    job->done = true;
  });
  running_.push_back({std::move(job), std::move(worker)});
}

void LatestWork::joinEnded() {
  std::erase_if(running_, [](Running& running) {
    if (!running.job->done) return false;
    running.worker.join();
    return true;
  });
}

}  // namespace jcw
