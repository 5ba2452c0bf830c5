// Lines of the simulator's traffic log.
#include <gtest/gtest.h>

#include "sim/TrafficLog.h"

namespace fenwave::sim {
namespace {

using namespace std::chrono_literals;

TEST(SimTrafficLog, OneLinePerChunkWithTimeAndDirection) {
  const std::uint8_t connect[] = {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x30, 0x11, 0x00, 0x5C};
  const std::uint8_t ack[] = {0xFE, 0xBB};
  EXPECT_EQ(TrafficLine(12345ms, Direction::In, connect),
            "    12.345 in  FC B1 06 A7 09 30 11 00 5C");
  EXPECT_EQ(TrafficLine(7ms, Direction::Out, ack), "     0.007 out FE BB");
  EXPECT_EQ(NoteLine(1000ms, "silent (SIGUSR1)"), "     1.000 --  silent (SIGUSR1)");
}

}  // namespace
}  // namespace fenwave::sim
