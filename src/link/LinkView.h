// What the device link shows in the windows: the link status text, the status window, the look
// of the link buttons, the full refresh after a read, and the System page items the link fills.
#pragma once

#include <string>

namespace fenwave {

enum class LinkButton { LinkBtn, UnLinkBtn };

class LinkView {
 public:
  virtual ~LinkView() = default;

  // Caption of the main window's LinkLabel: the link status text.
  virtual void SetLinkLabel(const std::string& text) = 0;
  // The status window "设备状态": its LinkLabel, its progress bar (0..100) and its visibility.
  virtual void SetStatusText(const std::string& text) = 0;
  virtual void SetStatusProgress(int percent) = 0;
  virtual void SetStatusVisible(bool visible) = 0;
  // Pair look of LinkBtn and UnLinkBtn: `active` shows pressed, the other one disabled.
  virtual void SetLinkButtonsLook(LinkButton active) = 0;
  // RefreshControls(which) of the main window: 0..9 one module, 20 every module.
  virtual void RefreshControls(int which) = 0;
  // Caption of DeviceIDLabel on the System page (the device management code).
  virtual void SetDeviceIdCaption(const std::string& text) = 0;
  // Enables or disables the user-level group SysUserMangerGrop.
  virtual void SetUserLevelGroupEnabled(bool enabled) = 0;
  // A frame that carries more than a 2-byte value could not be written. The link has already
  // carried on as if the frame were lost on the line; the window only has to tell the user.
  virtual void ShowWriteError(const std::string& message) = 0;
};

}  // namespace fenwave
