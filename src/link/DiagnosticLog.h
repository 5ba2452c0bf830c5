// The hidden diagnostic log Memo2: the lines the receiver and the band drain write about what
// they found. It keeps only the newest lines so that a long run cannot grow it without bound.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

namespace fenwave {

class DiagnosticLog {
 public:
  static constexpr std::size_t kDefaultCapacity = 4000;

  explicit DiagnosticLog(std::size_t capacity = kDefaultCapacity);

  void Append(std::string line);
  void Clear();

  // The kept lines, oldest first.
  [[nodiscard]] const std::deque<std::string>& Lines() const { return m_Lines; }
  // Lines appended since the start, counting those no longer kept; a window mirroring the log
  // takes the last (AppendedCount() − what it has seen) lines.
  [[nodiscard]] std::uint64_t AppendedCount() const { return m_AppendedCount; }
  [[nodiscard]] std::size_t Capacity() const { return m_Capacity; }

 private:
  std::size_t m_Capacity;
  std::deque<std::string> m_Lines;
  std::uint64_t m_AppendedCount = 0;
};

}  // namespace fenwave
