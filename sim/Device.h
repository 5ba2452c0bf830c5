// The simulated audio processor as the serial line sees it: bytes in, answers out on a
// schedule, with the faults a test may ask for. Time is given by the caller.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>

#include "link/Frame.h"
#include "sim/DeviceState.h"
#include "sim/FrameSplitter.h"

namespace fenwave::sim {

using Millis = std::chrono::milliseconds;

// Faults the device can be told to show. The defaults give a well-behaved device.
struct FaultOptions {
  // Take and answer this many frames, then ignore everything that follows.
  std::optional<std::size_t> stopAfterFrames;
  // Leave out every Nth acknowledgement (the write itself still takes effect); 0: never.
  std::size_t dropEveryNthAck = 0;
  // Give every Nth reply frame a wrong check byte; 1: every reply; 0: never.
  std::size_t badCheckEveryNthReply = 0;
  // Write this many junk bytes (never FC or FE) before every frame the device sends.
  std::size_t junkBytes = 0;
  // When above zero, the device's bytes leave one at a time, this far apart.
  Millis byteDelay{0};
  // Acknowledgements leave this long after the frame they answer arrived.
  Millis ackDelay{0};
};

class Device {
 public:
  explicit Device(FaultOptions faults = {}, DeviceState state = StartingState());

  // Bytes from the application that arrived at `now`. Each good frame is applied at once;
  // its answer is queued for TakeOutput.
  void Receive(std::span<const std::uint8_t> bytes, Millis now);

  // The answer bytes due by `now`, in order; later bytes stay queued.
  [[nodiscard]] Bytes TakeOutput(Millis now);
  // When the next queued byte is due; empty when nothing is queued.
  [[nodiscard]] std::optional<Millis> NextOutputTime() const;

  // A silent device takes nothing and answers nothing, like one whose cable was pulled;
  // bytes already on their way still leave.
  void SetSilent(bool silent) { m_silent = silent; }
  [[nodiscard]] bool Silent() const { return m_silent; }

  [[nodiscard]] const DeviceState& State() const { return m_state; }
  // Grows with every write that changed the store, a password or a mode.
  [[nodiscard]] std::uint64_t Revision() const { return m_revision; }
  // Good frames taken so far.
  [[nodiscard]] std::size_t FramesTaken() const { return m_framesTaken; }

 private:
  [[nodiscard]] bool Stopped() const;
  void Answer(const Outcome& outcome, Millis now);
  // Queues a frame, led by the junk bytes, to leave no earlier than `earliest` and never
  // before the bytes queued before it.
  void Send(const Bytes& frame, Millis earliest);

  struct QueuedByte {
    Millis due;
    std::uint8_t byte;
  };

  FaultOptions m_faults;
  DeviceState m_state;
  FrameSplitter m_splitter;
  std::deque<QueuedByte> m_output;
  std::optional<Millis> m_lastDue;
  bool m_silent = false;
  std::uint64_t m_revision = 0;
  std::size_t m_framesTaken = 0;
  std::size_t m_acks = 0;
  std::size_t m_replies = 0;
};

// The junk the device writes before a frame when asked to: none of it is FC or FE, so a
// receiver hunting for a frame start skips all of it.
[[nodiscard]] Bytes JunkBytes(std::size_t count);

}  // namespace fenwave::sim
