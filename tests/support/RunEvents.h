// Runs the Qt event loop, as the application does, until a condition holds or the time is up:
// the bounded real-time wait of the tests that drive real ports and timers.
#pragma once

#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <functional>

namespace fenwave::fakes {

// True when `done` held before `within` ran out.
inline bool RunEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds within) {
  if (done()) return true;
  QEventLoop loop;
  QTimer check;
  check.setInterval(5);
  QObject::connect(&check, &QTimer::timeout, &loop, [&] {
    if (done()) loop.quit();
  });
  QTimer::singleShot(within, &loop, &QEventLoop::quit);
  check.start();
  loop.exec();
  return done();
}

}  // namespace fenwave::fakes
