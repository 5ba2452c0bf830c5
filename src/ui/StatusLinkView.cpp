#include "ui/StatusLinkView.h"

#include "ui/Unit2.h"

namespace fenwave {

void StatusLinkView::SetStatusText(const std::string& text) {
  m_Status.SetStatusText(text);
}

void StatusLinkView::SetStatusProgress(int percent) {
  m_Status.SetProgress(percent);
}

void StatusLinkView::SetStatusVisible(bool visible) {
  m_Status.SetStatusVisible(visible);
}

}  // namespace fenwave
