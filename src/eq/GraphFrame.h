// Coordinate mappings of the EQ graph (log frequency across, gain from +12 dB at the top to
// −24 dB at the bottom) and the geometry of its frame: grid lines and axis labels to be drawn.
#pragma once

#include <array>
#include <string_view>

namespace fenwave {

inline constexpr double kGraphTopGain = 12;     // dB at y = 0
inline constexpr double kGraphBottomGain = -24; // dB at y = H − 1

// x of a frequency on a surface `width` pixels wide: 10 Hz at 0, 24000 Hz at width. Frequencies
// below 1 Hz are taken as 1 Hz, as on the response grid.
[[nodiscard]] double FrequencyToX(double hz, int width);
// Inverse of FrequencyToX; 10 Hz on a surface without width.
[[nodiscard]] double XToFrequency(double x, int width);
// y of a gain on a surface `height` pixels high: +12 dB at 0, −24 dB at height − 1.
[[nodiscard]] double GainToY(double db, int height);
// Inverse of GainToY; +12 dB on a surface less than two pixels high.
[[nodiscard]] double YToGain(double y, int height);

struct Rgb {
  int red;
  int green;
  int blue;
  bool operator==(const Rgb&) const = default;
};
inline constexpr Rgb kMajorGridColour{0, 102, 51}; // borders, frequency lines, every 3 dB
inline constexpr Rgb kMinorGridColour{0, 18, 9};   // the other whole-dB lines
inline constexpr Rgb kAxisLabelColour{255, 255, 255};

struct SurfaceSize {
  int width;
  int height;
};

// Position of the inner graph panel (the surface's parent) inside the outer panel.
struct PanelOrigin {
  int left;
  int top;
};

// A one-pixel-wide line between integer end points.
struct FrameLine {
  int x1;
  int y1;
  int x2;
  int y2;
  Rgb colour;
  bool operator==(const FrameLine&) const = default;
};

inline constexpr int kGainLineCount = 37;      // every whole dB from −24 to +12
inline constexpr int kFrequencyLineCount = 29; // the left border and 28 frequencies
inline constexpr int kFrameLineCount = kGainLineCount + kFrequencyLineCount + 2;

// The frame's lines in drawing order, over a background fill of (0, 0, W, H): the gain lines from
// −24 dB up to +12 dB, the left border and the frequency lines (100, 1000, 10000 Hz, then 20..90,
// 200..900, 2000..9000 and 20000 Hz), and the top and bottom borders once more.
[[nodiscard]] std::array<FrameLine, kFrameLineCount> FrameLines(SurfaceSize surface);

enum class LabelAlignment { kRight, kCentre };

// An axis label of the outer graph panel: bold white text on a transparent background.
struct AxisLabel {
  std::string_view name; // object name
  std::string_view text;
  int left;
  int top;
  int width;
  int height;
  LabelAlignment alignment;
};

inline constexpr int kAxisLabelCount = 17;

// The gain labels EQLabelY0..EQLabelY6 ("-24dB" .. "12dB") left of the graph, then the
// frequency labels EQLabelX11..EQLabelX20 ("20Hz" .. "20KHz") below it, in the outer panel's
// coordinates.
[[nodiscard]] std::array<AxisLabel, kAxisLabelCount> AxisLabels(SurfaceSize surface,
                                                                PanelOrigin inner);

} // namespace fenwave
