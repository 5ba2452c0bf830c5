// The list of serial ports the device search tries: every port the system reports plus the
// names in FENWAVE_PORTS (colon-separated), sorted by name without regard to case.
#pragma once

#include <string>
#include <vector>

namespace fenwave {

// Merges the reported names with the extra names of a colon-separated list, drops empty and
// repeated names, and sorts without regard to case (so COM10 comes before COM2).
[[nodiscard]] std::vector<std::string> MergePortNames(std::vector<std::string> reported,
                                                      const std::string& extraList);

// The ports present on this machine (Qt's list) merged with $FENWAVE_PORTS.
[[nodiscard]] std::vector<std::string> AvailablePortNames();

}  // namespace fenwave
