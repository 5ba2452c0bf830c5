// The seventeen draggable markers of the EQ graph, in the order of the marker table: band markers
// EP1..EP15 for records 0..14, then the high-pass marker HPF and the low-pass marker LPF.
#pragma once

#include <array>
#include <string_view>

namespace fenwave {

inline constexpr int kMarkerCount = 17;
inline constexpr int kHighPassMarker = 15;
inline constexpr int kLowPassMarker = 16;

inline constexpr std::array<std::string_view, kMarkerCount> EqMarkerNames = {
    "EP1",  "EP2",  "EP3",  "EP4",  "EP5",  "EP6",  "EP7", "EP8", "EP9",
    "EP10", "EP11", "EP12", "EP13", "EP14", "EP15", "HPF", "LPF",
};

inline constexpr int kBandMarkerSize = 14;   // EP1..EP15 are 14 × 14 pixels
inline constexpr int kFilterMarkerSize = 24; // HPF and LPF are 24 × 24 pixels

// Width and height of the square marker at a marker-table index.
[[nodiscard]] constexpr int MarkerSize(int index) {
  return index >= kHighPassMarker ? kFilterMarkerSize : kBandMarkerSize;
}

// A marker's top-left corner in the coordinates of the graph's inner panel.
struct MarkerPosition {
  int left = 0;
  int top = 0;
  bool operator==(const MarkerPosition&) const = default;
};

} // namespace fenwave
