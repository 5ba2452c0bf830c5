#include "support/FakeDialogs.h"

namespace fenwave::fakes {

bool FakeDialogs::Show(const std::string& caption, const std::string& text, DialogButtons buttons,
                       DialogOwner owner) {
  m_Shown.push_back({caption, text, buttons, owner});
  if (buttons == DialogButtons::Ok) return true;
  if (m_Script.empty()) return m_DefaultAnswer;
  const bool answer = m_Script.front();
  m_Script.pop_front();
  return answer;
}

std::vector<std::string> FakeDialogs::Texts() const {
  std::vector<std::string> texts;
  for (const Shown& box : m_Shown)
    texts.push_back(box.text);
  return texts;
}

}  // namespace fenwave::fakes
