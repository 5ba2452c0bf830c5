// Cost of the EQ graph on the main window: one drag tick (the move, the applied targets, the
// frame and the dragged record's curve with its second section, painted on 950 × 208) and a
// full redraw of the busiest page, the microphone's 15 bands and high-pass.
#include <benchmark/benchmark.h>

#include <QWidget>
#include <cmath>

#include "model/Address.h"
#include "model/BindingData.h"
#include "model/ParameterModel.h"
#include "platform/TickTimer.h"
#include "ui/CurvePainter.h"
#include "ui/EqGraph.h"
#include "ui/GraphWidgets.h"
#include "ui/MainFrm.h"

namespace {

using namespace fenwave;

// Stores what the drag applies and records it as the last change, as the binding does.
class StubBinding final : public BindingForGraph {
 public:
  explicit StubBinding(ParameterModel& model) : m_Model(model) {}
  void ApplyValue(QWidget* control, int, bool, double x) override {
    const auto address = ControlTagOf(control->objectName().toStdString());
    if (!address) return;
    m_Model.SetValue(*address, static_cast<int>(x));
    m_LastAddress = *address;
    m_LastValue = static_cast<int>(x);
  }
  [[nodiscard]] int LastChangedAddress() const override { return m_LastAddress; }
  [[nodiscard]] int LastChangedValue() const override { return m_LastValue; }
  [[nodiscard]] bool Refreshing() const override { return false; }
  [[nodiscard]] int SelectedBand(int) const override { return 0; }
  [[nodiscard]] int EqPassState(int) const override { return 0; }
  void EqPointLabelClick(QWidget*) override {}

 private:
  ParameterModel& m_Model;
  int m_LastAddress = 0;
  int m_LastValue = 0;
};

class NoTimer final : public TickTimer {
 public:
  void SetTick(Tick) override {}
  void Start(std::chrono::milliseconds) override {}
  void Stop() override {}
  [[nodiscard]] bool IsRunning() const override { return false; }
};

// Every band of the module with a gain, a frequency and a Q that differ from band to band.
void FillBands(ParameterModel& model, int module) {
  for (int k = 0; k < EqBandCount[static_cast<std::size_t>(module)]; ++k) {
    const int d = MakeAddress(module, FirstBandSlot[static_cast<std::size_t>(module)] + 5 * k);
    model.SetValue(d, k % 3);
    model.SetValue(d + 1, 10 + 23 * k);
    model.SetValue(d + 2, 60 + 7 * k);
    model.SetValue(d + 3, 10 + 5 * k);
    model.SetValue(d + 4, k);
  }
}

struct GraphSetup {
  TForm1 window;
  ParameterModel model;
  StubBinding binding{model};
  NoTimer timer;
  EqGraph graph{window, model, binding, timer};

  explicit GraphSetup(int page) {
    FillBands(model, kMicA);
    FillBands(model, kMain);
    model.SetValue(0x0100, 60);  // microphone high-pass on
    model.SetValue(0x0510, 50);  // main high-pass on, slope "24dB"
    model.SetValue(0x0512, 1);
    window.SetStartupComplete(true);
    window.FormTabBtn1Click(window.PageButtons()[static_cast<std::size_t>(page)]);
    graph.RedrawPage(window.PageCode());
  }
};

// Drags `marker` back and forth by 8 pixels, so that every tick has a new target to apply and
// a change to redraw.
void DragTicks(benchmark::State& state, int page, int markerIndex, QPoint grab, QPoint step) {
  GraphSetup setup(page);
  EqMarker* marker = setup.window.EqMarkerTable()[static_cast<std::size_t>(markerIndex)];
  setup.graph.EP1MouseDown(marker, Qt::LeftButton, grab);
  int sign = 1;
  for (auto _ : state) {
    sign = -sign;
    setup.graph.EP1MouseMove(marker, grab + sign * step);
    setup.graph.Timer1Timer();
  }
  setup.graph.EP1MouseUp(marker, Qt::LeftButton, grab);
  benchmark::DoNotOptimize(setup.window.Image1()->Picture().constBits());
}

// A microphone band marker: its frequency shown, its gain sent, the band redrawn.
void BM_DragTickMicrophoneBand(benchmark::State& state) {
  DragTicks(state, 1, 6, QPoint(7, 7), QPoint(8, 8));
}
BENCHMARK(BM_DragTickMicrophoneBand)->Unit(benchmark::kMicrosecond);

// The main output's 24 dB high-pass: the record and its second section recomputed each tick.
void BM_DragTickMainHighPass24(benchmark::State& state) {
  DragTicks(state, 3, kHighPassMarker, QPoint(12, 12), QPoint(8, 0));
}
BENCHMARK(BM_DragTickMainHighPass24)->Unit(benchmark::kMicrosecond);

// The page switch's redraw of the microphone page: all 16 records, frame and curve.
void BM_FullRedrawMicrophonePage(benchmark::State& state) {
  GraphSetup setup(1);
  for (auto _ : state)
    setup.graph.DrawCurve(kAllCurveElements, kMicA);
  benchmark::DoNotOptimize(setup.window.Image1()->Picture().constBits());
}
BENCHMARK(BM_FullRedrawMicrophonePage)->Unit(benchmark::kMicrosecond);

// The painter alone: a smooth wave through 513 points stroked anti-aliased on 950 × 208.
void BM_PaintCurve(benchmark::State& state) {
  std::array<CurvePoint, kGridPoints> points{};
  for (int i = 0; i < kGridPoints; ++i)
    points[static_cast<std::size_t>(i)] = {
        i * 950 / kGridSize, static_cast<int>(std::lround(69 + 60 * std::sin(i / 20.0)))};
  QImage surface(950, 208, QImage::Format_RGB32);
  for (auto _ : state) {
    PaintCurve(surface, points, QColor(0, 204, 255));
    benchmark::DoNotOptimize(surface.constBits());
  }
}
BENCHMARK(BM_PaintCurve)->Unit(benchmark::kMicrosecond);

}  // namespace
