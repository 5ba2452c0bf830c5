// The System page's device operations: selecting, recalling and saving a device mode, and
// confirming and changing the two passwords.
#include "link/DeviceLink.h"
#include "link/LinkTexts.h"

namespace fenwave {
namespace {

constexpr ParamAddress kUserLevelAddress = 0x090C;
constexpr int kAdministrator = 1;
constexpr std::size_t kSystemPasswordLength = 6;
constexpr std::size_t kKeypadPasswordLength = 4;
constexpr char32_t kBackspace = 0x08;
constexpr char32_t kEnter = 0x0D;

// Characters, not bytes: a pasted text may hold more than ASCII.
std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u) ++count;
  }
  return count;
}

bool AllDigits(std::string_view text) {
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

bool ValidModeIndex(int index) {
  return index >= 0 && index < kDeviceModes;
}

}  // namespace

std::string SysModeBoxChange(int index, std::string_view entryText) {
  // "1-" .. "9-" take two characters, "10-" and on three.
  const std::size_t prefix = index < 9 ? 2 : 3;
  if (entryText.size() <= prefix) return {};
  return std::string(entryText.substr(prefix));
}

bool SysPassEditKeyPress(char32_t key) {
  return (key >= U'0' && key <= U'9') || key == kBackspace || key == kEnter;
}

void DeviceLink::RzBmpButton121Click(ModeButton sender, int index, std::string_view entryText,
                                     std::string_view presetModeText) {
  if (sender == ModeButton::Recall) {
    // Nothing selected: there is no mode to recall.
    if (!ValidModeIndex(index)) return;
    const std::string question =
        std::string(link_text::kRecallQuestion) + std::string(entryText) + "?";
    if (AskYesNo(question)) SendParameter(kModeRecallAddress, index);
    return;
  }

  if (m_Model.Value(kUserLevelAddress) != kAdministrator) {
    ShowMessage(link_text::kUserLevelCannotSave, DialogOwner::MainWindow);
    return;
  }
  if (!ValidModeIndex(index)) return;
  const std::string question = std::string(link_text::kSaveQuestion) + std::to_string(index + 1) +
                               "-" + std::string(presetModeText) + "?";
  if (!AskYesNo(question)) return;
  std::string text;
  text.push_back(static_cast<char>(index));
  text.push_back('\0');
  text.append(presetModeText);
  // Only the device's answer to this frame may report the save: an acknowledgement left over
  // from an earlier frame would announce success before the device has even seen it.
  const bool ackBefore = m_AckReceived;
  m_AckReceived = false;
  if (!SendText(kModeSaveAddress, text)) {
    m_AckReceived = ackBefore;
    return;
  }
  m_PendingLinkAction = kActionSaved;
  SetLinkStatusText(link_text::kSaving);
  m_LinkState = LinkState::NotReady;
  m_RetryCount = 0;
}

void DeviceLink::RzBmpButton118Click(std::string_view sysPassEdit) {
  if (sysPassEdit == m_SystemPassword && CharacterCount(sysPassEdit) == kSystemPasswordLength) {
    if (m_LinkState != LinkState::Ready) return;
    m_View.SetUserLevelGroupEnabled(true);
    (void)SendText(kSystemPasswordAddress, sysPassEdit);
    return;
  }
  ShowMessage(link_text::kWrongPassword, DialogOwner::MainWindow);
}

bool DeviceLink::SysPanelLabel1KeyPress(PasswordFields& fields, char32_t key) {
  return PasswordChangeKeyPress(fields, key, m_SystemPassword, kSystemPasswordLength,
                                kSystemPasswordAddress);
}

bool DeviceLink::PassPanelLabel1KeyPress(PasswordFields& fields, char32_t key) {
  return PasswordChangeKeyPress(fields, key, m_KeypadPassword, kKeypadPasswordLength,
                                kKeypadPasswordAddress);
}

bool DeviceLink::PasswordChangeKeyPress(PasswordFields& fields, char32_t key, std::string& password,
                                        std::size_t length, ParamAddress address) {
  const bool accepted = SysPassEditKeyPress(key);
  // Judged on the texts before the key takes effect, accepted or not.
  if (fields.oldText != password || CharacterCount(password) != length ||
      m_LinkState != LinkState::Ready) {
    return accepted;
  }
  fields.newEnabled = true;
  const bool newComplete = CharacterCount(fields.newText) == length;
  if (newComplete) fields.confirmEnabled = true;
  if (!newComplete || CharacterCount(fields.confirmText) != length) return accepted;

  if (fields.newText != password && fields.newText == fields.confirmText) {
    // A pasted non-digit cannot travel as a digit byte: refused, the password stays.
    if (AllDigits(fields.newText)) {
      password = fields.newText;
      (void)SendText(address, password);
    } else {
      ShowMessage(link_text::kWrongPassword, DialogOwner::MainWindow);
    }
  } else if (fields.newText != fields.confirmText) {
    ShowMessage(link_text::kPasswordsDiffer, DialogOwner::MainWindow);
  }
  fields.newEnabled = false;
  fields.confirmEnabled = false;
  fields.oldText.clear();
  fields.newText.clear();
  fields.confirmText.clear();
  return accepted;
}

}  // namespace fenwave
