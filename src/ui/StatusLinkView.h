// What the device link shows, split between the windows: the status window TForm2 takes the
// status text, progress and visibility; the main window takes the rest through MainLinkView.
#pragma once

#include <string>

#include "link/LinkView.h"

namespace fenwave {

class TForm2;

// The main window's share of the link's view.
class MainLinkView {
 public:
  virtual ~MainLinkView() = default;

  // Caption of the main window's hidden LinkLabel: the link status text.
  virtual void SetLinkLabel(const std::string& text) = 0;
  // Pair look of LinkBtn and UnLinkBtn: `active` shows pressed, the other one disabled.
  virtual void SetLinkButtonsLook(LinkButton active) = 0;
  // RefreshControls(which): 0..9 one module, 20 every module.
  virtual void RefreshControls(int which) = 0;
  // Caption of DeviceIDLabel on the System page.
  virtual void SetDeviceIdCaption(const std::string& text) = 0;
  // Enables or disables SysUserMangerGrop.
  virtual void SetUserLevelGroupEnabled(bool enabled) = 0;
  // A long frame could not be written; tells the user.
  virtual void ShowWriteError(const std::string& message) = 0;
};

// Stands in for the main window until it takes its share: shows nothing.
class SilentMainLinkView final : public MainLinkView {
 public:
  void SetLinkLabel(const std::string&) override {}
  void SetLinkButtonsLook(LinkButton) override {}
  void RefreshControls(int) override {}
  void SetDeviceIdCaption(const std::string&) override {}
  void SetUserLevelGroupEnabled(bool) override {}
  void ShowWriteError(const std::string&) override {}
};

class StatusLinkView final : public LinkView {
 public:
  StatusLinkView(TForm2& status, MainLinkView& main) : m_Status(status), m_Main(main) {}
  StatusLinkView(const StatusLinkView&) = delete;
  StatusLinkView& operator=(const StatusLinkView&) = delete;

  void SetLinkLabel(const std::string& text) override { m_Main.SetLinkLabel(text); }
  void SetStatusText(const std::string& text) override;
  void SetStatusProgress(int percent) override;
  void SetStatusVisible(bool visible) override;
  void SetLinkButtonsLook(LinkButton active) override { m_Main.SetLinkButtonsLook(active); }
  void RefreshControls(int which) override { m_Main.RefreshControls(which); }
  void SetDeviceIdCaption(const std::string& text) override { m_Main.SetDeviceIdCaption(text); }
  void SetUserLevelGroupEnabled(bool enabled) override { m_Main.SetUserLevelGroupEnabled(enabled); }
  void ShowWriteError(const std::string& message) override { m_Main.ShowWriteError(message); }

 private:
  TForm2& m_Status;
  MainLinkView& m_Main;
};

}  // namespace fenwave
