#include "support/FakeLinkView.h"

namespace fenwave::fakes {

void FakeLinkView::RefreshControls(int which) {
  refreshes.push_back(which);
  if (onRefresh) onRefresh(which);
}

}  // namespace fenwave::fakes
