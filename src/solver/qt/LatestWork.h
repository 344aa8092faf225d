#pragma once
// Work off the user-interface thread where only the newest request matters: live analysis of a
// picture that the author keeps changing. start() cancels whatever runs (through its
// cancellation check) and starts the new work on a worker thread; the work hands results back
// with `post`, and each runs on the UI thread unless newer work was started or cancel() was
// called meanwhile. Never blocks the UI thread, except that the destructor joins the workers.
// The object lives on the UI thread; start and cancel are called there.

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "solver/CancelCheck.h"

namespace jcw {

class LatestWork : public QObject {
 public:
  // Runs `then` on the UI thread while the work that posts it is still the newest.
  using Post = std::function<void(std::function<void()> then)>;
  using Work = std::function<void(const CancelCheck& cancel, const Post& post)>;

  explicit LatestWork(QObject* parent = nullptr) : QObject(parent) {}
  ~LatestWork() override;

  void start(Work work);
  void cancel();

 private:
  struct Job {
    std::atomic<bool> stop{false};
    std::atomic<bool> done{false};
  };
  struct Running {
    std::shared_ptr<Job> job;
    std::thread worker;
  };
  // Joins the workers that have ended.
  void joinEnded();

  std::vector<Running> running_;
  unsigned generation_ = 0;  // of the newest work; results of older ones are dropped
};

}  // namespace jcw
