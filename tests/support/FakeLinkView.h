// A view for the link's tests: it records what the link shows and lets a test hook the full
// refresh (to see the selectors at that moment, or to rebuild the image as the windows do).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "link/LinkView.h"

namespace fenwave::fakes {

class FakeLinkView : public LinkView {
 public:
  void SetLinkLabel(const std::string& text) override { linkLabel = text; }
  void SetStatusText(const std::string& text) override { statusText = text; }
  void SetStatusProgress(int percent) override { progress.push_back(percent); }
  void SetStatusVisible(bool visible) override { statusVisible = visible; }
  void SetLinkButtonsLook(LinkButton active) override { linkLook.push_back(active); }
  void RefreshControls(int which) override;
  void SetDeviceIdCaption(const std::string& text) override { deviceIdCaption = text; }
  void SetUserLevelGroupEnabled(bool enabled) override { userLevelGroupEnabled = enabled; }
  void ShowWriteError(const std::string& message) override { writeErrors.push_back(message); }

  std::string linkLabel;
  std::string statusText;
  std::vector<int> progress;
  bool statusVisible = false;
  std::vector<LinkButton> linkLook;
  std::vector<int> refreshes;
  std::string deviceIdCaption;
  bool userLevelGroupEnabled = false;
  std::vector<std::string> writeErrors;
  // Runs inside RefreshControls, after it is recorded.
  std::function<void(int)> onRefresh;
};

}  // namespace fenwave::fakes
