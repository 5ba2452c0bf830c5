#include "sim/Device.h"

#include <algorithm>

namespace fenwave::sim {
namespace {

constexpr std::uint8_t kJunkPattern[] = {0x00, 0x55, 0xAA, 0x13, 0xB1, 0x7F, 0xFF, 0x01};

}  // namespace

Bytes JunkBytes(std::size_t count) {
  Bytes junk;
  junk.reserve(count);
  for (std::size_t i = 0; i < count; ++i) junk.push_back(kJunkPattern[i % std::size(kJunkPattern)]);
  return junk;
}

Device::Device(FaultOptions faults, DeviceState state)
    : m_faults(faults), m_state(std::move(state)) {}

bool Device::Stopped() const {
  return m_faults.stopAfterFrames && m_framesTaken >= *m_faults.stopAfterFrames;
}

void Device::Receive(std::span<const std::uint8_t> bytes, Millis now) {
  if (m_silent || Stopped()) return;
  for (const Bytes& frame : m_splitter.Push(bytes, now)) {
    if (Stopped()) return;
    ++m_framesTaken;
    const Outcome outcome = ApplyFrame(m_state, ParseFrame(frame));
    if (outcome.changed) ++m_revision;
    Answer(outcome, now);
  }
}

void Device::Answer(const Outcome& outcome, Millis now) {
  switch (outcome.kind) {
    case Outcome::Kind::Nothing:
      return;
    case Outcome::Kind::Ack: {
      ++m_acks;
      if (m_faults.dropEveryNthAck != 0 && m_acks % m_faults.dropEveryNthAck == 0) return;
      Send(Bytes{kAckHeader, kAckTaken}, now + m_faults.ackDelay);
      return;
    }
    case Outcome::Kind::Reply: {
      ++m_replies;
      Bytes reply = BuildFrame(kFrameWrite, outcome.replyAddress, outcome.replyPayload);
      if (m_faults.badCheckEveryNthReply != 0 && m_replies % m_faults.badCheckEveryNthReply == 0)
        reply.back() ^= 0xFF;
      Send(reply, now);
      return;
    }
  }
}

void Device::Send(const Bytes& frame, Millis earliest) {
  Bytes bytes = JunkBytes(m_faults.junkBytes);
  bytes.insert(bytes.end(), frame.begin(), frame.end());
  for (const std::uint8_t b : bytes) {
    Millis due = earliest;
    if (m_lastDue) due = std::max(due, *m_lastDue + std::max(m_faults.byteDelay, Millis{0}));
    m_output.push_back({due, b});
    m_lastDue = due;
  }
}

Bytes Device::TakeOutput(Millis now) {
  Bytes out;
  while (!m_output.empty() && m_output.front().due <= now) {
    out.push_back(m_output.front().byte);
    m_output.pop_front();
  }
  return out;
}

std::optional<Millis> Device::NextOutputTime() const {
  if (m_output.empty()) return std::nullopt;
  return m_output.front().due;
}

}  // namespace fenwave::sim
