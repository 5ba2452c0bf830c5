#include "sim/StateFile.h"

#include <cstdio>
#include <fstream>
#include <system_error>

namespace fenwave::sim {

std::string DescribeState(const DeviceState& state) {
  std::string text = "# fenwave-sim state; store lines are \"block entry value\"\n";
  text += "system-password " + state.systemPassword + "\n";
  text += "keypad-password " + state.keypadPassword + "\n";
  char code[16];
  std::snprintf(code, sizeof code, "%02X%02X%02X%02X", state.managementCode[0],
                state.managementCode[1], state.managementCode[2], state.managementCode[3]);
  text += std::string("management-code ") + code + "\n";
  for (std::size_t k = 0; k < state.modes.size(); ++k) {
    // A control character in a name would break the one-line-per-item layout.
    std::string name = state.modes[k].name;
    for (char& c : name)
      if (static_cast<unsigned char>(c) < 0x20) c = '?';
    text += "mode " + std::to_string(k) + " " + name + "\n";
  }
  for (std::size_t block = 0; block < state.store.size(); ++block) {
    for (std::size_t entry = 0; entry < state.store[block].size(); ++entry) {
      text += std::to_string(block) + " " + std::to_string(entry) + " " +
              std::to_string(state.store[block][entry]) + "\n";
    }
  }
  return text;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view text) {
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) return false;
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  return true;
}

}  // namespace fenwave::sim
