// The device link: paced transmit queues, the receive parser, the port search and the link's
// states, and the bulk transfer sequencer with the mode and password operations of the System
// page. Time comes in as tick calls and bytes as OnBytesArrived; everything else goes out
// through the injected port, timers, view and dialogs.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "link/DiagnosticLog.h"
#include "link/Dialogs.h"
#include "link/Frame.h"
#include "link/FrameAssembler.h"
#include "link/LinkTimers.h"
#include "link/LinkView.h"
#include "link/SerialPort.h"
#include "link/TransmitQueue.h"
#include "model/ParameterModel.h"

namespace fenwave {

enum class LinkState { NotReady, Ready };
enum class TransferDirection { Read, Upload };
enum class TransferEvent { NoEvent, Waiting, Retried, Acknowledged, ReplyParsed };
// The two buttons served by RzBmpButton121Click: RzBmpButton121 recalls, RzBmpButton138 saves.
enum class ModeButton { Recall, Save };

// The numbered link actions run by RunLinkAction.
enum LinkAction : int {
  kActionConnected = 1,
  kActionReload = 2,
  kActionSaved = 3,
  kActionConnectAcknowledged = 4,
  kActionPasswordChanged = 5,
  kActionUpload = 6,
  kActionLost = 7,
  kActionFailed = 9,
};

inline constexpr int kModeNameSlots = 21;  // entries of ModeNames; 0..14 are used
inline constexpr int kDeviceModes = 15;
inline constexpr int kFullReadSteps = 27;
inline constexpr int kModuleSteps = 8;  // reload and upload: modules 0..8

// The three fields of a password change (old, new, confirmation) as the System page holds them;
// the key handlers read them before the key takes effect and may clear and disable them.
struct PasswordFields {
  std::string oldText;
  std::string newText;
  std::string confirmText;
  bool newEnabled = false;
  bool confirmEnabled = false;
};

// PresetModeEdit's text for the SysModeBox entry at `index`: the entry without its "N-" prefix.
[[nodiscard]] std::string SysModeBoxChange(int index, std::string_view entryText);
// SysPassEdit takes only digits, backspace and Enter.
[[nodiscard]] bool SysPassEditKeyPress(char32_t key);

class DeviceLink : private FrameSink {
 public:
  static constexpr int kHoldTickMs = 20;
  static constexpr int kTimer2TickMs = 100;
  static constexpr int kTicksPerSecond = 50;  // HoldTicks in one second
  static constexpr int kStepTicksMax = 100;

  DeviceLink(ParameterModel& model, SerialPort& port, LinkTimers& timers, LinkView& view,
             Dialogs& dialogs);
  DeviceLink(const DeviceLink&) = delete;
  DeviceLink& operator=(const DeviceLink&) = delete;
  ~DeviceLink() = default;

  // --- Transmit ---
  // Builds a CommandFrame and writes it when the port is open.
  void WriteFrame(std::uint8_t type, ParamAddress address, std::span<const std::uint8_t> payload);
  // A control's new value: stored in both images, then written at once, queued or not sent.
  void SendParameter(ParamAddress address, std::int32_t value);
  // One field of an EQ band changed: stored, then the whole band is written or queued.
  void SendBand(ParamAddress address, std::int32_t value);
  // ConnectRequest, KeepAlive or DisconnectRequest at 0x0930.
  void SendLinkControl(std::uint8_t code);
  // Mode save (0x0901: index byte, zero byte, name) or a password (0x0904, 0x0905: digits).
  // Returns false, writing nothing, for a password with a character other than 0..9, for
  // another address, or for a text longer than a frame can carry.
  [[nodiscard]] bool SendText(ParamAddress address, std::string_view text);
  // The request (read) or block (upload) of one transfer step.
  void SendStep(int step, TransferDirection direction);
  // HoldTimer, every 20 ms: pending link action, queue drains, keep-alive and loss.
  void HoldTick();

  // --- Receive ---
  // Bytes that arrived on the port, in order.
  void OnBytesArrived(std::span<const std::uint8_t> bytes);

  // --- Link control ---
  // The names of the serial ports present, sorted by the owner; the search picks them by index.
  void SetPortList(std::vector<std::string> names);
  void LinkBtnClick(LinkButton sender);
  // Timer1, every second while searching: one step of the port search.
  void Timer1Tick();
  void RunLinkAction(int n);
  // The main window is about to close: tells a connected device goodbye.
  void FormCloseQuery();

  // --- Bulk transfer ---
  // Timer2, every 100 ms while a sequence runs.
  void Timer2Tick();

  // --- System page: modes and passwords ---
  // Recall (`index` and its entry text) or save (`index` and the text of PresetModeEdit).
  void RzBmpButton121Click(ModeButton sender, int index, std::string_view entryText,
                           std::string_view presetModeText);
  // Confirms the system password typed into SysPassEdit (the page clears the field).
  void RzBmpButton118Click(std::string_view sysPassEdit);
  // A key in one of the system password change fields; returns whether the key is accepted.
  [[nodiscard]] bool SysPanelLabel1KeyPress(PasswordFields& fields, char32_t key);
  // A key in one of the keypad-lock password change fields; returns whether it is accepted.
  [[nodiscard]] bool PassPanelLabel1KeyPress(PasswordFields& fields, char32_t key);

  // --- State ---
  [[nodiscard]] LinkState State() const { return m_LinkState; }
  [[nodiscard]] const std::string& LinkStatusText() const { return m_LinkStatusText; }
  [[nodiscard]] bool SendSuppressed() const { return m_SendSuppressed; }
  void SetSendSuppressed(bool suppressed) { m_SendSuppressed = suppressed; }
  [[nodiscard]] const std::array<std::string, kModeNameSlots>& ModeNames() const {
    return m_ModeNames;
  }
  [[nodiscard]] const std::string& SystemPassword() const { return m_SystemPassword; }
  [[nodiscard]] const std::string& KeypadPassword() const { return m_KeypadPassword; }
  // The device management code as last reported (8 hex digits), empty before.
  [[nodiscard]] const std::string& DeviceCode() const { return m_DeviceCode; }
  [[nodiscard]] const DiagnosticLog& Memo2() const { return m_Memo2; }
  [[nodiscard]] bool StatusWindowVisible() const { return m_StatusVisible; }

  [[nodiscard]] bool AckReceived() const { return m_AckReceived; }
  [[nodiscard]] bool RepeatLast() const { return m_RepeatLast; }
  [[nodiscard]] int HoldTicks() const { return m_HoldTicks; }
  [[nodiscard]] int RetryCount() const { return m_RetryCount; }
  [[nodiscard]] int PendingLinkAction() const { return m_PendingLinkAction; }
  [[nodiscard]] const SendQueue& SendQueueState() const { return m_SendQueue; }
  [[nodiscard]] const BandQueue& BandQueueState() const { return m_BandQueue; }

  [[nodiscard]] bool HandshakeSeen() const { return m_HandshakeSeen; }
  [[nodiscard]] int PortIndex() const { return m_PortIndex; }
  [[nodiscard]] int LastPortIndex() const { return m_LastPortIndex; }
  // Index of the selected port list entry; −1 when none is selected.
  [[nodiscard]] int SelectedPort() const { return m_SelectedPort; }
  [[nodiscard]] const std::vector<std::string>& PortList() const { return m_PortList; }

  [[nodiscard]] int StepIndex() const { return m_StepIndex; }
  [[nodiscard]] int StepCount() const { return m_StepCount; }
  [[nodiscard]] TransferDirection Direction() const { return m_TransferDirection; }
  [[nodiscard]] TransferEvent Event() const { return m_TransferEvent; }
  [[nodiscard]] int StepTicks() const { return m_StepTicks; }
  [[nodiscard]] int ModeNameIndex() const { return m_ModeNameIndex; }
  // StepIndex / StepCount as a percentage, an exact half rounded to the even neighbour.
  [[nodiscard]] int Progress() const;

 private:
  // FrameSink
  void OnAckFrame() override;
  void OnCommandFrame(std::span<const std::uint8_t> frame, std::size_t available) override;
  void ParseReply(std::span<const std::uint8_t> frame);
  void ParseSystemReply(int module, int slot, std::span<const std::uint8_t> payload);

  void WriteParameterFrame(const ParameterEntry& entry);
  void WriteBandFrame(const BandEntry& entry);
  // A mode recall that leaves for the device starts the reload on its acknowledgement.
  void BeginModeRecall();
  void ReportWriteError();
  void EmptySendQueue();

  void StartSequence(int stepCount, TransferDirection direction, std::string_view text);
  void AdvanceStep();

  void SetLinkStatusText(std::string_view text);
  void CopyStatusText();
  void SetStatusVisible(bool visible);
  void SelectPort(int index);
  void TryPort();
  void ShowMessage(std::string_view text, DialogOwner owner);
  [[nodiscard]] bool AskYesNo(const std::string& question);
  bool PasswordChangeKeyPress(PasswordFields& fields, char32_t key, std::string& password,
                              std::size_t length, ParamAddress address);

  ParameterModel& m_Model;
  SerialPort& m_Port;
  LinkTimers& m_Timers;
  LinkView& m_View;
  Dialogs& m_Dialogs;

  // Transmit
  SendQueue m_SendQueue;
  BandQueue m_BandQueue;
  bool m_AckReceived = false;
  bool m_RepeatLast = false;
  int m_HoldTicks = 0;
  int m_RetryCount = 0;
  int m_PendingLinkAction = 0;
  bool m_SendSuppressed = false;
  bool m_ReportingWriteError = false;

  // Receive
  FrameAssembler m_Assembler;
  DiagnosticLog m_Memo2;
  std::array<std::string, kModeNameSlots> m_ModeNames{};
  std::string m_SystemPassword;
  std::string m_KeypadPassword;
  std::string m_DeviceCode;

  // Link control
  LinkState m_LinkState = LinkState::NotReady;
  std::string m_LinkStatusText;
  bool m_HandshakeSeen = false;
  int m_PortIndex = 0;
  int m_LastPortIndex = 0;
  int m_SelectedPort = -1;
  std::vector<std::string> m_PortList;
  bool m_StatusVisible = false;

  // Bulk transfer
  int m_StepIndex = 0;
  int m_StepCount = kModuleSteps;
  TransferDirection m_TransferDirection = TransferDirection::Read;
  TransferEvent m_TransferEvent = TransferEvent::NoEvent;
  int m_StepTicks = 0;
  int m_ModeNameIndex = 0;
};

}  // namespace fenwave
