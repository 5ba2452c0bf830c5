#include "platform/QtTickTimer.h"

namespace fenwave {

QtTickTimer::QtTickTimer(QObject* parent) : QObject(parent) {
  // A 10 ms tick drifts visibly with the coarse timer type's 5 % slack.
  m_Timer.setTimerType(Qt::PreciseTimer);
  connect(&m_Timer, &QTimer::timeout, this, [this] {
    if (m_Tick) m_Tick();
  });
}

void QtTickTimer::SetTick(Tick tick) {
  m_Tick = std::move(tick);
}

void QtTickTimer::Start(std::chrono::milliseconds interval) {
  m_Timer.start(interval);
}

void QtTickTimer::Stop() {
  m_Timer.stop();
}

bool QtTickTimer::IsRunning() const {
  return m_Timer.isActive();
}

}  // namespace fenwave
