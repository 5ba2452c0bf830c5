// fenwave-sim as a process on a real pseudo-terminal: the path on the first line, an
// acknowledged connect request, silence on SIGUSR1, the state file and a clean end.
// Every wait is bounded to a second or two.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "link/Frame.h"

extern char** environ;

namespace fenwave {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

const Bytes kConnect = {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x30, 0x11, 0x00, 0x5C};
const Bytes kKeepAlive = {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x30, 0x66, 0x00, 0xF3};
const Bytes kSetMainLevel50 = {0xFC, 0xB1, 0x06, 0xA7, 0x05, 0x00, 0x32, 0x00, 0x6B};
const Bytes kAck = {0xFE, 0xBB};

int RemainingMs(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() < 0 ? 0 : static_cast<int>(left.count());
}

class SimExecutable : public ::testing::Test {
 protected:
  void SetUp() override {
    m_state = std::filesystem::temp_directory_path() /
              ("fenwave-sim-e2e-" + std::to_string(::getpid()) + ".state");
    std::filesystem::remove(m_state);
    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const std::string state = m_state.string();
    std::vector<std::string> args = {FENWAVE_SIM_EXECUTABLE, "--state", state};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const int spawned =
        ::posix_spawn(&m_pid, FENWAVE_SIM_EXECUTABLE, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    m_stdout = out[0];
    ASSERT_EQ(spawned, 0);
  }

  void TearDown() override {
    if (m_pid > 0) {
      ::kill(m_pid, SIGKILL);
      ::waitpid(m_pid, nullptr, 0);
    }
    if (m_port >= 0) ::close(m_port);
    if (m_stdout >= 0) ::close(m_stdout);
    std::filesystem::remove(m_state);
  }

  // The first line of the simulator's standard output, within two seconds.
  std::string FirstLine() {
    const auto deadline = Clock::now() + 2s;
    std::string line;
    char c = 0;
    pollfd p{m_stdout, POLLIN, 0};
    while (::poll(&p, 1, RemainingMs(deadline)) > 0 && ::read(m_stdout, &c, 1) == 1) {
      if (c == '\n') return line;
      line.push_back(c);
    }
    return {};
  }

  void OpenPort(const std::string& path) {
    if (m_port >= 0) ::close(m_port);
    m_port = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(m_port, 0) << path;
    termios t{};
    ASSERT_EQ(::tcgetattr(m_port, &t), 0);
    ::cfmakeraw(&t);
    ASSERT_EQ(::tcsetattr(m_port, TCSANOW, &t), 0);
  }

  // Writes a frame and collects what comes back until `expected` bytes have arrived or the
  // time is up.
  Bytes Exchange(const Bytes& frame, std::size_t expected, std::chrono::milliseconds within) {
    EXPECT_EQ(::write(m_port, frame.data(), frame.size()), static_cast<ssize_t>(frame.size()));
    const auto deadline = Clock::now() + within;
    Bytes received;
    pollfd p{m_port, POLLIN, 0};
    while (received.size() < expected && ::poll(&p, 1, RemainingMs(deadline)) > 0) {
      std::uint8_t buffer[256];
      const ssize_t n = ::read(m_port, buffer, sizeof buffer);
      if (n > 0) received.insert(received.end(), buffer, buffer + n);
    }
    return received;
  }

  std::string StateText() const {
    std::ifstream in(m_state);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // Waits up to two seconds for the simulator to end; returns its exit status or -1.
  int WaitForExit() {
    const auto deadline = Clock::now() + 2s;
    while (Clock::now() < deadline) {
      int status = 0;
      if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      }
      std::this_thread::sleep_for(10ms);
    }
    return -1;
  }

  pid_t m_pid = -1;
  int m_stdout = -1;
  int m_port = -1;
  std::filesystem::path m_state;
};

TEST_F(SimExecutable, ServesTheDeviceOnAPseudoTerminal) {
  const std::string path = FirstLine();
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(path.rfind("/dev/pts/", 0), 0u) << path;
  // The state file is there before the path is announced.
  EXPECT_NE(StateText().find("system-password 314159\n"), std::string::npos);

  OpenPort(path);
  EXPECT_EQ(Exchange(kConnect, 2, 1s), kAck);

  // The terminal survives the port being closed and opened again.
  OpenPort(path);
  EXPECT_EQ(Exchange(kKeepAlive, 2, 1s), kAck);

  // Silent on SIGUSR1, answering again on SIGUSR2.
  ASSERT_EQ(::kill(m_pid, SIGUSR1), 0);
  EXPECT_TRUE(Exchange(kKeepAlive, 2, 300ms).empty());
  ASSERT_EQ(::kill(m_pid, SIGUSR2), 0);
  EXPECT_EQ(Exchange(kSetMainLevel50, 2, 1s), kAck);
  // The state file already holds the write when its acknowledgement arrives.
  EXPECT_NE(StateText().find("\n5 0 50\n"), std::string::npos);

  ASSERT_EQ(::kill(m_pid, SIGTERM), 0);
  EXPECT_EQ(WaitForExit(), 0);
  EXPECT_TRUE(std::filesystem::exists(m_state));
}

}  // namespace
}  // namespace fenwave
