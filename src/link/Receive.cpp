// Receive side of the link: acknowledgements and replies from the assembler, applied to the
// images, the mode names, the passwords and the management code.
#include "link/DeviceLink.h"
#include "link/LinkTexts.h"
#include "link/ReplyText.h"

namespace fenwave {
namespace {

// System-module slots whose replies carry nothing the application keeps.
constexpr std::array<int, 5> kIgnoredSystemSlots = {1, 2, 15, 16, 48};
constexpr int kFirstUnstoredSystemSlot = 48;

std::uint16_t WordAt(std::span<const std::uint8_t> payload, std::size_t offset) {
  return static_cast<std::uint16_t>(payload[offset] | (payload[offset + 1] << 8));
}

}  // namespace

void DeviceLink::OnBytesArrived(std::span<const std::uint8_t> bytes) {
  m_Assembler.Feed(bytes, *this);
}

void DeviceLink::OnAckFrame() {
  m_HandshakeSeen = true;
  m_AckReceived = true;
  // A read waits for a reply frame: an acknowledgement must not stop it from timing out.
  const bool readAwaitingReply =
      m_TransferDirection == TransferDirection::Read &&
      (m_TransferEvent == TransferEvent::Waiting || m_TransferEvent == TransferEvent::Retried);
  if (!readAwaitingReply) m_TransferEvent = TransferEvent::Acknowledged;
}

void DeviceLink::OnCommandFrame(std::span<const std::uint8_t> frame, std::size_t available) {
  const std::string count = std::to_string(available);
  m_Memo2.Append(std::string(link_text::kBufferLength) + count + " " + count + " " +
                 std::to_string(frame.size() - 4));
  ParseReply(frame);
  m_TransferEvent = TransferEvent::ReplyParsed;
}

void DeviceLink::ParseReply(std::span<const std::uint8_t> frame) {
  // The assembler hands over whole frames with LEN ≥ 4: header, LEN, type, address, check.
  if (frame.size() < kFrameOverhead) return;
  const int module = frame[4];
  const int slot = frame[5];
  const std::span<const std::uint8_t> payload = frame.subspan(6, frame.size() - kFrameOverhead);

  unsigned sum = frame[0];
  for (std::size_t i = 3; i + 1 < frame.size(); ++i)
    sum += frame[i];
  const unsigned computed = (sum & 0xFFu) ^ frame[1];
  const unsigned received = frame.back();
  if (computed != received) {
    // Logged only: the device's values are applied all the same.
    m_Memo2.Append(std::to_string(module) + std::string(link_text::kCheckMark));
    m_Memo2.Append(std::string(link_text::kCheckMismatch) + std::to_string(computed) +
                   std::string(link_text::kCheckReceived) + std::to_string(received));
    m_Memo2.Append(std::string(link_text::kBadData) + HexText(frame, true));
  }

  if (module < kEqModules) {
    // A run of 16-bit values from the slot on; SetDeviceValue refuses entries past the block.
    for (std::size_t i = 0; i + 1 < payload.size(); i += 2) {
      (void)m_Model.SetDeviceValue(module, slot + static_cast<int>(i / 2), WordAt(payload, i));
    }
    return;
  }
  ParseSystemReply(module, slot, payload);
}

void DeviceLink::ParseSystemReply(int module, int slot, std::span<const std::uint8_t> payload) {
  if (slot == kModeNameAddress % 256) {
    // The sequencer has already counted past the name it asked for; 0 means none was asked.
    const int index = m_ModeNameIndex - 1;
    if (index >= 0 && index < kModeNameSlots) {
      m_ModeNames[static_cast<std::size_t>(index)] = ModeNameText(payload);
    }
    return;
  }
  if (slot == kSystemPasswordAddress % 256) {
    m_SystemPassword = JoinedDecimalText(payload);
    return;
  }
  if (slot == kKeypadPasswordAddress % 256) {
    m_KeypadPassword = JoinedDecimalText(payload);
    return;
  }
  if (slot == kDeviceCodeAddress % 256) {
    if (payload.size() < 4) return;
    m_DeviceCode = HexText(payload.first(4), false);
    m_View.SetDeviceIdCaption(m_DeviceCode);
    return;
  }
  for (const int ignored : kIgnoredSystemSlots) {
    if (slot == ignored) return;
  }
  if (slot >= kFirstUnstoredSystemSlot || payload.size() < 2) return;
  (void)m_Model.SetDeviceValue(module, slot, WordAt(payload, 0));
}

}  // namespace fenwave
