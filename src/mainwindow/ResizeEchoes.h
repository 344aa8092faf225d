#pragma once
// Recognises the window system's answers to our own size requests. On X11 every resize the
// window asks for comes back later as a configure notification, possibly after newer requests;
// acting on such a stale answer would lay the field out for a size we have already left, and
// taking it for a user's drag would start a move loop. A size that we asked for within the last
// `kLifetimeMs` is ours. Plain value; the caller supplies the time.

#include <cstdint>
#include <deque>

namespace jcw {

class ResizeEchoes {
 public:
  static constexpr std::int64_t kLifetimeMs = 2000;

  // We are about to ask for (width, height) at time `nowMs`.
  void requested(int width, int height, std::int64_t nowMs);
  // True iff (width, height) was asked for by us within the lifetime before `nowMs`.
  bool isEcho(int width, int height, std::int64_t nowMs);

 private:
  struct Request {
    int width;
    int height;
    std::int64_t atMs;
  };
  void forgetOlderThan(std::int64_t nowMs);

  std::deque<Request> requests_;
};

}  // namespace jcw
