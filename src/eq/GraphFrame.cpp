#include "eq/GraphFrame.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "eq/Grid.h"
#include "model/Scales.h"

namespace fenwave {
namespace {

constexpr double kGainRange = kGraphTopGain - kGraphBottomGain; // 36 dB

// Frequency lines after the left border, in drawing order.
constexpr std::array<double, kFrequencyLineCount - 1> kFrequencyLines = {
    100, 1000, 10000, 20,  30,  40,   50,   60,   70,   80,   90,   200,  300,  400,
    500, 600,  700,   800, 900, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 20000};

struct GainLabelSpec {
  std::string_view name;
  std::string_view text;
  int gain;
};
constexpr std::array<GainLabelSpec, 7> kGainLabels = {{
    {"EQLabelY0", "-24dB", -24},
    {"EQLabelY1", "-18dB", -18},
    {"EQLabelY2", "-12dB", -12},
    {"EQLabelY3", "-6dB", -6},
    {"EQLabelY4", "0dB", 0},
    {"EQLabelY5", "6dB", 6},
    {"EQLabelY6", "12dB", 12},
}};
constexpr int kGainLabelWidth = 32;
constexpr int kGainLabelHeight = 13;
constexpr int kGainLabelGap = 2; // between a gain label's right edge and the graph

struct FrequencyLabelSpec {
  std::string_view name;
  std::string_view text;
  double hz;
};
constexpr std::array<FrequencyLabelSpec, 10> kFrequencyLabels = {{
    {"EQLabelX11", "20Hz", 20},
    {"EQLabelX12", "50Hz", 50},
    {"EQLabelX13", "100Hz", 100},
    {"EQLabelX14", "200Hz", 200},
    {"EQLabelX15", "500Hz", 500},
    {"EQLabelX16", "1KHz", 1000},
    {"EQLabelX17", "2KHz", 2000},
    {"EQLabelX18", "5KHz", 5000},
    {"EQLabelX19", "10KHz", 10000},
    {"EQLabelX20", "20KHz", 20000},
}};
constexpr int kFrequencyLabelWidth = 36;
constexpr int kFrequencyLabelHeight = 13;

static_assert(kGainLabels.size() + kFrequencyLabels.size() == kAxisLabelCount);

} // namespace

double FrequencyToX(double hz, int width) {
  return (std::log10(std::max(hz, 1.0)) - 1.0) / kGridDecades * width;
}

double XToFrequency(double x, int width) {
  if (width <= 0) return 10.0;
  return std::pow(10.0, x * kGridDecades / width + 1.0);
}

double GainToY(double db, int height) {
  return (kGraphTopGain - db) / kGainRange * std::max(height - 1, 0);
}

double YToGain(double y, int height) {
  if (height <= 1) return kGraphTopGain;
  return kGraphTopGain - y / (height - 1) * kGainRange;
}

std::array<FrameLine, kFrameLineCount> FrameLines(SurfaceSize surface) {
  const int w = surface.width;
  const int h = surface.height;
  std::array<FrameLine, kFrameLineCount> lines{};
  std::size_t n = 0;
  for (int db = -24; db <= 12; ++db) {
    const int y = RoundHalfEvenInt(GainToY(db, h));
    lines[n++] = {0, y, w, y, db % 3 == 0 ? kMajorGridColour : kMinorGridColour};
  }
  lines[n++] = {0, 0, 0, h, kMajorGridColour};
  for (double hz : kFrequencyLines) {
    const int x = RoundHalfEvenInt(FrequencyToX(hz, w));
    lines[n++] = {x, 0, x, h, kMajorGridColour};
  }
  const int top = RoundHalfEvenInt(GainToY(kGraphTopGain, h));
  const int bottom = RoundHalfEvenInt(GainToY(kGraphBottomGain, h));
  lines[n++] = {0, top, w, top, kMajorGridColour};
  lines[n++] = {0, bottom, w, bottom, kMajorGridColour};
  return lines;
}

std::array<AxisLabel, kAxisLabelCount> AxisLabels(SurfaceSize surface, PanelOrigin inner) {
  std::array<AxisLabel, kAxisLabelCount> labels{};
  std::size_t n = 0;
  for (const GainLabelSpec& g : kGainLabels) {
    labels[n++] = {g.name,
                   g.text,
                   inner.left - kGainLabelWidth - kGainLabelGap,
                   RoundHalfEvenInt(GainToY(g.gain, surface.height)) + inner.top -
                       kGainLabelHeight / 2,
                   kGainLabelWidth,
                   kGainLabelHeight,
                   LabelAlignment::kRight};
  }
  for (const FrequencyLabelSpec& f : kFrequencyLabels) {
    labels[n++] = {f.name,
                   f.text,
                   RoundHalfEvenInt(FrequencyToX(f.hz, surface.width)) + inner.left -
                       kFrequencyLabelWidth / 2,
                   inner.top + surface.height,
                   kFrequencyLabelWidth,
                   kFrequencyLabelHeight,
                   LabelAlignment::kCentre};
  }
  return labels;
}

} // namespace fenwave
