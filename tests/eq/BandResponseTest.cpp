#include "eq/BandResponse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace fenwave {
namespace {

// The curve is filled with a marker value first, so a point left unwritten shows up.
ResponseCurve Response(const EqBand& band) {
  ResponseCurve curve;
  curve.fill(99.0f);
  BandResponse(band, curve);
  return curve;
}

int PeakPoint(const ResponseCurve& curve) {
  return static_cast<int>(std::max_element(curve.begin(), curve.end()) - curve.begin());
}

TEST(BandResponse, FlatRecordsGiveZeroDecibelsEverywhere) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const EqBand cases[] = {
      {0, 1000, 0, 1}, // peaking band at 0 dB
      {0, 20, 0, 0.1},
      {0, 20000, 0, 100},
      {3, 1000, 12, 1}, // other band types draw as peaking with 0 dB
      {57, 300, -24, 2},
      {99, 5000, 6, 0.5},
      {100, 19, 0, 1}, // filters that are off
      {200, 20000, 0, 4},
      {110, 1000, 0, 2}, // kind 0 of a two-digit code
      {106, 1000, 0, 2}, // kinds that no page produces
      {219, 1000, 0, 2},
      {-1, 1000, 12, 1}, // codes outside 0..299
      {300, 1000, 12, 1},
      {std::numeric_limits<int>::min(), 1000, 12, 1},
      {std::numeric_limits<int>::max(), 1000, 12, 1},
      {0, kNaN, 12, 1}, // non-finite fields
      {0, 1000, kInf, 1},
      {1, 1000, 6, kNaN},
      {102, kInf, 0, 1},
  };
  for (const EqBand& band : cases) {
    const ResponseCurve curve = Response(band);
    for (int p = 0; p < 513; ++p) {
      ASSERT_EQ(curve[p], 0.0f) << "code " << band.type << " at " << band.frequency << " Hz, point "
                                << p;
    }
  }
}

TEST(BandResponse, PeakingBandIsCentredOnItsGridPointAndSymmetric) {
  // 1000 Hz snaps to 1001 Hz, grid point 303.
  const ResponseCurve curve = Response({0, 1000, 12, 1});
  EXPECT_EQ(PeakPoint(curve), 303);
  EXPECT_NEAR(curve[303], 12.0, 0.001);
  EXPECT_NEAR(curve[293], 10.43, 0.01);
  EXPECT_NEAR(curve[313], 10.43, 0.01);
  // Symmetric until the upper side runs into the end of the grid (point 512 = 303 + 209).
  for (int t = 1; t <= 209; ++t) {
    EXPECT_NEAR(curve[303 - t], curve[303 + t], 1e-4) << t;
  }

  const ResponseCurve cut = Response({0, 1000, -12, 1});
  EXPECT_NEAR(cut[303], -12.0, 0.001);
  EXPECT_NEAR(cut[293], -10.43, 0.01);
}

TEST(BandResponse, FrequencySnapsToTheGrid) {
  const struct {
    double hz;
    int point;
  } cases[] = {
      {5, 0},     {0, 0},      {-50, 0},    {10, 0},      {20, 46},     {100, 151},
      {995, 303}, {1000, 303}, {1005, 303}, {20000, 500}, {24000, 512},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PeakPoint(Response({0, c.hz, 12, 1})), c.point) << c.hz << " Hz";
  }
  // Frequencies on the same grid point draw the same curve.
  EXPECT_EQ(Response({0, 995, 6, 2}), Response({0, 1005, 6, 2}));
  EXPECT_EQ(Response({0, 5, 6, 2}), Response({0, 10, 6, 2}));
}

TEST(BandResponse, FrequenciesFarAboveTheGridShowTheLowEndOfTheSweep) {
  for (double hz : {1e6, 1e9, 1e308}) {
    const ResponseCurve curve = Response({1, hz, 6, 1});
    for (int p = 0; p < 513; ++p) {
      ASSERT_TRUE(std::isfinite(curve[p])) << hz << " " << p;
    }
    EXPECT_NEAR(curve[0], 6.0, 0.01) << hz;
    EXPECT_NEAR(curve[512], 6.0, 0.01) << hz;
  }
}

TEST(BandResponse, EdgesOfTheGridRepeatTheLastSweepValueUsed) {
  // A peaking band at grid point 0: point p shows sweep point 256 + p up to sweep point 511;
  // sweep point 512 (ω = π) is never shown.
  const ResponseCurve curve = Response({0, 5, 12, 1});
  for (int p = 256; p <= 512; ++p) {
    EXPECT_EQ(curve[p], curve[255]) << p;
  }
  EXPECT_NE(curve[254], curve[255]);
}

TEST(BandResponse, ShelvesReachTheirGainOutsideTheSweepWindow) {
  // 100 Hz snaps to 99 Hz, grid point 151.
  const ResponseCurve low = Response({1, 100, 6, 1});
  for (int p = 0; p <= 15; ++p) {
    EXPECT_NEAR(low[p], 6.0, 0.001) << p;
  }
  // 51 points below its own point: sweep point 205, ω = (205 − 120) / 136 · π/2.
  EXPECT_NEAR(low[100], 5.520, 0.001);
  EXPECT_NEAR(low[151], 3.0, 0.001);
  for (int p = 300; p <= 512; ++p) {
    EXPECT_NEAR(low[p], 0.0, 0.001) << p;
  }

  const ResponseCurve high = Response({2, 100, 6, 1});
  for (int p = 0; p <= 15; ++p) {
    EXPECT_NEAR(high[p], 0.0, 0.001) << p;
  }
  EXPECT_NEAR(high[151], 3.0, 0.001);
  for (int p = 300; p <= 512; ++p) {
    EXPECT_NEAR(high[p], 6.0, 0.001) << p;
  }

  const ResponseCurve cut = Response({1, 100, -12, 1});
  EXPECT_NEAR(cut[0], -12.0, 0.001);
  EXPECT_NEAR(cut[151], -6.0, 0.001);
}

TEST(BandResponse, TwelveDecibelHighPassAtTwentyHertz) {
  const ResponseCurve curve = Response({102, 20, 0, 1});
  EXPECT_NEAR(curve[46], -3.01, 0.005);
  EXPECT_NEAR(curve[20], -7.2, 0.05);
  EXPECT_NEAR(curve[0], -11.9, 0.05);
  for (int p = 100; p <= 512; ++p) {
    EXPECT_NEAR(curve[p], 0.0, 0.2) << p;
  }
  for (int p = 1; p <= 512; ++p) {
    EXPECT_GE(curve[p], curve[p - 1] - 1e-5) << p;
  }
}

TEST(BandResponse, FilterKindsAtTheirCornerPoint) {
  // At its own grid point a section shows the magnitude of its Q: 20·log10(Q) dB.
  const struct {
    int code;
    double q;
    double db;
  } cases[] = {
      {101, 3, -4.7712},                      // Bessel, Q 1/√3, whatever the record's Q
      {111, 0.5, -4.7712}, {102, 3, -3.0103}, // Butterworth, Q 1/√2
      {112, 0.5, -3.0103}, {103, 2, 6.0249},  // the record's Q, plus 0.001
      {113, 0.5, -6.0032}, {104, 2, 6.0249},
      {115, 2, 6.0249},    {104, 10, 12.0434}, // Q above 4 is taken as 4
      {104, 0, -19.9136},                      // Q of 0.1 or less is taken as 0.1
      {201, 3, -4.7712},   {212, 0.5, -3.0103},
      {203, 0.5, -5.3329}, // fixed section with 2·cos(π/8) damping
      {213, 3, -5.3329},   {204, 2, 6.0249},
      {215, 2, 6.0249},    {205, 10, 12.0434},
      {204, -1, -19.9136},
  };
  for (const auto& c : cases) {
    const ResponseCurve curve = Response({c.code, 1000, 0, c.q});
    EXPECT_NEAR(curve[303], c.db, 0.001) << c.code << " Q " << c.q;
    const bool highPass = c.code < 200;
    EXPECT_EQ(curve[203] < curve[403], highPass) << c.code << " Q " << c.q;
    EXPECT_LT(std::min(curve[203], curve[403]), -30.0) << c.code << " Q " << c.q;
  }
}

TEST(BandResponse, SmallOrNegativeQActsAsTheSmallestQ) {
  for (int code : {0, 1, 2, 104, 205}) {
    const ResponseCurve smallest = Response({code, 1000, 6, 0.1});
    for (double q : {0.05, 0.0, -3.0}) {
      EXPECT_EQ(Response({code, 1000, 6, q}), smallest) << code << " Q " << q;
    }
    EXPECT_NE(Response({code, 1000, 6, 0.2}), smallest) << code;
  }
}

TEST(BandResponse, LowPassZeroAtTheTopOfTheSweepRepeatsThePreviousValue) {
  // Sweep point 372 evaluates ω = π, where every low-pass has its zero; at 1000 Hz it lands on
  // grid point 303 + 116.
  for (int code : {201, 202, 203, 204, 205, 211, 212, 213, 215}) {
    const ResponseCurve curve = Response({code, 1000, 0, 1});
    EXPECT_EQ(curve[419], curve[418]) << code;
    EXPECT_TRUE(std::isfinite(curve[419])) << code;
    EXPECT_LT(curve[419], -80.0) << code;
  }
}

TEST(BandResponse, EveryCodeGivesFiniteValues) {
  for (int code = 0; code < 300; ++code) {
    for (double hz : {5.0, 1000.0, 30000.0}) {
      for (double q : {0.0, 1.0, 10.0}) {
        for (double gain : {-24.0, 12.0}) {
          const ResponseCurve curve = Response({code, hz, gain, q});
          for (int p = 0; p < 513; ++p) {
            ASSERT_TRUE(std::isfinite(curve[p]) && std::fabs(curve[p]) < 200)
                << "code " << code << " " << hz << " Hz Q " << q << " gain " << gain << " point "
                << p << " value " << curve[p];
          }
        }
      }
    }
  }
}

} // namespace
} // namespace fenwave
