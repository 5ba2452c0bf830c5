// The three link timers on a simulated clock: Start and Stop behave like event-loop timers
// (starting a running timer restarts its period), and Advance fires whatever falls due.
#pragma once

#include <array>
#include <functional>

#include "link/LinkTimers.h"

namespace fenwave::fakes {

class FakeLinkTimers : public LinkTimers {
 public:
  using Fire = std::function<void(LinkTimer)>;

  void Start(LinkTimer timer) override;
  void Stop(LinkTimer timer) override;
  [[nodiscard]] bool IsRunning(LinkTimer timer) const override;

  // Lets `milliseconds` pass one millisecond at a time, firing every running timer whose
  // period has elapsed since it was started (Timer1, then Timer2, then HoldTimer).
  void Advance(int milliseconds, const Fire& fire);
  [[nodiscard]] long Now() const { return m_Now; }
  [[nodiscard]] int StartCount(LinkTimer timer) const { return State(timer).starts; }

  [[nodiscard]] static int PeriodMs(LinkTimer timer);

 private:
  struct TimerState {
    bool running = false;
    long startedAt = 0;
    int starts = 0;
  };
  [[nodiscard]] TimerState& State(LinkTimer timer);
  [[nodiscard]] const TimerState& State(LinkTimer timer) const;

  std::array<TimerState, 3> m_Timers{};
  long m_Now = 0;
};

}  // namespace fenwave::fakes
