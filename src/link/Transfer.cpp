// The transfer sequencer: the full read, the reload after a mode recall and the upload of a
// backup, one step per answer, paced by the 100 ms Timer2.
#include "link/DeviceLink.h"

namespace fenwave {
namespace {

constexpr int kLastModuleStep = 8;
constexpr int kModeNameStep = 9;
constexpr int kFirstSystemItemStep = 10;  // 0x0901..0x090E
constexpr int kFirstVolumeItemStep = 24;  // 0x0920..0x0922
constexpr int kDeviceCodeStep = 27;
constexpr ParamAddress kFirstSystemItem = 0x0901;
constexpr ParamAddress kFirstVolumeItem = 0x0920;
constexpr int kRetryAfterTicks = 10;  // more than 1 s without an answer
constexpr int kFailAfterTicks = 100;  // 10 s more
// The music block carries both banks: 52 entries beyond its slot count.
constexpr int kSecondBankEntries = 52;

}  // namespace

void DeviceLink::StartSequence(int stepCount, TransferDirection direction, std::string_view text) {
  m_Timers.Stop(LinkTimer::Timer1);
  m_Timers.Stop(LinkTimer::HoldTimer);
  EmptySendQueue();
  if (direction == TransferDirection::Read) m_BandQueue.Clear();
  m_StepIndex = 0;
  m_StepCount = stepCount;
  m_TransferDirection = direction;
  // A sequence abandoned while reading names must not shift this one's name requests.
  m_ModeNameIndex = 0;
  SetLinkStatusText(text);
  m_LinkState = LinkState::NotReady;
  // Set before step 0 goes out, so that only answers that come after it count.
  m_TransferEvent = TransferEvent::Waiting;
  m_StepTicks = 0;
  SendStep(0, direction);
  m_Timers.Start(LinkTimer::Timer2);
}

void DeviceLink::SendStep(int step, TransferDirection direction) {
  if (step < 0) return;
  if (direction == TransferDirection::Upload) {
    if (step > kLastModuleStep) return;
    const int entries =
        ModuleSlotCount[static_cast<std::size_t>(step)] + (step == kMusic ? kSecondBankEntries : 0);
    Bytes payload{static_cast<std::uint8_t>(step), 0x00};
    for (int e = 0; e < entries; ++e) {
      AppendWord(payload, static_cast<std::uint32_t>(m_Model.DeviceValue(step, e)));
    }
    WriteFrame(kFrameWrite, kBlockWriteAddress, payload);
    return;
  }
  if (step <= kLastModuleStep) {
    const std::uint8_t payload[] = {static_cast<std::uint8_t>(step), 0x00};
    WriteFrame(kFrameRead, kBlockReadAddress, payload);
  } else if (step == kModeNameStep) {
    if (m_ModeNameIndex < 1) return;
    const std::uint8_t payload[] = {static_cast<std::uint8_t>(m_ModeNameIndex - 1), 0x00};
    WriteFrame(kFrameRead, kModeNameAddress, payload);
  } else if (step < kFirstVolumeItemStep) {
    WriteFrame(kFrameRead, kFirstSystemItem + (step - kFirstSystemItemStep), {});
  } else if (step < kDeviceCodeStep) {
    WriteFrame(kFrameRead, kFirstVolumeItem + (step - kFirstVolumeItemStep), {});
  } else if (step == kDeviceCodeStep) {
    WriteFrame(kFrameRead, kDeviceCodeAddress, {});
  }
}

void DeviceLink::AdvanceStep() {
  if (m_StepIndex == kLastModuleStep) {
    ++m_ModeNameIndex;
    m_StepIndex = kModeNameStep;
  } else if (m_StepIndex == kModeNameStep) {
    // Step 9 stays while the fifteen names are asked for one by one.
    if (++m_ModeNameIndex > kDeviceModes) {
      m_ModeNameIndex = 0;
      m_StepIndex = kFirstSystemItemStep;
    }
  } else {
    ++m_StepIndex;
  }
}

void DeviceLink::Timer2Tick() {
  m_Assembler.Age(kTimer2TickMs);
  if (m_StepTicks < kStepTicksMax) ++m_StepTicks;

  CopyStatusText();
  m_View.SetStatusProgress(Progress());
  SetStatusVisible(true);

  const bool answered = m_TransferEvent == TransferEvent::ReplyParsed ||
                        (m_TransferEvent == TransferEvent::Acknowledged &&
                         m_TransferDirection == TransferDirection::Upload);
  if (answered) {
    m_StepTicks = 0;
    if (m_StepIndex >= m_StepCount) {
      m_TransferEvent = TransferEvent::NoEvent;
      m_Timers.Stop(LinkTimer::Timer2);
      RunLinkAction(kActionConnected);
      return;
    }
    AdvanceStep();
    m_TransferEvent = TransferEvent::Waiting;
    SendStep(m_StepIndex, m_TransferDirection);
  } else if (m_TransferEvent == TransferEvent::Waiting && m_StepTicks > kRetryAfterTicks) {
    m_TransferEvent = TransferEvent::Retried;
    m_StepTicks = 0;
    if (m_StepIndex == 0) SendStep(0, m_TransferDirection);
  } else if (m_TransferEvent == TransferEvent::Retried && m_StepTicks >= kFailAfterTicks) {
    m_TransferEvent = TransferEvent::NoEvent;
    RunLinkAction(kActionFailed);
  }
}

}  // namespace fenwave
