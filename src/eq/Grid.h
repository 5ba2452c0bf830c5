// The graph's logarithmic frequency grid: 513 points from 10 Hz (point 0) to 24000 Hz
// (point 512), shared by the filter response and the graph drawing.
#pragma once

namespace fenwave {

inline constexpr int kGridSize = 512;                        // grid intervals N
inline constexpr int kGridPoints = kGridSize + 1;            // 513 points
inline constexpr double kGridDecades = 3.380211241711606;    // log10(24000) − 1
inline constexpr int kGridCentre = 256;                      // design frequency before the shift

// Real grid position of a frequency (1000 Hz gives 302.94).
[[nodiscard]] double GridIndex(double hz);
// Frequency of a real grid position; the inverse of GridIndex.
[[nodiscard]] double GridFrequency(double position);

}  // namespace fenwave
