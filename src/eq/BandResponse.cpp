#include "eq/BandResponse.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <numbers>

#include "model/Scales.h"

namespace fenwave {
namespace {

// Damping of a high-pass or low-pass section, by kind k = code mod 10.
enum class PassKind { kOff, kBessel, kButterworth, kRecordQ, kFixedLowPass };

// Kinds 6..9 are produced by no page; they are drawn like a filter that is off.
constexpr std::array<PassKind, 10> kHighPassKinds = {
    PassKind::kOff,     PassKind::kBessel,  PassKind::kButterworth, PassKind::kRecordQ,
    PassKind::kRecordQ, PassKind::kRecordQ, PassKind::kOff,         PassKind::kOff,
    PassKind::kOff,     PassKind::kOff};
constexpr std::array<PassKind, 10> kLowPassKinds = {
    PassKind::kOff,     PassKind::kBessel,  PassKind::kButterworth, PassKind::kFixedLowPass,
    PassKind::kRecordQ, PassKind::kRecordQ, PassKind::kOff,         PassKind::kOff,
    PassKind::kOff,     PassKind::kOff};

// How sweep points become normalised frequencies: the window of points edge..512 − edge is
// stretched over 0..π and the points outside it repeat the response at u or at 511·u.
struct SweepRule {
  int edge;
  bool edgeInside; // the edge point itself evaluates ω = 0 (shelves) rather than u (filters)
};
constexpr SweepRule kPeakingSweep{0, true}; // every point i evaluates i·u
constexpr SweepRule kShelfSweep{120, true};
constexpr SweepRule kPassSweep{140, false};

struct Section {
  float b0, b1, b2, a0, a1, a2;
};

// Every section is designed at ω = π/2 held in single precision; its cosine is about −4.4e−8.
constexpr float kW0 = static_cast<float>(std::numbers::pi / 2);

// Narrows to single precision without leaving the float range: absurd gains or Q values give
// infinite coefficients (and then a flat curve) instead of an undefined conversion.
float Single(double x) {
  constexpr double kMax = std::numeric_limits<float>::max();
  return static_cast<float>(std::clamp(x, -kMax, kMax));
}

Section PeakingSection(double gain, float q, float c, float s) {
  const float a = Single(std::pow(10.0, gain / 40.0));
  const float qe = (q + 0.01f) / 0.35714285714285715f;
  const float alpha = s / (2 * qe);
  return {1 + alpha * a, -2 * c, 1 - alpha * a, 1 + alpha / a, -2 * c, 1 - alpha / a};
}

Section ShelfSection(bool low, double gain, float qc, float c, float s) {
  const float a = Single(std::pow(10.0, gain / 40.0));
  const float alpha = s / 2 * std::sqrt(std::fabs((a + 1 / a) * (1 / qc - 1) + 2));
  const float beta = 2 * std::sqrt(a) * alpha;
  if (low) {
    return {a * ((a + 1) - (a - 1) * c + beta), 2 * a * ((a - 1) - (a + 1) * c),
            a * ((a + 1) - (a - 1) * c - beta), (a + 1) + (a - 1) * c + beta,
            -2 * ((a - 1) + (a + 1) * c),       (a + 1) + (a - 1) * c - beta};
  }
  return {a * ((a + 1) + (a - 1) * c + beta), -2 * a * ((a - 1) + (a + 1) * c),
          a * ((a + 1) + (a - 1) * c - beta), (a + 1) - (a - 1) * c + beta,
          2 * ((a - 1) - (a + 1) * c),        (a + 1) - (a - 1) * c - beta};
}

Section FixedLowPassSection() {
  const float k = static_cast<float>(std::tan(std::numbers::pi / 4));
  const float g = static_cast<float>(std::cos(std::numbers::pi / 8));
  const float d = 1 + 2 * g * k + k * k;
  return {k * k / d, 2 * k * k / d, k * k / d, 1, 2 * (k * k - 1) / d, (1 - 2 * g * k + k * k) / d};
}

Section PassSection(bool highPass, PassKind kind, float qc, float c, float s) {
  if (kind == PassKind::kFixedLowPass) return FixedLowPassSection();
  float alpha = 0;
  switch (kind) {
  case PassKind::kBessel:
    alpha = s / static_cast<float>(2 / std::sqrt(3.0));
    break;
  case PassKind::kButterworth:
    alpha = s / static_cast<float>(2 / std::sqrt(2.0));
    break;
  default:
    alpha = s / (2 * qc);
    break;
  }
  if (highPass) return {(1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha};
  return {(1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha};
}

double SweepFrequency(const SweepRule& rule, int i) {
  constexpr double u = std::numbers::pi / kGridSize;
  const double span = kGridCentre - rule.edge;
  if (i <= kGridCentre) {
    const bool inside = rule.edgeInside ? i >= rule.edge : i > rule.edge;
    return inside ? (i - rule.edge) / span * kGridCentre * u : u;
  }
  if (i <= kGridSize - rule.edge) return ((i - kGridCentre) / span * kGridCentre + kGridCentre) * u;
  return (kGridSize - 1) * u;
}

// Sweep points 0..511; the sweep point 512 never reaches the grid.
using Sweep = std::array<float, kGridSize>;

void Evaluate(const Section& section, const SweepRule& rule, Sweep& r) {
  const double b0 = section.b0, b1 = section.b1, b2 = section.b2;
  const double a0 = section.a0, a1 = section.a1, a2 = section.a2;
  const double nb = (b0 + b1 + b2) * (b0 + b1 + b2);
  const double mb = b1 * (b0 + b2) + 4 * b0 * b2;
  const double na = (a0 + a1 + a2) * (a0 + a1 + a2);
  const double ma = a1 * (a0 + a2) + 4 * a0 * a2;
  float previous = 0;
  for (int i = 0; i < kGridSize; ++i) {
    const double half = 2 * std::sin(SweepFrequency(rule, i) / 2);
    const double phi = half * half;
    const double num = (b0 * b2 * phi - mb) * phi + nb;
    const double den = (a0 * a2 * phi - ma) * phi + na;
    // A zero of the section on the sweep (the low-pass at ω = π) has no dB value; the curve
    // keeps the previous point there, and likewise for any value that is not a finite number.
    if (num > 0 && den > 0) {
      const float value = Single(10 * std::log10(num / den));
      if (std::isfinite(value)) previous = value;
    }
    r[static_cast<std::size_t>(i)] = previous;
  }
}

// Grid point of a record's frequency, snapped first to a grid point and then to the whole hertz
// of that point's frequency, never below 10 Hz.
int SnappedGridPoint(double hz) {
  // From point 768 on only the sweep's first value reaches the grid; the bound keeps absurd
  // frequencies finite.
  constexpr double kFarRight = 2 * kGridSize;
  const double j = std::min(RoundHalfEven(GridIndex(hz)), kFarRight);
  double f = RoundHalfEven(GridFrequency(j));
  if (f <= 10) f = 10;
  return RoundHalfEvenInt(GridIndex(f));
}

// Slides the sweep along the grid so that sweep point 256 lands on grid point g; where the sweep
// runs out the curve repeats its first or its last used value.
void ShiftOntoGrid(const Sweep& r, int g, ResponseCurve& curve) {
  for (int p = 0; p < kGridPoints; ++p) {
    const int d = p - g;
    const int index =
        d <= 0 ? std::max(kGridCentre + d, 0) : std::min(kGridCentre + d, kGridSize - 1);
    curve[static_cast<std::size_t>(p)] = r[static_cast<std::size_t>(index)];
  }
}

} // namespace

void BandResponse(const EqBand& band, ResponseCurve& curve) {
  const int code = band.type;
  const bool finite =
      std::isfinite(band.frequency) && std::isfinite(band.gain) && std::isfinite(band.q);
  PassKind kind = PassKind::kOff;
  if (code >= kHighPassBase && code < kLowPassBase) {
    kind = kHighPassKinds[static_cast<std::size_t>(code % 10)];
  } else if (code >= kLowPassBase && code < kLowPassBase + 100) {
    kind = kLowPassKinds[static_cast<std::size_t>(code % 10)];
  }
  const bool isBand = code >= 0 && code < kHighPassBase;
  if (!finite || (!isBand && kind == PassKind::kOff)) {
    curve.fill(0.0f);
    return;
  }

  const float q = band.q <= 0.1 ? 0.1f : Single(band.q);
  const float qc = std::min(q, 4.0f) + 0.001f;
  const float c = static_cast<float>(std::cos(static_cast<double>(kW0)));
  const float s = static_cast<float>(std::sin(static_cast<double>(kW0)));

  Section section{};
  SweepRule rule = kPassSweep;
  if (code == kLowShelfCode || code == kHighShelfCode) {
    section = ShelfSection(code == kLowShelfCode, band.gain, qc, c, s);
    rule = kShelfSweep;
  } else if (isBand) {
    // Band types other than the shelves draw as a peaking section; only type 0 has a gain.
    section = PeakingSection(code == kPeakingCode ? band.gain : 0.0, q, c, s);
    rule = kPeakingSweep;
  } else {
    section = PassSection(code < kLowPassBase, kind, qc, c, s);
  }

  Sweep r;
  Evaluate(section, rule, r);
  ShiftOntoGrid(r, SnappedGridPoint(band.frequency), curve);
}

} // namespace fenwave
