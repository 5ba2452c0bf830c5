// Magnitude response of one EQ filter record (peaking band, shelf, high-pass or low-pass) as
// dB values on the graph's 513-point logarithmic frequency grid.
#pragma once

#include <array>

#include "eq/Grid.h"

namespace fenwave {

// Filter type codes of a record: 0 peaking, 1 low shelf, 2 high shelf, 3..99 other band types
// (drawn flat), 100..199 high-pass and 200..299 low-pass of kind code mod 10.
inline constexpr int kPeakingCode = 0;
inline constexpr int kLowShelfCode = 1;
inline constexpr int kHighShelfCode = 2;
inline constexpr int kHighPassBase = 100;
inline constexpr int kLowPassBase = 200;

// One filter record of a page's graph.
struct EqBand {
  int type = kPeakingCode; // filter type code
  double frequency = 1000; // Hz: centre, corner or shelf frequency
  double gain = 0;         // dB: peak or shelf gain; 0 for high-pass and low-pass records
  double q = 1;            // bandwidth, shelf slope, or the user Q of a filter
};

// dB values at the grid points 0..512; 0 dB is unity gain.
using ResponseCurve = std::array<float, kGridPoints>;

// Overwrites all 513 values of `curve` with the record's response. The section is designed at a
// quarter of the sampling rate, evaluated along a sweep and slid along the grid so that its
// design frequency lands on the record's (snapped) grid point. Codes outside 0..299, high-pass
// and low-pass kinds 6..9 and records with a non-finite field give a flat 0 dB curve.
void BandResponse(const EqBand& band, ResponseCurve& curve);

} // namespace fenwave
