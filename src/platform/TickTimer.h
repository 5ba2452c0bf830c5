// A periodic tick as its user sees it: start it at an interval, stop it, and be called back on
// every tick. The Qt adapter is QtTickTimer; tests drive the callback themselves.
#pragma once

#include <chrono>
#include <functional>

namespace fenwave {

class TickTimer {
 public:
  using Tick = std::function<void()>;

  virtual ~TickTimer() = default;
  // The callback of every tick; replaces the one set before.
  virtual void SetTick(Tick tick) = 0;
  virtual void Start(std::chrono::milliseconds interval) = 0;
  virtual void Stop() = 0;
  [[nodiscard]] virtual bool IsRunning() const = 0;
};

}  // namespace fenwave
