// Line scrambling: the stored form of a line and its reading back.
#include "storage/LineScrambling.h"

#include <gtest/gtest.h>

namespace fenwave {
namespace {

TEST(LineScrambling, XorsEachByteWithTheKeyRestartingEveryEightBytes) {
  // "Intoal: 515": the key 5C 3E 91 07 D4 28 6B F2 repeats from the ninth byte on.
  EXPECT_EQ(ScrambleLine("Intoal: 515"), "1550E568B54451D2690FA4");
  EXPECT_EQ(ScrambleLine(""), "");
}

TEST(LineScrambling, ReadsEitherCaseIgnoresAnOddLastCharacterAndRefusesOtherText) {
  const struct {
    const char* stored;
    std::optional<std::string> plain;
  } cases[] = {
      {"0A0DB135E71B", "V3 233"}, {"0a0db135e71b", "V3 233"}, {"0A0DB135E71B7", "V3 233"}, {"", ""},
      {"0A0G", std::nullopt},     {"0A 0D", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(UnscrambleLine(c.stored), c.plain) << c.stored;
}

}  // namespace
}  // namespace fenwave
