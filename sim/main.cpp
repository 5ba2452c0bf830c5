// fenwave-sim: serves the simulated audio processor on a new pseudo-terminal. The slave path
// is the first line of standard output; the traffic log and the state dump go where the
// command line says.
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/CommandLine.h"
#include "sim/Device.h"
#include "sim/PseudoTerminal.h"
#include "sim/StateFile.h"
#include "sim/TrafficLog.h"

namespace fenwave::sim {
namespace {

using Clock = std::chrono::steady_clock;

// While no one holds the slave open the master reports a hang-up at once; poll it again
// only this often instead of spinning.
constexpr int kHangupRetryMs = 100;

class Server {
 public:
  Server(const SimOptions& options, PseudoTerminal terminal, UniqueFd signals, std::ostream* log)
      : m_device(options.faults),
        m_terminal(std::move(terminal)),
        m_signals(std::move(signals)),
        m_log(log),
        m_statePath(options.statePath),
        m_start(Clock::now()) {}

  Server(const Server&) = delete;
  Server& operator=(const Server&) = delete;

  // Writes the first state dump; false when the state file cannot be written.
  [[nodiscard]] bool WriteState() {
    if (!m_statePath) return true;
    m_writtenRevision = m_device.Revision();
    if (WriteFileAtomically(*m_statePath, DescribeState(m_device.State()))) return true;
    std::cerr << "fenwave-sim: cannot write " << *m_statePath << "\n";
    return false;
  }

  // Serves until SIGTERM, SIGINT or SIGHUP.
  void Run() {
    while (m_running) {
      QueueDueOutput();
      Flush();
      pollfd fds[2] = {
          {m_hungUp ? -1 : m_terminal.Master(),
           static_cast<short>(POLLIN | (m_pending.empty() ? 0 : POLLOUT)), 0},
          {m_signals.Get(), POLLIN, 0},
      };
      if (::poll(fds, 2, Timeout()) < 0) {
        if (errno == EINTR) continue;
        std::cerr << "fenwave-sim: poll: " << std::strerror(errno) << "\n";
        return;
      }
      if (fds[1].revents & POLLIN) TakeSignals();
      m_hungUp = false;  // try the master again on the next round
      if (fds[0].revents & POLLIN) {
        ReadMaster();
      } else if (fds[0].revents & (POLLHUP | POLLERR)) {
        m_hungUp = true;
      }
      if (m_statePath && m_device.Revision() != m_writtenRevision) (void)WriteState();
    }
  }

 private:
  [[nodiscard]] Millis Elapsed() const {
    return std::chrono::duration_cast<Millis>(Clock::now() - m_start);
  }

  void Log(const std::string& line) {
    if (m_log != nullptr) *m_log << line << std::endl;
  }

  [[nodiscard]] int Timeout() const {
    if (m_hungUp) return kHangupRetryMs;
    const std::optional<Millis> next = m_device.NextOutputTime();
    if (!next) return -1;
    const Millis wait = *next - Elapsed();
    return wait.count() <= 0 ? 0 : static_cast<int>(wait.count());
  }

  void QueueDueOutput() {
    const Bytes due = m_device.TakeOutput(Elapsed());
    if (due.empty()) return;
    Log(TrafficLine(Elapsed(), Direction::Out, due));
    m_pending.insert(m_pending.end(), due.begin(), due.end());
  }

  // Writes what the master takes now; the rest waits for POLLOUT.
  void Flush() {
    while (!m_pending.empty()) {
      const ssize_t n = ::write(m_terminal.Master(), m_pending.data(), m_pending.size());
      if (n <= 0) {
        if (n < 0 && errno == EINTR) continue;
        return;  // EAGAIN: the terminal's buffer is full; EIO: no reader
      }
      m_pending.erase(m_pending.begin(), m_pending.begin() + n);
    }
  }

  void ReadMaster() {
    std::uint8_t buffer[4096];
    const ssize_t n = ::read(m_terminal.Master(), buffer, sizeof buffer);
    if (n > 0) {
      const std::span<const std::uint8_t> bytes(buffer, static_cast<std::size_t>(n));
      const Millis now = Elapsed();
      Log(TrafficLine(now, Direction::In, bytes));
      m_device.Receive(bytes, now);
    } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
      // EIO: no one has the slave open (only possible if our own slave descriptor is gone).
      m_hungUp = true;
    }
  }

  void TakeSignals() {
    signalfd_siginfo info{};
    while (::read(m_signals.Get(), &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
      switch (info.ssi_signo) {
        case SIGUSR1:
          m_device.SetSilent(true);
          Log(NoteLine(Elapsed(), "silent (SIGUSR1)"));
          break;
        case SIGUSR2:
          m_device.SetSilent(false);
          Log(NoteLine(Elapsed(), "answering (SIGUSR2)"));
          break;
        default:
          Log(NoteLine(Elapsed(), "ending"));
          m_running = false;
          break;
      }
    }
  }

  Device m_device;
  PseudoTerminal m_terminal;
  UniqueFd m_signals;
  std::ostream* m_log;
  std::optional<std::string> m_statePath;
  Clock::time_point m_start;
  Bytes m_pending;
  std::uint64_t m_writtenRevision = 0;
  bool m_hungUp = false;
  bool m_running = true;
};

int Main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const ParsedArguments parsed = ParseSimArguments(arguments);
  if (!parsed.options) {
    std::cerr << "fenwave-sim: " << parsed.error << "\n\n" << SimUsage();
    return 2;
  }
  const SimOptions& options = *parsed.options;
  if (options.help) {
    std::cout << SimUsage();
    return 0;
  }

  // The signals are taken through a descriptor, polled with the terminal.
  sigset_t handled;
  sigemptyset(&handled);
  for (const int s : {SIGUSR1, SIGUSR2, SIGTERM, SIGINT, SIGHUP}) sigaddset(&handled, s);
  if (::sigprocmask(SIG_BLOCK, &handled, nullptr) != 0) {
    std::cerr << "fenwave-sim: sigprocmask: " << std::strerror(errno) << "\n";
    return 1;
  }
  ::signal(SIGPIPE, SIG_IGN);
  UniqueFd signals(::signalfd(-1, &handled, SFD_NONBLOCK | SFD_CLOEXEC));
  if (!signals.Valid()) {
    std::cerr << "fenwave-sim: signalfd: " << std::strerror(errno) << "\n";
    return 1;
  }

  std::ofstream logFile;
  std::ostream* log = nullptr;
  if (options.logPath) {
    if (*options.logPath == "-") {
      log = &std::cerr;
    } else {
      logFile.open(*options.logPath, std::ios::out | std::ios::trunc);
      if (!logFile) {
        std::cerr << "fenwave-sim: cannot write " << *options.logPath << "\n";
        return 1;
      }
      log = &logFile;
    }
  }

  std::string error;
  std::optional<PseudoTerminal> terminal = PseudoTerminal::Open(error);
  if (!terminal) {
    std::cerr << "fenwave-sim: " << error << "\n";
    return 1;
  }
  const std::string slavePath = terminal->SlavePath();

  Server server(options, std::move(*terminal), std::move(signals), log);
  // The state file exists before anyone learns the terminal's path.
  if (!server.WriteState()) return 1;
  std::cout << slavePath << std::endl;
  server.Run();
  return 0;
}

}  // namespace
}  // namespace fenwave::sim

int main(int argc, char** argv) { return fenwave::sim::Main(argc, argv); }
