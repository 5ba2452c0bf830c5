#include "eq/GraphFrame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

namespace fenwave {
namespace {

TEST(GraphMapping, FrequencyToXOnAWideSurface) {
  const struct {
    double hz;
    double x;
  } cases[] = {
      {10, 0},
      {20, 84.6037},
      {1000, 562.0950},
      {20000, 927.7463},
      {24000, 950},
      // Below 1 Hz the position of 1 Hz is used, so no logarithm of zero is taken.
      {0, -281.0475},
      {-5, -281.0475},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(FrequencyToX(c.hz, 950), c.x, 1e-4) << c.hz;
  }
  EXPECT_NEAR(FrequencyToX(1000, 1000), 591.7, 0.05);
}

TEST(GraphMapping, GainToYOnATallSurface) {
  const struct {
    double db;
    double y;
  } cases[] = {{12, 0}, {6, 34.5}, {0, 69}, {-6, 103.5}, {-24, 207}, {-30, 241.5}};
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(GainToY(c.db, 208), c.y) << c.db;
  }
}

TEST(GraphMapping, InversesUndoTheMappings) {
  for (int width : {950, 1, 4000}) {
    for (double hz : {10.0, 19.0, 1000.0, 20600.0, 24000.0}) {
      EXPECT_NEAR(XToFrequency(FrequencyToX(hz, width), width), hz, hz * 1e-12) << width;
    }
  }
  EXPECT_NEAR(XToFrequency(0, 950), 10, 1e-9);
  EXPECT_NEAR(XToFrequency(950, 950), 24000, 1e-6);
  for (int height : {208, 2, 1000}) {
    for (double db : {-24.0, -6.5, 0.0, 12.0}) {
      EXPECT_NEAR(YToGain(GainToY(db, height), height), db, 1e-12) << height;
    }
  }
  EXPECT_DOUBLE_EQ(YToGain(207, 208), -24);
}

TEST(GraphMapping, SurfacesWithoutSizeGiveFiniteValues) {
  EXPECT_DOUBLE_EQ(XToFrequency(7, 0), 10);
  EXPECT_DOUBLE_EQ(YToGain(7, 1), 12);
  EXPECT_DOUBLE_EQ(YToGain(7, 0), 12);
  EXPECT_DOUBLE_EQ(GainToY(0, 0), 0);
  EXPECT_DOUBLE_EQ(FrequencyToX(1000, 0), 0);
}

TEST(FrameLines, GainLinesFromBottomToTopWithAMajorLineEveryThreeDecibels) {
  const auto lines = FrameLines({950, 208});
  ASSERT_EQ(lines.size(), 68u);
  const Rgb major{0, 102, 51};
  const Rgb minor{0, 18, 9};
  // y of −24, −23, … +12 dB; 34.5 and 103.5 round to the even neighbour.
  const int ys[37] = {207, 201, 196, 190, 184, 178, 172, 167, 161, 155, 150, 144, 138,
                      132, 127, 121, 115, 109, 104, 98,  92,  86,  80,  75,  69,  63,
                      58,  52,  46,  40,  34,  29,  23,  17,  12,  6,   0};
  for (int i = 0; i < 37; ++i) {
    const int db = -24 + i;
    const FrameLine expected{0, ys[i], 950, ys[i], db % 3 == 0 ? major : minor};
    EXPECT_EQ(lines[i], expected) << db << " dB";
  }
  EXPECT_EQ(lines[66], (FrameLine{0, 0, 950, 0, major}));
  EXPECT_EQ(lines[67], (FrameLine{0, 207, 950, 207, major}));
}

TEST(FrameLines, FrequencyLinesInDrawingOrder) {
  const auto lines = FrameLines({950, 208});
  // The left border, 100, 1000, 10000 Hz, then 20..90, 200..900, 2000..9000 and 20000 Hz.
  const int xs[29] = {0,   281, 562, 843, 85,  134, 169, 196, 219, 238, 254, 268, 366, 415, 450,
                      477, 500, 519, 535, 549, 647, 696, 731, 759, 781, 800, 816, 830, 928};
  for (int i = 0; i < 29; ++i) {
    EXPECT_EQ(lines[37 + i], (FrameLine{xs[i], 0, xs[i], 208, Rgb{0, 102, 51}})) << i;
  }
}

TEST(FrameLines, TinySurfaceStillDrawsEveryLineInsideIt) {
  for (const SurfaceSize size : {SurfaceSize{12, 5}, SurfaceSize{1, 1}, SurfaceSize{0, 0}}) {
    const auto lines = FrameLines(size);
    for (const FrameLine& l : lines) {
      EXPECT_TRUE(l.x1 >= 0 && l.x2 <= size.width && l.y1 >= 0 && l.y2 <= size.height)
          << size.width << "x" << size.height << ": " << l.x1 << "," << l.y1 << " " << l.x2 << ","
          << l.y2;
    }
  }
}

TEST(AxisLabels, PlacedBesideAndBelowTheGraph) {
  const struct {
    std::string_view name;
    std::string_view text;
    int left;
    int top;
  } expected[17] = {
      {"EQLabelY0", "-24dB", 6, 214},    {"EQLabelY1", "-18dB", 6, 179},
      {"EQLabelY2", "-12dB", 6, 145},    {"EQLabelY3", "-6dB", 6, 111},
      {"EQLabelY4", "0dB", 6, 76},       {"EQLabelY5", "6dB", 6, 41},
      {"EQLabelY6", "12dB", 6, 7},       {"EQLabelX11", "20Hz", 107, 221},
      {"EQLabelX12", "50Hz", 218, 221},  {"EQLabelX13", "100Hz", 303, 221},
      {"EQLabelX14", "200Hz", 388, 221}, {"EQLabelX15", "500Hz", 499, 221},
      {"EQLabelX16", "1KHz", 584, 221},  {"EQLabelX17", "2KHz", 669, 221},
      {"EQLabelX18", "5KHz", 781, 221},  {"EQLabelX19", "10KHz", 865, 221},
      {"EQLabelX20", "20KHz", 950, 221},
  };
  const auto labels = AxisLabels({950, 208}, {40, 13});
  ASSERT_EQ(labels.size(), 17u);
  for (int i = 0; i < 17; ++i) {
    const AxisLabel& l = labels[i];
    EXPECT_EQ(l.name, expected[i].name);
    EXPECT_EQ(l.text, expected[i].text);
    EXPECT_EQ(l.left, expected[i].left) << l.name;
    EXPECT_EQ(l.top, expected[i].top) << l.name;
    const bool gainLabel = i < 7;
    EXPECT_EQ(l.width, gainLabel ? 32 : 36) << l.name;
    EXPECT_EQ(l.height, 13) << l.name;
    EXPECT_EQ(l.alignment, gainLabel ? LabelAlignment::kRight : LabelAlignment::kCentre);
  }
}

TEST(AxisLabels, FollowTheSurfaceAndThePanelOrigin) {
  const auto atOrigin = AxisLabels({950, 208}, {0, 0});
  EXPECT_EQ(atOrigin[4].top, 63); // 0dB: y 69 − 6
  EXPECT_EQ(atOrigin[4].left, -34);
  EXPECT_EQ(atOrigin[12].left, 544); // 1KHz: x 562 − 18
  EXPECT_EQ(atOrigin[12].top, 208);

  const auto resized = AxisLabels({1200, 300}, {40, 13});
  EXPECT_EQ(resized[4].top, 107);   // y 99.67 → 100, + 13 − 6
  EXPECT_EQ(resized[0].top, 306);   // y 299
  EXPECT_EQ(resized[12].left, 732); // x 710.03 → 710, + 40 − 18
  EXPECT_EQ(resized[12].top, 313);
}

} // namespace
} // namespace fenwave
