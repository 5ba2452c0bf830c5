// The three link timers as the link sees them: the link starts and stops them, and whoever
// owns the real timers calls the link's tick methods (Timer1Tick, Timer2Tick, HoldTick).
#pragma once

namespace fenwave {

enum class LinkTimer {
  Timer1,     // 1000 ms: port search
  Timer2,     // 100 ms: transfer sequencer and status window
  HoldTimer,  // 20 ms: transmit pacing, keep-alive and loss detection
};

class LinkTimers {
 public:
  virtual ~LinkTimers() = default;
  virtual void Start(LinkTimer timer) = 0;
  virtual void Stop(LinkTimer timer) = 0;
  [[nodiscard]] virtual bool IsRunning(LinkTimer timer) const = 0;
};

}  // namespace fenwave
