// The main window's share of what the device link shows: the hidden link status label, the
// pair look of the link buttons, the full refresh, the System page's device code and user-level
// group, and the box for a frame that could not be written.
#pragma once

#include <string>

#include "ui/StatusLinkView.h"

namespace fenwave {

class ControlBinding;
class Dialogs;
class TForm1;

class MainWindowLinkView final : public MainLinkView {
 public:
  MainWindowLinkView(TForm1& window, Dialogs& dialogs) : m_Window(window), m_Dialogs(dialogs) {}
  MainWindowLinkView(const MainWindowLinkView&) = delete;
  MainWindowLinkView& operator=(const MainWindowLinkView&) = delete;

  // The link is built before the binding (the binding sends through it); until the binding is
  // attached the refresh and the link buttons' look do nothing.
  void SetBinding(ControlBinding* binding) { m_Binding = binding; }

  void SetLinkLabel(const std::string& text) override;
  void SetLinkButtonsLook(LinkButton active) override;
  void RefreshControls(int which) override;
  void SetDeviceIdCaption(const std::string& text) override;
  void SetUserLevelGroupEnabled(bool enabled) override;
  void ShowWriteError(const std::string& message) override;

 private:
  TForm1& m_Window;
  Dialogs& m_Dialogs;
  ControlBinding* m_Binding = nullptr;
};

}  // namespace fenwave
