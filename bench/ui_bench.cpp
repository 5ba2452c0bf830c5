// Cost of the control binding on the main window, offscreen: the full refresh of every control
// from the images (with the real 5 ms pause after each slider and without it, to see the
// binding's own work), and the application from construction to the shown, started window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <memory>
#include <thread>

#include "Application.h"
#include "link/DeviceLink.h"
#include "model/ParameterModel.h"
#include "platform/QtTickTimer.h"
#include "ui/ControlBinding.h"
#include "ui/EqGraph.h"
#include "ui/MainFrm.h"

namespace fenwave {
namespace {

// A link with nothing behind it: no port opens, no timer runs, nothing is shown.
class NoPort final : public SerialPort {
 public:
  bool Open(const std::string&) override { return false; }
  void Close() override {}
  [[nodiscard]] bool IsOpen() const override { return false; }
  bool Write(const Bytes&) override { return false; }
};
class NoTimers final : public LinkTimers {
 public:
  void Start(LinkTimer) override {}
  void Stop(LinkTimer) override {}
  [[nodiscard]] bool IsRunning(LinkTimer) const override { return false; }
};
class NoView final : public LinkView {
 public:
  void SetLinkLabel(const std::string&) override {}
  void SetStatusText(const std::string&) override {}
  void SetStatusProgress(int) override {}
  void SetStatusVisible(bool) override {}
  void SetLinkButtonsLook(LinkButton) override {}
  void RefreshControls(int) override {}
  void SetDeviceIdCaption(const std::string&) override {}
  void SetUserLevelGroupEnabled(bool) override {}
  void ShowWriteError(const std::string&) override {}
};
class NoDialogs final : public Dialogs {
 public:
  bool Show(const std::string&, const std::string&, DialogButtons, DialogOwner) override {
    return false;
  }
};

// The main window bound as at start-up, with the graph drawing the final curve.
struct BoundWindow {
  explicit BoundWindow(ControlBinding::Pause pause)
      : binding(window, model, link,
                [this, pause] {
                  ++pauses;
                  if (pause) pause();
                }),
        graph(window, model, binding, timer) {
    binding.SetCurveDrawing(&graph);
    window.show();
    binding.BuildBindingTable();
    binding.EqReset(kResetAll);
    window.FormTabBtn1Click(window.PageButtons()[0]);
  }

  ParameterModel model;
  NoPort port;
  NoTimers timers;
  NoView view;
  NoDialogs dialogs;
  DeviceLink link{model, port, timers, view, dialogs};
  TForm1 window;
  ControlBinding binding;
  QtTickTimer timer;
  EqGraph graph;
  long pauses = 0;
};

void Refresh(benchmark::State& state, ControlBinding::Pause pause) {
  BoundWindow bound(std::move(pause));
  bound.pauses = 0;
  for (auto _ : state)
    bound.binding.RefreshControls(kRefreshAll);
  state.counters["pauses"] =
      benchmark::Counter(static_cast<double>(bound.pauses), benchmark::Counter::kAvgIterations);
}

// The target is at most 0.45 s, 68 pauses of 5 ms included.
void BM_RefreshAllWithPause(benchmark::State& state) {
  Refresh(state, [] { std::this_thread::sleep_for(std::chrono::milliseconds(5)); });
}
BENCHMARK(BM_RefreshAllWithPause)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_RefreshAllOwnWork(benchmark::State& state) {
  Refresh(state, {});
}
BENCHMARK(BM_RefreshAllOwnWork)->Unit(benchmark::kMillisecond);

// The application as main() starts it, up to the shown window with its start-up sequence run
// (the search for a device has begun by then; it is not waited for).
void BM_ApplicationToShownWindow(benchmark::State& state) {
  auto* app = static_cast<QApplication*>(QCoreApplication::instance());
  NoDialogs dialogs;
  ApplicationOptions options;
  options.dialogs = &dialogs;
  for (auto _ : state) {
    auto application = std::make_unique<Application>(*app, options);
    application->Show();
    if (!application->MainWindow().StartupComplete()) state.SkipWithError("start-up did not run");
    state.PauseTiming();
    application.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ApplicationToShownWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace fenwave
