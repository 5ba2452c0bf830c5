// Cost of the EQ response: one record of each kind, and a whole page redraw (17 records and the
// two second sections of 24 dB filters).
#include <benchmark/benchmark.h>

#include <array>

#include "eq/BandResponse.h"

namespace {

using fenwave::EqBand;
using fenwave::ResponseCurve;

void BM_BandResponse(benchmark::State& state, EqBand band) {
  ResponseCurve curve{};
  for (auto _ : state) {
    fenwave::BandResponse(band, curve);
    benchmark::DoNotOptimize(curve.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK_CAPTURE(BM_BandResponse, peaking, EqBand{0, 1000, 6, 1.4});
BENCHMARK_CAPTURE(BM_BandResponse, low_shelf, EqBand{1, 100, 6, 1});
BENCHMARK_CAPTURE(BM_BandResponse, high_shelf, EqBand{2, 8000, -4, 0.7});
BENCHMARK_CAPTURE(BM_BandResponse, high_pass, EqBand{102, 80, 0, 1});
BENCHMARK_CAPTURE(BM_BandResponse, low_pass, EqBand{202, 12000, 0, 1});
BENCHMARK_CAPTURE(BM_BandResponse, low_pass_fixed, EqBand{213, 120, 0, 1});

// A page with fifteen bands, a 24 dB high-pass and a 24 dB low-pass: 19 records, then the sum.
void BM_PageResponse(benchmark::State& state) {
  std::array<EqBand, 19> records{};
  for (int k = 0; k < 15; ++k) {
    records[static_cast<std::size_t>(k)] = {k % 3, 25.0 * (k + 1) * (k + 1), k - 7.0,
                                            0.5 + 0.2 * k};
  }
  records[15] = {111, 60, 0, 1};
  records[16] = {211, 150, 0, 1};
  records[17] = {104, 60, 0, 0.8}; // second sections
  records[18] = {204, 150, 0, 0.8};
  std::array<ResponseCurve, 19> curves{};
  ResponseCurve sum{};
  for (auto _ : state) {
    for (std::size_t i = 0; i < records.size(); ++i)
      fenwave::BandResponse(records[i], curves[i]);
    sum.fill(0.0f);
    for (const ResponseCurve& c : curves) {
      for (std::size_t p = 0; p < sum.size(); ++p)
        sum[p] += c[p];
    }
    benchmark::DoNotOptimize(sum.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PageResponse)->Unit(benchmark::kMicrosecond);

} // namespace
