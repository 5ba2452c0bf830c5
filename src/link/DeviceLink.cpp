#include "link/DeviceLink.h"

#include "link/LinkTexts.h"

namespace fenwave {

DeviceLink::DeviceLink(ParameterModel& model, SerialPort& port, LinkTimers& timers, LinkView& view,
                       Dialogs& dialogs)
    : m_Model(model), m_Port(port), m_Timers(timers), m_View(view), m_Dialogs(dialogs),
      m_LinkStatusText(link_text::kNotConnected) {}

int DeviceLink::Progress() const {
  if (m_StepCount <= 0) return 0;
  const int numerator = m_StepIndex * 100;
  const int quotient = numerator / m_StepCount;
  const int twiceRemainder = 2 * (numerator % m_StepCount);
  if (twiceRemainder > m_StepCount) return quotient + 1;
  if (twiceRemainder == m_StepCount) return quotient + (quotient % 2);
  return quotient;
}

void DeviceLink::SetLinkStatusText(std::string_view text) {
  m_LinkStatusText = std::string(text);
  m_View.SetLinkLabel(m_LinkStatusText);
}

void DeviceLink::CopyStatusText() {
  m_View.SetStatusText(m_LinkStatusText);
}

void DeviceLink::SetStatusVisible(bool visible) {
  m_StatusVisible = visible;
  m_View.SetStatusVisible(visible);
}

void DeviceLink::ShowMessage(std::string_view text, DialogOwner owner) {
  m_Dialogs.Show(std::string(link_text::kCaption), std::string(text), DialogButtons::Ok, owner);
}

bool DeviceLink::AskYesNo(const std::string& question) {
  return m_Dialogs.Show(std::string(link_text::kCaption), question, DialogButtons::YesNo,
                        DialogOwner::MainWindow);
}

}  // namespace fenwave
