// The plain-text dump of what the simulated device holds, which the simulator rewrites after
// every change so that an end-to-end test can check the device's side.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "sim/DeviceState.h"

namespace fenwave::sim {

// The dump, one item a line:
//   system-password 314159
//   keypad-password 2718
//   management-code 5A3C9E17
//   mode <k> <name>             (k = 0..14; the name runs to the end of the line)
//   <block> <entry> <value>     (every entry of the 11 × 113 store, in order)
// Lines starting with "#" are comments.
[[nodiscard]] std::string DescribeState(const DeviceState& state);

// Writes `text` beside `path` and renames it over `path`, so a reader sees either the old
// or the new whole file. Returns false when the file could not be written.
[[nodiscard]] bool WriteFileAtomically(const std::filesystem::path& path, std::string_view text);

}  // namespace fenwave::sim
