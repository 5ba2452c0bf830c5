#include "platform/QtLinkTimers.h"

namespace fenwave {
namespace {

constexpr std::array<int, 3> kIntervalsMs = {1000, 100, 20};
constexpr std::array<const char*, 3> kNames = {"Timer1", "Timer2", "HoldTimer"};

std::size_t IndexOf(LinkTimer timer) { return static_cast<std::size_t>(timer); }

}  // namespace

QtLinkTimers::QtLinkTimers(QObject* parent) : QObject(parent) {
  for (std::size_t i = 0; i < m_Timers.size(); ++i) {
    // Named children, so the window that holds them finds them like its other parts.
    m_Timers[i].setParent(this);
    m_Timers[i].setObjectName(QString::fromLatin1(kNames[i]));
    m_Timers[i].setInterval(kIntervalsMs[i]);
    m_Timers[i].setTimerType(Qt::PreciseTimer);
    connect(&m_Timers[i], &QTimer::timeout, this, [this, i] {
      if (m_Ticks[i]) m_Ticks[i]();
    });
  }
}

void QtLinkTimers::SetTick(LinkTimer timer, Tick tick) {
  m_Ticks[IndexOf(timer)] = std::move(tick);
}

void QtLinkTimers::Start(LinkTimer timer) { m_Timers[IndexOf(timer)].start(); }

void QtLinkTimers::Stop(LinkTimer timer) { m_Timers[IndexOf(timer)].stop(); }

bool QtLinkTimers::IsRunning(LinkTimer timer) const { return m_Timers[IndexOf(timer)].isActive(); }

}  // namespace fenwave
