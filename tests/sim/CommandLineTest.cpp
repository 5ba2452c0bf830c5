// fenwave-sim's command line.
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "sim/CommandLine.h"

namespace fenwave::sim {
namespace {

using namespace std::chrono_literals;

ParsedArguments Parse(std::vector<std::string_view> arguments) {
  return ParseSimArguments(arguments);
}

TEST(SimCommandLine, NoArgumentsGiveAWellBehavedDevice) {
  const ParsedArguments parsed = Parse({});
  ASSERT_TRUE(parsed.options);
  const FaultOptions& f = parsed.options->faults;
  EXPECT_FALSE(f.stopAfterFrames);
  EXPECT_EQ(f.dropEveryNthAck, 0u);
  EXPECT_EQ(f.badCheckEveryNthReply, 0u);
  EXPECT_EQ(f.junkBytes, 0u);
  EXPECT_EQ(f.byteDelay, 0ms);
  EXPECT_EQ(f.ackDelay, 0ms);
  EXPECT_FALSE(parsed.options->logPath);
  EXPECT_FALSE(parsed.options->statePath);
  EXPECT_FALSE(parsed.options->help);
}

TEST(SimCommandLine, EveryOptionReachesItsField) {
  const ParsedArguments parsed =
      Parse({"--log", "-", "--state", "/tmp/s.txt", "--stop-after", "42", "--drop-ack", "3",
             "--bad-check", "1", "--junk", "5", "--byte-delay", "2", "--ack-delay", "250"});
  ASSERT_TRUE(parsed.options) << parsed.error;
  const SimOptions& o = *parsed.options;
  EXPECT_EQ(o.logPath, "-");
  EXPECT_EQ(o.statePath, "/tmp/s.txt");
  EXPECT_EQ(o.faults.stopAfterFrames, 42u);
  EXPECT_EQ(o.faults.dropEveryNthAck, 3u);
  EXPECT_EQ(o.faults.badCheckEveryNthReply, 1u);
  EXPECT_EQ(o.faults.junkBytes, 5u);
  EXPECT_EQ(o.faults.byteDelay, 2ms);
  EXPECT_EQ(o.faults.ackDelay, 250ms);
  EXPECT_TRUE(Parse({"--stop-after", "0"}).options->faults.stopAfterFrames.has_value());
  EXPECT_TRUE(Parse({"--help"}).options->help);
}

TEST(SimCommandLine, WrongArgumentsAreRefusedWithAReason) {
  struct Case {
    std::vector<std::string_view> arguments;
    std::string_view error;
  };
  const Case cases[] = {
      {{"--frobnicate"}, "unknown option --frobnicate"},
      {{"--junk"}, "--junk needs a value"},
      {{"--log"}, "--log needs a value"},
      {{"--drop-ack", "x"}, "--drop-ack needs a whole number, not 'x'"},
      {{"--ack-delay", "-5"}, "--ack-delay needs a whole number, not '-5'"},
      {{"--byte-delay", "3ms"}, "--byte-delay needs a whole number, not '3ms'"},
      {{"--stop-after", "99999999999"}, "--stop-after needs a whole number, not '99999999999'"},
      {{"/dev/pts/3"}, "unknown option /dev/pts/3"},
  };
  for (const Case& c : cases) {
    const ParsedArguments parsed = Parse(c.arguments);
    EXPECT_FALSE(parsed.options) << c.error;
    EXPECT_EQ(parsed.error, c.error);
  }
}

}  // namespace
}  // namespace fenwave::sim
