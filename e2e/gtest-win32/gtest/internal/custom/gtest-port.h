// Found before GoogleTest's own hook header of the same name.
// MinGW's win32 thread model (GCC 12) has no std::mutex or
// std::condition_variable, which GoogleTest's Notification is built on.
// Only GoogleTest's own thread tests use Notification, so a polled atomic
// flag is enough here.
#pragma once

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
 public:
  Notification() = default;
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { notified_.store(true); }
  void WaitForNotification() const {
    while (!notified_.load()) {
    }
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace internal
}  // namespace testing
