// Link control: the link buttons, the port search, the numbered link actions and closing.
#include <exception>
#include <utility>

#include "link/DeviceLink.h"
#include "link/LinkTexts.h"

namespace fenwave {

void DeviceLink::SetPortList(std::vector<std::string> names) {
  m_PortList = std::move(names);
  if (m_SelectedPort >= static_cast<int>(m_PortList.size())) m_SelectedPort = -1;
}

void DeviceLink::SelectPort(int index) {
  m_SelectedPort = (index >= 0 && index < static_cast<int>(m_PortList.size())) ? index : -1;
}

void DeviceLink::LinkBtnClick(LinkButton sender) {
  m_View.SetLinkButtonsLook(sender);
  if (sender == LinkButton::LinkBtn) {
    m_HandshakeSeen = false;
    m_PortIndex = 0;
    m_SendSuppressed = false;
    SelectPort(0);
    m_Timers.Start(LinkTimer::Timer1);
    m_Timers.Stop(LinkTimer::Timer2);
    m_Timers.Stop(LinkTimer::HoldTimer);
    SetLinkStatusText(link_text::kSearching);
    m_StepIndex = 0;
    m_StepCount = kModuleSteps;
    CopyStatusText();
    m_View.SetStatusProgress(Progress());
    SetStatusVisible(true);
    return;
  }
  m_LinkState = LinkState::NotReady;
  m_Timers.Stop(LinkTimer::Timer1);
  m_Timers.Stop(LinkTimer::Timer2);
  m_Timers.Stop(LinkTimer::HoldTimer);
  SendLinkControl(DisconnectRequest);
  SetLinkStatusText(link_text::kNotConnected);
  m_StepCount = kModuleSteps;
  CopyStatusText();
  SetStatusVisible(false);
}

void DeviceLink::Timer1Tick() {
  if (m_HandshakeSeen) {
    RunLinkAction(kActionConnectAcknowledged);
    return;
  }
  if (m_PortIndex > m_LastPortIndex + 1 || m_SelectedPort < 0) {
    m_PortIndex = 0;
    RunLinkAction(kActionFailed);
  } else {
    TryPort();
  }
  ++m_PortIndex;
}

void DeviceLink::TryPort() {
  // A port that cannot be opened is simply skipped; the search goes on with the next one.
  try {
    if (m_Port.IsOpen()) m_Port.Close();
    // Bytes of another port can never complete a frame begun on this one.
    m_Assembler.Reset();
    SelectPort(m_PortIndex);
    m_LastPortIndex = m_SelectedPort;
    if (m_SelectedPort < 0) return;
    if (m_Port.Open(m_PortList[static_cast<std::size_t>(m_SelectedPort)])) {
      SendLinkControl(ConnectRequest);
    }
  } catch (const std::exception&) {
  }
}

void DeviceLink::FormCloseQuery() {
  if (m_LinkState == LinkState::Ready) SendLinkControl(DisconnectRequest);
}

void DeviceLink::RunLinkAction(int n) {
  switch (n) {
  case kActionConnected:
    m_Model.SetBankSelect(m_Model.DeviceValue(kMusic, 1));
    m_View.RefreshControls(20);
    m_LinkState = LinkState::Ready;
    EmptySendQueue();
    m_BandQueue.Clear();
    m_View.SetLinkButtonsLook(LinkButton::LinkBtn);
    SetLinkStatusText(link_text::kConnected);
    CopyStatusText();
    m_View.SetStatusProgress(Progress());
    SetStatusVisible(false);
    m_Timers.Start(LinkTimer::HoldTimer);
    break;
  case kActionReload:
    StartSequence(kModuleSteps, TransferDirection::Read, link_text::kLoading);
    break;
  case kActionSaved:
    m_LinkState = LinkState::Ready;
    SetLinkStatusText(link_text::kConnected);
    ShowMessage(link_text::kSaved, DialogOwner::MainWindow);
    break;
  case kActionConnectAcknowledged:
    StartSequence(kFullReadSteps, TransferDirection::Read, link_text::kConnecting);
    break;
  case kActionPasswordChanged:
    ShowMessage(link_text::kPasswordChanged, DialogOwner::MainWindow);
    break;
  case kActionUpload:
    if (m_LinkState == LinkState::Ready) {
      StartSequence(kModuleSteps, TransferDirection::Upload, link_text::kUploading);
    }
    break;
  case kActionLost:
    m_Timers.Stop(LinkTimer::Timer2);
    m_Timers.Stop(LinkTimer::Timer1);
    m_SendSuppressed = false;
    m_LinkState = LinkState::NotReady;
    m_View.SetLinkButtonsLook(LinkButton::UnLinkBtn);
    SetLinkStatusText(link_text::kNotConnected);
    CopyStatusText();
    ShowMessage(link_text::kLinkLost, DialogOwner::MainWindow);
    SetStatusVisible(false);
    break;
  case kActionFailed: {
    m_Timers.Stop(LinkTimer::Timer2);
    m_Timers.Stop(LinkTimer::Timer1);
    m_SendSuppressed = false;
    // A search started from a connected link closes its port on the first try; when no port
    // answers, the link is not connected any more and must not take changes as if it were.
    m_LinkState = LinkState::NotReady;
    SetLinkStatusText(link_text::kNotConnected);
    CopyStatusText();
    m_View.SetLinkButtonsLook(LinkButton::UnLinkBtn);
    const DialogOwner owner = m_StatusVisible ? DialogOwner::StatusWindow : DialogOwner::MainWindow;
    ShowMessage(link_text::kConnectFailed, owner);
    SetStatusVisible(false);
    break;
  }
  default:
    break;
  }
}

}  // namespace fenwave
