// The device's incoming-frame splitter: cuts the byte stream from the application into
// CommandFrames and resynchronises on junk, truncated frames and corrupted check bytes.
#pragma once

#include <chrono>
#include <cstddef>
#include <span>
#include <vector>

#include "link/Frame.h"

namespace fenwave::sim {

class FrameSplitter {
 public:
  // A partial frame that sees no further byte for this long is given up: the application
  // writes each frame in one go, so the rest of it is not coming.
  static constexpr std::chrono::milliseconds kDefaultStaleAfter{100};

  explicit FrameSplitter(std::chrono::milliseconds staleAfter = kDefaultStaleAfter)
      : m_staleAfter(staleAfter) {}

  // Takes the bytes that arrived at `now` and returns the complete frames with a correct
  // check byte, in order. A frame is found by hunting for FC B1 and reading LEN; when the
  // LEN − 1 bytes that follow do not make a frame with a correct check byte, hunting resumes
  // one byte after that FC, so a frame hidden behind a truncated one is still found.
  [[nodiscard]] std::vector<Bytes> Push(std::span<const std::uint8_t> bytes,
                                        std::chrono::milliseconds now);

  // Bytes held back as the start of a frame not yet complete.
  [[nodiscard]] std::size_t Buffered() const { return m_buffer.size(); }
  // Bytes thrown away so far because they belonged to no good frame.
  [[nodiscard]] std::size_t DroppedBytes() const { return m_dropped; }

 private:
  // Takes every good frame out of the buffer; with `flush` an incomplete frame start is not
  // waited for but skipped like junk.
  void Extract(std::vector<Bytes>& frames, bool flush);

  std::chrono::milliseconds m_staleAfter;
  std::chrono::milliseconds m_lastArrival{0};
  Bytes m_buffer;
  std::size_t m_dropped = 0;
};

}  // namespace fenwave::sim
