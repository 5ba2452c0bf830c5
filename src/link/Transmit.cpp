// Transmit side of the link: frames out, the two paced queues and the 20 ms hold tick.
#include <algorithm>

#include "link/DeviceLink.h"
#include "link/LinkTexts.h"

namespace fenwave {
namespace {

Bytes ValuePayload(std::int32_t value) {
  Bytes payload;
  AppendWord(payload, static_cast<std::uint32_t>(value));
  return payload;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

void DeviceLink::WriteFrame(std::uint8_t type, ParamAddress address,
                            std::span<const std::uint8_t> payload) {
  if (!m_Port.IsOpen()) return;
  if (m_Port.Write(BuildFrame(type, address, payload))) return;
  // A lost 2-byte frame is made good by the link's own repeats and timeouts; a longer one
  // (a band, a block, a text) is worth telling the user about.
  if (payload.size() != 2) ReportWriteError();
}

void DeviceLink::ReportWriteError() {
  // The report may open a modal box whose event loop ticks the link again; one box is enough.
  if (m_ReportingWriteError) return;
  m_ReportingWriteError = true;
  std::string message = m_Port.ErrorText();
  if (message.empty()) message = std::string(link_text::kWriteFailed);
  m_View.ShowWriteError(message);
  m_ReportingWriteError = false;
}

void DeviceLink::WriteParameterFrame(const ParameterEntry& entry) {
  const Bytes payload = ValuePayload(entry.value);
  WriteFrame(kFrameWrite, entry.address, payload);
}

void DeviceLink::WriteBandFrame(const BandEntry& entry) {
  const int m = ModuleOf(entry.address);
  if (m < 0 || m >= kEqModules) return;
  const auto& row = m_Model.ParameterImage()[static_cast<std::size_t>(m)];
  Bytes payload;
  AppendWord(payload, static_cast<std::uint32_t>(entry.band));
  for (int k = 0; k < kBandFields; ++k) {
    const int slot = FirstBandSlot[static_cast<std::size_t>(m)] + kBandFields * entry.band + k;
    const std::int32_t v =
        (slot >= 0 && slot < kParameterSlots) ? row[static_cast<std::size_t>(slot)] : 0;
    AppendWord(payload, static_cast<std::uint32_t>(v));
  }
  WriteFrame(kFrameWrite, entry.address, payload);
}

void DeviceLink::BeginModeRecall() {
  SetLinkStatusText(link_text::kLoading);
  m_LinkState = LinkState::NotReady;
  m_RetryCount = 0;
  m_PendingLinkAction = kActionReload;
}

void DeviceLink::EmptySendQueue() {
  m_SendQueue.Clear();
  // Nothing is left to repeat once the queue is given up.
  m_RepeatLast = false;
}

void DeviceLink::SendParameter(ParamAddress address, std::int32_t value) {
  m_Model.StoreValue(address, value);
  const ParamAddress t = m_Model.RedirectMicGroup(address);
  if (m_SendSuppressed || m_LinkState != LinkState::Ready) return;
  m_HoldTicks = 0;
  if (m_AckReceived && m_SendQueue.Pending() == 0) {
    const ParameterEntry entry{t, value};
    m_SendQueue.SetLast(entry);
    if (t == kModeRecallAddress) {
      BeginModeRecall();
    } else {
      m_PendingLinkAction = 0;
    }
    // Cleared before the write: a write error's box may tick the link before it returns.
    m_AckReceived = false;
    WriteParameterFrame(entry);
    return;
  }
  m_SendQueue.PushMerging({t, value});
}

void DeviceLink::SendBand(ParamAddress address, std::int32_t value) {
  m_Model.StoreValue(address, value);
  const ParamAddress t = m_Model.RedirectMicGroup(address);
  if (m_SendSuppressed || m_LinkState != LinkState::Ready) return;
  m_HoldTicks = 0;
  const int m = ModuleOf(t);
  if (m < 0 || m >= kEqModules) return;  // only modules 0..8 have a band frame address
  const BandEntry entry{BandFrameAddress[static_cast<std::size_t>(m)], EqElementOf(t) / 256};
  if (m_AckReceived && m_BandQueue.Pending() == 0) {
    m_BandQueue.SetLast(entry);
    m_AckReceived = false;
    WriteBandFrame(entry);
    return;
  }
  m_BandQueue.Push(entry);
}

void DeviceLink::SendLinkControl(std::uint8_t code) {
  const std::uint8_t payload[] = {code, 0x00};
  WriteFrame(kFrameWrite, kLinkControlAddress, payload);
}

bool DeviceLink::SendText(ParamAddress address, std::string_view text) {
  if (text.size() > kMaxPayload) return false;
  Bytes payload;
  payload.reserve(text.size());
  if (address == kModeSaveAddress) {
    // Index and zero byte as they are; the name's bytes travel 0x20 lower.
    for (std::size_t i = 0; i < text.size(); ++i) {
      const auto b = static_cast<std::uint8_t>(text[i]);
      payload.push_back(i < 2 ? b : static_cast<std::uint8_t>(b - 0x20));
    }
  } else if (address == kSystemPasswordAddress || address == kKeypadPasswordAddress) {
    if (!std::all_of(text.begin(), text.end(), IsDigit)) return false;
    for (const char c : text)
      payload.push_back(static_cast<std::uint8_t>(c - '0'));
  } else {
    return false;
  }
  WriteFrame(kFrameWrite, address, payload);
  return true;
}

void DeviceLink::HoldTick() {
  m_Assembler.Age(kHoldTickMs);

  // 1. Time since the last transmit activity, up to one second.
  m_HoldTicks = std::min(m_HoldTicks + 1, kTicksPerSecond);

  // 2. A link action waiting for the next acknowledgement.
  if (m_AckReceived && m_PendingLinkAction != 0) {
    const int action = m_PendingLinkAction;
    m_PendingLinkAction = 0;
    RunLinkAction(action);
    m_RetryCount = 0;
    m_HoldTicks = 0;
  } else if (m_PendingLinkAction != 0 && m_HoldTicks == kTicksPerSecond) {
    m_HoldTicks = 0;
    if (++m_RetryCount > 50) {
      m_RetryCount = 0;
      m_Timers.Stop(LinkTimer::HoldTimer);
      RunLinkAction(kActionLost);
    }
  }

  // 3. Single-parameter drain; the last frame of a burst goes out twice.
  if (m_AckReceived && (m_SendQueue.Pending() > 0 || m_RepeatLast)) {
    m_AckReceived = false;
    m_RetryCount = 0;
    m_HoldTicks = 0;
    m_SendQueue.Advance();
    m_RepeatLast = m_SendQueue.Pending() == 0 && !m_RepeatLast;
    const ParameterEntry entry = m_SendQueue.Last();
    // A recall that had to wait reloads the pages like one written at once.
    if (entry.address == kModeRecallAddress && m_LinkState == LinkState::Ready) {
      BeginModeRecall();
    }
    WriteParameterFrame(entry);
  }

  // 4. Band drain, built from the values the image holds now.
  if (m_AckReceived && m_BandQueue.Pending() > 0) {
    m_AckReceived = false;
    m_RetryCount = 0;
    m_HoldTicks = 0;
    const std::size_t pending = m_BandQueue.Pending();
    m_BandQueue.Advance();
    const BandEntry entry = m_BandQueue.Last();
    m_Memo2.Append(std::string(link_text::kBandDrain) + std::to_string(pending) + " " +
                   std::to_string(entry.band));
    WriteBandFrame(entry);
  }

  // 5. Keep-alive in every quiet second; repeats at 3, 6, 9 s; lost after 11 s.
  if (m_LinkState == LinkState::Ready && m_HoldTicks == kTicksPerSecond) {
    m_HoldTicks = 0;
    ++m_RetryCount;
    if (m_AckReceived) {
      m_AckReceived = false;
      m_RetryCount = 0;
      SendLinkControl(KeepAlive);
    } else if (m_RetryCount % 3 == 0) {
      if (m_SendQueue.Pending() > 0) {
        WriteParameterFrame(m_SendQueue.Last());
      } else {
        SendLinkControl(KeepAlive);
      }
    }
    if (m_RetryCount > 10) {
      m_RetryCount = 0;
      m_Timers.Stop(LinkTimer::HoldTimer);
      RunLinkAction(kActionLost);
    }
  }
}

}  // namespace fenwave
