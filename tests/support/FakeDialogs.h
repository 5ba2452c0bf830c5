// Message boxes for tests: every box is recorded, and questions are answered from a script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "link/Dialogs.h"

namespace fenwave::fakes {

class FakeDialogs : public Dialogs {
 public:
  struct Shown {
    std::string caption;
    std::string text;
    DialogButtons buttons = DialogButtons::Ok;
    DialogOwner owner = DialogOwner::MainWindow;
  };

  bool Show(const std::string& caption, const std::string& text, DialogButtons buttons,
            DialogOwner owner) override;

  // Answers for the next questions (OK/Cancel and Yes/No boxes), in order; a question asked
  // when the script is empty gets `DefaultAnswer`.
  void Answer(bool yes) { m_Script.push_back(yes); }
  void SetDefaultAnswer(bool yes) { m_DefaultAnswer = yes; }

  [[nodiscard]] const std::vector<Shown>& ShownBoxes() const { return m_Shown; }
  // The texts of every box shown, in order.
  [[nodiscard]] std::vector<std::string> Texts() const;
  void Clear() { m_Shown.clear(); }

 private:
  std::vector<Shown> m_Shown;
  std::deque<bool> m_Script;
  bool m_DefaultAnswer = false;
};

}  // namespace fenwave::fakes
