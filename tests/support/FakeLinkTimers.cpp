#include "support/FakeLinkTimers.h"

namespace fenwave::fakes {
namespace {

constexpr std::array<LinkTimer, 3> kFiringOrder = {LinkTimer::Timer1, LinkTimer::Timer2,
                                                   LinkTimer::HoldTimer};

}  // namespace

int FakeLinkTimers::PeriodMs(LinkTimer timer) {
  switch (timer) {
  case LinkTimer::Timer1:
    return 1000;
  case LinkTimer::Timer2:
    return 100;
  case LinkTimer::HoldTimer:
    return 20;
  }
  return 1000;
}

FakeLinkTimers::TimerState& FakeLinkTimers::State(LinkTimer timer) {
  return m_Timers[static_cast<std::size_t>(timer)];
}

const FakeLinkTimers::TimerState& FakeLinkTimers::State(LinkTimer timer) const {
  return m_Timers[static_cast<std::size_t>(timer)];
}

void FakeLinkTimers::Start(LinkTimer timer) {
  TimerState& state = State(timer);
  state.running = true;
  state.startedAt = m_Now;
  ++state.starts;
}

void FakeLinkTimers::Stop(LinkTimer timer) {
  State(timer).running = false;
}

bool FakeLinkTimers::IsRunning(LinkTimer timer) const {
  return State(timer).running;
}

void FakeLinkTimers::Advance(int milliseconds, const Fire& fire) {
  for (int i = 0; i < milliseconds; ++i) {
    ++m_Now;
    for (const LinkTimer timer : kFiringOrder) {
      const TimerState& state = State(timer);
      if (state.running && m_Now > state.startedAt &&
          (m_Now - state.startedAt) % PeriodMs(timer) == 0) {
        fire(timer);
      }
    }
  }
}

}  // namespace fenwave::fakes
