#include "sim/FrameSplitter.h"

namespace fenwave::sim {

std::vector<Bytes> FrameSplitter::Push(std::span<const std::uint8_t> bytes,
                                       std::chrono::milliseconds now) {
  std::vector<Bytes> frames;
  if (!m_buffer.empty() && now - m_lastArrival > m_staleAfter) Extract(frames, true);
  m_lastArrival = now;
  m_buffer.insert(m_buffer.end(), bytes.begin(), bytes.end());
  Extract(frames, false);
  return frames;
}

void FrameSplitter::Extract(std::vector<Bytes>& frames, bool flush) {
  const std::size_t size = m_buffer.size();
  std::size_t pos = 0;
  std::size_t taken = 0;
  while (pos < size) {
    // Hunt for FC B1 (or an FC that is the last byte so far).
    if (m_buffer[pos] != kFrameHeader0 || (pos + 1 < size && m_buffer[pos + 1] != kFrameHeader1)) {
      ++pos;
      continue;
    }
    const std::size_t available = size - pos;
    if (available < 3) {
      if (!flush) break;
      ++pos;
      continue;
    }
    const std::size_t len = m_buffer[pos + 2];
    if (len < 4) {  // too short for the address and the check byte
      ++pos;
      continue;
    }
    const std::size_t total = len + 3;
    if (available < total) {
      if (!flush) break;
      ++pos;
      continue;
    }
    const std::span<const std::uint8_t> candidate(m_buffer.data() + pos, total);
    const ParsedFrame parsed = ParseFrame(candidate);
    if (!parsed.valid || !parsed.checkOk) {
      ++pos;
      continue;
    }
    frames.emplace_back(candidate.begin(), candidate.end());
    pos += total;
    taken += total;
  }
  m_dropped += pos - taken;
  m_buffer.erase(m_buffer.begin(), m_buffer.begin() + static_cast<std::ptrdiff_t>(pos));
}

}  // namespace fenwave::sim
