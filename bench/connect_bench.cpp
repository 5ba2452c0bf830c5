// The link against fenwave-sim over a pseudo-terminal, on the real QSerialPort and QTimers:
// the time from LinkBtn to "设备已连接", and how soon a change on a quiet, acknowledged link
// leaves for the device.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "link/DeviceLink.h"
#include "model/ParameterModel.h"
#include "platform/QtLinkTimers.h"
#include "platform/QtSerialPort.h"
#include "support/SimProcess.h"

namespace fenwave {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Notes when the link status text reaches "连接中..." (a port answered) and "设备已连接".
class TimedView final : public LinkView {
 public:
  void SetLinkLabel(const std::string& text) override {
    if (text == "连接中...") connecting = Clock::now();
    if (text == "设备已连接") {
      connected = Clock::now();
      if (onConnected) onConnected();
    }
  }
  void SetStatusText(const std::string&) override {}
  void SetStatusProgress(int) override {}
  void SetStatusVisible(bool) override {}
  void SetLinkButtonsLook(LinkButton) override {}
  void RefreshControls(int) override {}
  void SetDeviceIdCaption(const std::string&) override {}
  void SetUserLevelGroupEnabled(bool) override {}
  void ShowWriteError(const std::string&) override {}

  Clock::time_point connecting;
  Clock::time_point connected;
  std::function<void()> onConnected;
};

class CountingDialogs final : public Dialogs {
 public:
  bool Show(const std::string&, const std::string& text, DialogButtons, DialogOwner) override {
    lastText = text;
    ++shown;
    return true;
  }
  std::string lastText;
  int shown = 0;
};

// The event loop the application runs; the objects the link window holds, wired the same way.
struct LinkOnSimulator {
  LinkOnSimulator() {
    port.SetBytesHandler([this](std::span<const std::uint8_t> b) { link.OnBytesArrived(b); });
    timers.SetTick(LinkTimer::Timer1, [this] { link.Timer1Tick(); });
    timers.SetTick(LinkTimer::Timer2, [this] { link.Timer2Tick(); });
    timers.SetTick(LinkTimer::HoldTimer, [this] { link.HoldTick(); });
    link.SetPortList({sim.PortPath()});
  }
  ~LinkOnSimulator() {
    for (const LinkTimer t : {LinkTimer::Timer1, LinkTimer::Timer2, LinkTimer::HoldTimer}) {
      timers.Stop(t);
      timers.SetTick(t, {});
    }
    port.SetBytesHandler({});
  }
  LinkOnSimulator(const LinkOnSimulator&) = delete;
  LinkOnSimulator& operator=(const LinkOnSimulator&) = delete;

  // LinkBtn, then the event loop until the link is up (at most 20 s). Returns whether it came up.
  bool Connect() {
    QEventLoop loop;
    view.onConnected = [&loop] { loop.quit(); };
    QTimer::singleShot(20s, &loop, &QEventLoop::quit);
    start = Clock::now();
    link.LinkBtnClick(LinkButton::LinkBtn);
    loop.exec();
    view.onConnected = nullptr;
    return link.State() == LinkState::Ready;
  }

  e2e::SimProcess sim{FENWAVE_SIM_EXECUTABLE};
  ParameterModel model;
  QtSerialPort port;
  QtLinkTimers timers;
  TimedView view;
  CountingDialogs dialogs;
  DeviceLink link{model, port, timers, view, dialogs};
  Clock::time_point start;
};

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// A QCoreApplication for one benchmark run; the port and timers need one.
struct Application {
  int argc = 1;
  char name[16] = "connect_bench";
  char* argv[2] = {name, nullptr};
  QCoreApplication app{argc, argv};
};

void BM_ConnectToSimulator(benchmark::State& state) {
  const Application application;
  for (auto _ : state) {
    LinkOnSimulator bench;
    if (!bench.sim.Started()) {
      state.SkipWithError(bench.sim.Error().c_str());
      break;
    }
    if (!bench.Connect()) {
      state.SkipWithError(("no connection: " + bench.dialogs.lastText).c_str());
      break;
    }
    const auto connectTime = bench.view.connected - bench.start;
    state.SetIterationTime(std::chrono::duration<double>(connectTime).count());
    // The search: the first tick opens the port and writes the connect request, the second
    // sees the handshake. The read: 42 requests, one per 100 ms tick after each reply.
    const double searchMs = Milliseconds(bench.view.connecting - bench.start);
    const double readMs = Milliseconds(bench.view.connected - bench.view.connecting);
    state.counters["search_ms"] = searchMs;
    state.counters["read_ms"] = readMs;
    state.counters["read_ticks"] = readMs / DeviceLink::kTimer2TickMs;
  }
}
BENCHMARK(BM_ConnectToSimulator)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// A change on a quiet, acknowledged link: SendParameter until the frame has reached the port's
// driver, and until the device's acknowledgement is back.
void BM_ParameterChangeLatency(benchmark::State& state) {
  const Application application;
  auto bench = std::make_unique<LinkOnSimulator>();
  if (!bench->sim.Started() || !bench->Connect()) {
    state.SkipWithError("no connection");
    return;
  }
  const auto quiet = [&] {
    return bench->link.AckReceived() && !bench->link.RepeatLast() &&
           bench->link.SendQueueState().Pending() == 0;
  };
  double roundTripMs = 0;
  double worstWriteMs = 0;
  int overOneMs = 0;
  int leftBuffered = 0;  // writes still in the port's buffer when SendParameter returned
  int value = 37;
  for (auto _ : state) {
    while (!quiet())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    value = value == 37 ? 38 : 37;
    const auto sent = Clock::now();
    bench->link.SendParameter(0x0500, value);
    // Written at once clears the acknowledgement flag; a queued change would time nothing.
    if (bench->link.AckReceived()) {
      state.SkipWithError("the change was queued, not written at once");
      break;
    }
    if (bench->port.PendingWriteBytes() > 0) ++leftBuffered;
    while (bench->port.PendingWriteBytes() > 0)
      QCoreApplication::processEvents();
    const auto written = Clock::now();
    while (!bench->link.AckReceived()) {
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    const auto acknowledged = Clock::now();
    state.SetIterationTime(std::chrono::duration<double>(written - sent).count());
    worstWriteMs = std::max(worstWriteMs, Milliseconds(written - sent));
    if (written - sent > 1ms) ++overOneMs;
    roundTripMs += Milliseconds(acknowledged - sent);
  }
  state.counters["ack_round_trip_ms"] =
      benchmark::Counter(roundTripMs, benchmark::Counter::kAvgIterations);
  state.counters["worst_write_ms"] = worstWriteMs;
  state.counters["writes_over_1ms"] = overOneMs;
  state.counters["left_buffered"] = leftBuffered;
}
BENCHMARK(BM_ParameterChangeLatency)
    ->UseManualTime()
    ->Iterations(200)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fenwave
