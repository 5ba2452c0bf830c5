#include "sim/PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace fenwave::sim {

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
  if (this != &other) {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = other.Release();
  }
  return *this;
}

UniqueFd::~UniqueFd() {
  if (m_fd >= 0) ::close(m_fd);
}

int UniqueFd::Release() {
  const int fd = m_fd;
  m_fd = -1;
  return fd;
}

namespace {

std::string Failure(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

}  // namespace

std::optional<PseudoTerminal> PseudoTerminal::Open(std::string& error) {
  UniqueFd master(::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
  if (!master.Valid()) {
    error = Failure("posix_openpt");
    return std::nullopt;
  }
  if (::grantpt(master.Get()) != 0 || ::unlockpt(master.Get()) != 0) {
    error = Failure("grantpt/unlockpt");
    return std::nullopt;
  }
  char name[128];
  if (::ptsname_r(master.Get(), name, sizeof name) != 0) {
    error = Failure("ptsname");
    return std::nullopt;
  }
  UniqueFd slave(::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC));
  if (!slave.Valid()) {
    error = Failure("open slave");
    return std::nullopt;
  }
  termios settings{};
  if (::tcgetattr(slave.Get(), &settings) != 0) {
    error = Failure("tcgetattr");
    return std::nullopt;
  }
  ::cfmakeraw(&settings);
  settings.c_cflag |= CLOCAL | CREAD;
  ::cfsetispeed(&settings, B57600);
  ::cfsetospeed(&settings, B57600);
  if (::tcsetattr(slave.Get(), TCSANOW, &settings) != 0) {
    error = Failure("tcsetattr");
    return std::nullopt;
  }
  return PseudoTerminal(std::move(master), std::move(slave), name);
}

}  // namespace fenwave::sim
