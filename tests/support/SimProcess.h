// fenwave-sim as a child process for end-to-end tests and benchmarks: started with a state file
// of its own, always killed when the guard goes, and its state dump read back as data.
#pragma once

#include <sys/types.h>

#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace fenwave::e2e {

class SimProcess {
 public:
  // Starts `executable --state <a new temporary file>` followed by `extraArguments`, and waits
  // up to two seconds for the terminal path on its first output line.
  explicit SimProcess(const std::string& executable,
                      const std::vector<std::string>& extraArguments = {});
  // Kills the simulator (SIGKILL), reaps it and removes the state file.
  ~SimProcess();
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  // True when the simulator runs and has announced its terminal.
  [[nodiscard]] bool Started() const { return m_Pid > 0 && !m_PortPath.empty(); }
  // Why it did not start, for the failure message.
  [[nodiscard]] const std::string& Error() const { return m_Error; }
  // The pseudo-terminal to open as the serial port, e.g. /dev/pts/3.
  [[nodiscard]] const std::string& PortPath() const { return m_PortPath; }
  [[nodiscard]] const std::filesystem::path& StatePath() const { return m_StatePath; }
  [[nodiscard]] pid_t Pid() const { return m_Pid; }

  // Sends a signal (SIGUSR1 silences the device, SIGUSR2 wakes it); false when it cannot.
  bool Signal(int signal) const;
  // The state file as it stands now; empty when it cannot be read.
  [[nodiscard]] std::string StateText() const;

 private:
  pid_t m_Pid = -1;
  std::string m_PortPath;
  std::filesystem::path m_StatePath;
  std::string m_Error;
};

// The simulator's state dump taken apart.
struct SimState {
  std::map<std::pair<int, int>, int> store;  // (block, entry) -> value
  std::array<std::string, 15> modes;
  std::string systemPassword;
  std::string keypadPassword;
  std::string managementCode;

  // The stored value, or -1 when the dump has no such entry.
  [[nodiscard]] int Value(int block, int entry) const;
};

[[nodiscard]] SimState ParseSimState(const std::string& text);

}  // namespace fenwave::e2e
