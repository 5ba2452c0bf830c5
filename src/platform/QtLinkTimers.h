// The link's three timers on QTimer: Timer1 (1000 ms), Timer2 (100 ms) and HoldTimer (20 ms).
// Each timeout calls the tick handler the owner set for it.
#pragma once

#include <QObject>
#include <QTimer>
#include <array>
#include <functional>

#include "link/LinkTimers.h"

namespace fenwave {

class QtLinkTimers final : public QObject, public LinkTimers {
  Q_OBJECT

 public:
  using Tick = std::function<void()>;

  explicit QtLinkTimers(QObject* parent = nullptr);
  QtLinkTimers(const QtLinkTimers&) = delete;
  QtLinkTimers& operator=(const QtLinkTimers&) = delete;

  void SetTick(LinkTimer timer, Tick tick);

  void Start(LinkTimer timer) override;
  void Stop(LinkTimer timer) override;
  [[nodiscard]] bool IsRunning(LinkTimer timer) const override;

 private:
  std::array<QTimer, 3> m_Timers;
  std::array<Tick, 3> m_Ticks;
};

}  // namespace fenwave
