#include "sim/CommandLine.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace fenwave::sim {
namespace {

constexpr std::string_view kUsage =
    "usage: fenwave-sim [options]\n"
    "Serves a simulated audio processor on a new pseudo-terminal and prints the terminal's\n"
    "path as the first line of standard output.\n"
    "\n"
    "  --log FILE        hex dump of the traffic in both directions to FILE ('-': stderr)\n"
    "  --state FILE      rewrite FILE with the device's store, passwords and modes after\n"
    "                    every change\n"
    "  --stop-after N    answer the first N frames, then nothing at all\n"
    "  --drop-ack N      leave out every Nth acknowledgement\n"
    "  --bad-check N     give every Nth reply a wrong check byte (1: every reply)\n"
    "  --junk N          write N junk bytes before every frame sent\n"
    "  --byte-delay MS   send the device's bytes one at a time, MS milliseconds apart\n"
    "  --ack-delay MS    send each acknowledgement MS milliseconds late\n"
    "  --help            show this text\n"
    "\n"
    "SIGUSR1 makes the device go silent, SIGUSR2 makes it answer again;\n"
    "SIGTERM and SIGINT end it.\n";

// Whole numbers up to 2^31 − 1: enough for any count or delay, and safe in every field.
std::optional<std::size_t> ParseCount(std::string_view text) {
  std::size_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc{} || ptr != end ||
      value > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    return std::nullopt;
  return value;
}

struct NumericOption {
  std::string_view name;
  void (*apply)(FaultOptions&, std::size_t);
};

constexpr NumericOption kNumericOptions[] = {
    {"--stop-after", [](FaultOptions& f, std::size_t n) { f.stopAfterFrames = n; }},
    {"--drop-ack", [](FaultOptions& f, std::size_t n) { f.dropEveryNthAck = n; }},
    {"--bad-check", [](FaultOptions& f, std::size_t n) { f.badCheckEveryNthReply = n; }},
    {"--junk", [](FaultOptions& f, std::size_t n) { f.junkBytes = n; }},
    {"--byte-delay",
     [](FaultOptions& f, std::size_t n) { f.byteDelay = Millis{static_cast<Millis::rep>(n)}; }},
    {"--ack-delay",
     [](FaultOptions& f, std::size_t n) { f.ackDelay = Millis{static_cast<Millis::rep>(n)}; }},
};

const NumericOption* FindNumericOption(std::string_view name) {
  for (const NumericOption& option : kNumericOptions)
    if (option.name == name) return &option;
  return nullptr;
}

}  // namespace

std::string_view SimUsage() { return kUsage; }

ParsedArguments ParseSimArguments(std::span<const std::string_view> arguments) {
  SimOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view name = arguments[i];
    if (name == "--help" || name == "-h") {
      options.help = true;
      continue;
    }
    const NumericOption* numeric = FindNumericOption(name);
    if (numeric == nullptr && name != "--log" && name != "--state")
      return {std::nullopt, "unknown option " + std::string(name)};
    if (i + 1 >= arguments.size()) return {std::nullopt, std::string(name) + " needs a value"};
    const std::string_view value = arguments[++i];
    if (name == "--log") {
      options.logPath = std::string(value);
    } else if (name == "--state") {
      options.statePath = std::string(value);
    } else if (const std::optional<std::size_t> count = ParseCount(value)) {
      numeric->apply(options.faults, *count);
    } else {
      return {std::nullopt,
              std::string(name) + " needs a whole number, not '" + std::string(value) + "'"};
    }
  }
  return {options, {}};
}

}  // namespace fenwave::sim
