// Cost of the graph's curve model: one drag tick (the dragged record and its second section are
// recomputed, the kept curves summed and the 513 points made) and a full redraw of the busiest
// page, the microphone's 15 bands and high-pass.
#include <benchmark/benchmark.h>

#include "eq/CurveModel.h"
#include "eq/MarkerDrag.h"
#include "model/ParameterModel.h"

namespace {

using namespace fenwave;

constexpr SurfaceSize kSurface{950, 208};
constexpr LabelSize kLabel{80, 39};
constexpr EqPassStates kNoPass{};

// Every band of the module with a gain, a frequency and a Q that differ from band to band.
ParameterModel BusyModel(int module) {
  ParameterModel model;
  for (int k = 0; k < EqBandCount[static_cast<std::size_t>(module)]; ++k) {
    const int d = MakeAddress(module, FirstBandSlot[static_cast<std::size_t>(module)] + 5 * k);
    model.SetValue(d, k % 3);
    model.SetValue(d + 1, 10 + 23 * k);
    model.SetValue(d + 2, 60 + 7 * k);
    model.SetValue(d + 3, 10 + 5 * k);
    model.SetValue(d + 4, k);
  }
  return model;
}

// Dragging the main output's 24 dB high-pass: record 5 and HighPassSecond per tick, after the
// drag's own decisions.
void BM_DragTickMainHighPass24(benchmark::State& state) {
  ParameterModel model = BusyModel(kMain);
  model.SetValue(0x0510, 50);
  model.SetValue(0x0512, 1);
  CurveModel curves;
  (void)curves.DrawCurve({kAllRecords, kMain, kSurface, kLabel}, model, kNoPass);
  MarkerDrag drag;
  (void)drag.Press(kHighPassMarker, {12, 12}, true, kMain);
  int dx = 0;
  for (auto _ : state) {
    dx = (dx + 1) % 64;
    const auto move = drag.Move({{12 + dx, 12}, {180, 57}, {0, 0, 950, 208}, 3});
    const TickPlan plan = drag.ApplyTargets(curves.Records());
    if (plan.count > 0) model.SetValue(0x0510, plan.calls[0].value);
    const auto redraw = drag.RedrawAfterChange(0x0510, model.Value(0x0510));
    DrawnCurve d = curves.DrawCurve({5, kMain, kSurface, kLabel}, model, kNoPass);
    benchmark::DoNotOptimize(move);
    benchmark::DoNotOptimize(redraw);
    benchmark::DoNotOptimize(d.points.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DragTickMainHighPass24)->Unit(benchmark::kMicrosecond);

// Dragging one band of the microphone page: one record, then the sum of all 16.
void BM_DragTickMicrophoneBand(benchmark::State& state) {
  ParameterModel model = BusyModel(kMicA);
  model.SetValue(0x0100, 40);
  CurveModel curves;
  (void)curves.DrawCurve({kAllRecords, kMicA, kSurface, kLabel}, model, kNoPass);
  for (auto _ : state) {
    DrawnCurve d = curves.DrawCurve({7, kMicA, kSurface, kLabel}, model, kNoPass);
    benchmark::DoNotOptimize(d.points.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DragTickMicrophoneBand)->Unit(benchmark::kMicrosecond);

// Page switch to the microphone page: all 16 records recomputed.
void BM_FullPageMicrophone(benchmark::State& state) {
  ParameterModel model = BusyModel(kMicA);
  model.SetValue(0x0100, 40);
  CurveModel curves;
  for (auto _ : state) {
    DrawnCurve d = curves.DrawCurve({kAllRecords, kMicA, kSurface, kLabel}, model, kNoPass);
    benchmark::DoNotOptimize(d.points.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FullPageMicrophone)->Unit(benchmark::kMicrosecond);

} // namespace
