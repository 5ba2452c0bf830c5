#include "support/SimProcess.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <sstream>

extern char** environ;

namespace fenwave::e2e {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kAnnounceWithin = std::chrono::seconds(2);

// The first line the simulator prints, read until `deadline`.
std::string ReadFirstLine(int fd, Clock::time_point deadline) {
  std::string line;
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    pollfd p{fd, POLLIN, 0};
    if (left <= 0 || ::poll(&p, 1, static_cast<int>(left)) <= 0) return {};
    char c = 0;
    if (::read(fd, &c, 1) != 1) return {};
    if (c == '\n') return line;
    line.push_back(c);
  }
}

}  // namespace

SimProcess::SimProcess(const std::string& executable,
                       const std::vector<std::string>& extraArguments) {
  std::string pattern = (std::filesystem::temp_directory_path() / "fenwave-sim-XXXXXX").string();
  const int stateFd = ::mkstemp(pattern.data());
  if (stateFd < 0) {
    m_Error = std::string("mkstemp: ") + std::strerror(errno);
    return;
  }
  ::close(stateFd);
  m_StatePath = pattern;

  int out[2];
  if (::pipe(out) != 0) {
    m_Error = std::string("pipe: ") + std::strerror(errno);
    return;
  }
  std::vector<std::string> args = {executable, "--state", m_StatePath.string()};
  args.insert(args.end(), extraArguments.begin(), extraArguments.end());
  std::vector<char*> argv;
  for (std::string& a : args)
    argv.push_back(a.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  const int spawned =
      ::posix_spawn(&m_Pid, executable.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  if (spawned != 0) {
    m_Pid = -1;
    m_Error = "cannot start " + executable + ": " + std::strerror(spawned);
    ::close(out[0]);
    return;
  }
  // Only the first line is read; the simulator prints nothing more on standard output, so the
  // pipe can be closed without it ever blocking on a full pipe.
  m_PortPath = ReadFirstLine(out[0], Clock::now() + kAnnounceWithin);
  ::close(out[0]);
  if (m_PortPath.empty()) m_Error = executable + " announced no terminal";
}

SimProcess::~SimProcess() {
  if (m_Pid > 0) {
    ::kill(m_Pid, SIGKILL);
    ::waitpid(m_Pid, nullptr, 0);
  }
  if (!m_StatePath.empty()) {
    std::error_code ignored;
    std::filesystem::remove(m_StatePath, ignored);
  }
}

bool SimProcess::Signal(int signal) const {
  return m_Pid > 0 && ::kill(m_Pid, signal) == 0;
}

std::string SimProcess::StateText() const {
  std::ifstream in(m_StatePath);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

int SimState::Value(int block, int entry) const {
  const auto found = store.find({block, entry});
  return found == store.end() ? -1 : found->second;
}

SimState ParseSimState(const std::string& text) {
  SimState state;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string head;
    words >> head;
    if (head == "system-password") {
      words >> state.systemPassword;
    } else if (head == "keypad-password") {
      words >> state.keypadPassword;
    } else if (head == "management-code") {
      words >> state.managementCode;
    } else if (head == "mode") {
      std::size_t k = 0;
      words >> k;
      // The name runs to the end of the line, spaces included.
      std::string name;
      std::getline(words >> std::ws, name);
      if (k < state.modes.size()) state.modes[k] = name;
    } else {
      int entry = 0;
      int value = 0;
      if (words >> entry >> value) state.store[{std::stoi(head), entry}] = value;
    }
  }
  return state;
}

}  // namespace fenwave::e2e
