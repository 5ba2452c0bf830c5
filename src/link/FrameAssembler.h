// Assembles the bytes arriving from the device into AckFrames and CommandFrames, one byte at a
// time, counting only bytes that have arrived. Bytes after a completed frame in the same
// arrival are assembled at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "link/Frame.h"

namespace fenwave {

enum class RxStage { Hunting, Header, Body };

// Receives what the assembler recognises.
class FrameSink {
 public:
  virtual void OnAckFrame() = 0;
  // A whole CommandFrame (header to check byte, as long as its LEN says). `available` is the
  // number of arrived bytes waiting when its body was taken, the body included.
  virtual void OnCommandFrame(std::span<const std::uint8_t> frame, std::size_t available) = 0;

 protected:
  ~FrameSink() = default;
};

class FrameAssembler {
 public:
  // A frame still incomplete this long after its first byte is given up: a genuine frame takes
  // under 50 ms on the line, and a frame cut short would otherwise take the bytes of the
  // following frames as its remainder.
  static constexpr int kStaleFrameMs = 500;

  // Takes arrived bytes. Bytes that arrive while the sink is being told about a frame are
  // queued behind the current ones and taken by the same call.
  void Feed(std::span<const std::uint8_t> bytes, FrameSink& sink);
  // Time passing (from the link's timer ticks) for the frame being assembled.
  void Age(int milliseconds);
  // Forgets the frame being assembled and every byte not yet taken.
  void Reset();

  [[nodiscard]] RxStage Stage() const { return m_RxStage; }

 private:
  void StartFrame(std::uint8_t first, std::size_t expected);

  RxStage m_RxStage = RxStage::Hunting;
  Bytes m_Buffer;         // the frame being assembled
  Bytes m_Unread;         // arrived bytes not taken yet (a body waits here until it is whole)
  std::size_t m_Pos = 0;  // next byte of m_Unread to take
  std::size_t m_Expected = 0;
  bool m_Feeding = false;
  int m_AgeMs = 0;
};

}  // namespace fenwave
