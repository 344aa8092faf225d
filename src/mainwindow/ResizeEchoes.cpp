#include "mainwindow/ResizeEchoes.h"

#include <algorithm>

namespace jcw {

void ResizeEchoes::requested(int width, int height, std::int64_t nowMs) {
  forgetOlderThan(nowMs);
  requests_.push_back({width, height, nowMs});
}

bool ResizeEchoes::isEcho(int width, int height, std::int64_t nowMs) {
  forgetOlderThan(nowMs);
  return std::any_of(requests_.begin(), requests_.end(), [&](const Request& r) {
    return r.width == width && r.height == height;
  });
}

void ResizeEchoes::forgetOlderThan(std::int64_t nowMs) {
  while (!requests_.empty() && nowMs - requests_.front().atMs > kLifetimeMs) requests_.pop_front();
}

}  // namespace jcw
