#include "model/History.h"

#include <algorithm>

namespace jcw {

History::History(std::vector<HistoryStep> steps, std::size_t position,
                 std::optional<std::size_t> saved, std::vector<std::size_t> checkpoints)
    : steps_(std::move(steps)),
      position_(position),
      saved_(saved),
      checkpoints_(std::move(checkpoints)) {}

bool History::isConsistent(const std::vector<HistoryStep>& steps, std::size_t position,
                           std::optional<std::size_t> saved,
                           const std::vector<std::size_t>& checkpoints) {
  const std::size_t size = steps.size();
  if (position > size || (saved && *saved > size)) return false;
  if (!std::is_sorted(checkpoints.begin(), checkpoints.end())) return false;
  if (!checkpoints.empty() && checkpoints.back() > size) return false;
  return std::none_of(steps.begin(), steps.end(),
                      [](const HistoryStep& step) { return step.empty(); });
}

void History::beginGesture() {
  gestureOpen_ = true;
  gestureHasStep_ = false;
}

void History::endGesture() {
  gestureOpen_ = false;
  gestureHasStep_ = false;
}

void History::startStep() {
  steps_.resize(position_);
  if (saved_ && *saved_ > position_) saved_.reset();
  std::erase_if(checkpoints_, [this](std::size_t at) { return at > position_; });
  steps_.emplace_back();
  position_ = steps_.size();
  gestureHasStep_ = gestureOpen_;
}

void History::record(const CellChange& change) {
  if (!gestureHasStep_) startStep();
  steps_.back().push_back(change);
}

bool History::recordStep(const std::vector<CellChange>& changes) {
  if (changes.empty()) return false;
  if (!gestureHasStep_) startStep();
  steps_.back().insert(steps_.back().end(), changes.begin(), changes.end());
  return true;
}

const HistoryStep* History::undo() {
  gestureHasStep_ = false;
  if (!canUndo()) return nullptr;
  return &steps_[--position_];
}

const HistoryStep* History::redo() {
  gestureHasStep_ = false;
  if (!canRedo()) return nullptr;
  return &steps_[position_++];
}

void History::setCheckpoint() {
  gestureHasStep_ = false;
  checkpoints_.push_back(position_);
}

void History::dropCheckpoint() {
  if (!checkpoints_.empty()) checkpoints_.pop_back();
}

void History::shiftCells(int dx, int dy) {
  for (HistoryStep& step : steps_)
    for (CellChange& change : step) {
      change.x += dx;
      change.y += dy;
    }
}

std::optional<std::size_t> History::newestCheckpoint() const {
  if (checkpoints_.empty()) return std::nullopt;
  return checkpoints_.back();
}

std::vector<CellChange> History::pathTo(std::size_t target) const {
  std::vector<CellChange> path;
  for (std::size_t at = position_; at > target; --at)
    for (auto change = steps_[at - 1].rbegin(); change != steps_[at - 1].rend(); ++change)
      path.push_back({change->x, change->y, change->after, change->before});
  for (std::size_t at = position_; at < target; ++at)
    path.insert(path.end(), steps_[at].begin(), steps_[at].end());
  return path;
}

std::vector<CellChange> History::changesSince(std::size_t from) const {
  std::vector<CellChange> changes;
  for (std::size_t at = from; at < position_; ++at)
    changes.insert(changes.end(), steps_[at].begin(), steps_[at].end());
  return changes;
}

}  // namespace jcw
