#include "eq/Grid.h"

#include <gtest/gtest.h>

namespace fenwave {
namespace {

TEST(GridIndex, MapsTenHertzToZeroAndTwentyFourKilohertzToTheLastPoint) {
  EXPECT_DOUBLE_EQ(GridIndex(10), 0);
  EXPECT_NEAR(GridIndex(24000), 512, 1e-9);
  EXPECT_NEAR(GridIndex(1000), 302.94, 0.005);
  // Below 1 Hz the position of 1 Hz is used, so nothing reaches a logarithm of zero.
  EXPECT_DOUBLE_EQ(GridIndex(0), GridIndex(1));
  EXPECT_DOUBLE_EQ(GridIndex(-40), GridIndex(1));
  for (double j : {0.0, 46.0, 151.0, 303.0, 512.0}) {
    EXPECT_NEAR(GridIndex(GridFrequency(j)), j, 1e-9);
  }
}

} // namespace
} // namespace fenwave
