#include "platform/PortList.h"

#include <gtest/gtest.h>

namespace fenwave {
namespace {

TEST(MergePortNames, AddsTheExtraPortsAndSortsWithoutRegardToCase) {
  struct Case {
    std::vector<std::string> reported;
    std::string extra;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {{"COM2", "COM10", "com1"}, "", {"com1", "COM10", "COM2"}},
      {{"ttyS0"}, "/dev/pts/7", {"/dev/pts/7", "ttyS0"}},
      {{"ttyS0"}, "/dev/pts/7:/dev/pts/3", {"/dev/pts/3", "/dev/pts/7", "ttyS0"}},
      {{}, "::/dev/pts/3::", {"/dev/pts/3"}},
      {{"ttyS0"}, "ttyS0", {"ttyS0"}},
      {{}, "", {}},
      {{"ttyUSB1", "TTYusb0"}, "", {"TTYusb0", "ttyUSB1"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MergePortNames(c.reported, c.extra), c.expected) << c.extra;
  }
}

}  // namespace
}  // namespace fenwave
