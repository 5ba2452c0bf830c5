#include "eq/Grid.h"

#include <algorithm>
#include <cmath>

namespace fenwave {

double GridIndex(double hz) {
  return (std::log10(std::max(hz, 1.0)) - 1.0) / kGridDecades * kGridSize;
}

double GridFrequency(double position) {
  return std::pow(10.0, position * kGridDecades / kGridSize + 1.0);
}

}  // namespace fenwave
