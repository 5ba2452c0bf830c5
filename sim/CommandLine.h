// The command line of fenwave-sim: where its traffic log and state dump go and which faults
// the simulated device shows.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "sim/Device.h"

namespace fenwave::sim {

struct SimOptions {
  FaultOptions faults;
  std::optional<std::string> logPath;    // "-" means standard error
  std::optional<std::string> statePath;  // rewritten after every change
  bool help = false;
};

struct ParsedArguments {
  std::optional<SimOptions> options;  // empty when the arguments are wrong
  std::string error;                  // what was wrong, for the user
};

// Arguments without the program name.
[[nodiscard]] ParsedArguments ParseSimArguments(std::span<const std::string_view> arguments);

[[nodiscard]] std::string_view SimUsage();

}  // namespace fenwave::sim
