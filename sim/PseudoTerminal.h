// The pseudo-terminal fenwave-sim serves on: the master side it reads and writes, and a
// slave descriptor it keeps open itself so the terminal outlives the application's port.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace fenwave::sim {

// Owns one file descriptor; closes it on destruction.
class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : m_fd(fd) {}
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  UniqueFd(UniqueFd&& other) noexcept : m_fd(other.Release()) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept;
  ~UniqueFd();

  [[nodiscard]] int Get() const { return m_fd; }
  [[nodiscard]] bool Valid() const { return m_fd >= 0; }
  [[nodiscard]] int Release();

 private:
  int m_fd = -1;
};

class PseudoTerminal {
 public:
  // Opens a new pseudo-terminal and puts it in raw mode at 57600 baud from the slave side
  // (no echo, no line translation). On failure returns empty and says why in `error`.
  [[nodiscard]] static std::optional<PseudoTerminal> Open(std::string& error);

  // Non-blocking master descriptor.
  [[nodiscard]] int Master() const { return m_master.Get(); }
  // The path the application opens, e.g. /dev/pts/3.
  [[nodiscard]] const std::string& SlavePath() const { return m_slavePath; }

 private:
  PseudoTerminal(UniqueFd master, UniqueFd slave, std::string slavePath)
      : m_master(std::move(master)), m_slave(std::move(slave)), m_slavePath(std::move(slavePath)) {}

  UniqueFd m_master;
  UniqueFd m_slave;  // held open, never read: keeps the terminal alive between the
                     // application's opens
  std::string m_slavePath;
};

}  // namespace fenwave::sim
