// A periodic event-loop timer behind the TickTimer interface: the main window's 10 ms tick of
// the EQ graph runs on it.
#pragma once

#include <QObject>
#include <QTimer>

#include "platform/TickTimer.h"

namespace fenwave {

class QtTickTimer final : public QObject, public TickTimer {
  Q_OBJECT

 public:
  explicit QtTickTimer(QObject* parent = nullptr);
  QtTickTimer(const QtTickTimer&) = delete;
  QtTickTimer& operator=(const QtTickTimer&) = delete;

  void SetTick(Tick tick) override;
  void Start(std::chrono::milliseconds interval) override;
  void Stop() override;
  [[nodiscard]] bool IsRunning() const override;
  [[nodiscard]] std::chrono::milliseconds Interval() const { return m_Timer.intervalAsDuration(); }

 private:
  QTimer m_Timer;
  Tick m_Tick;
};

}  // namespace fenwave
