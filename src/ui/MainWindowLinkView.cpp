#include "ui/MainWindowLinkView.h"

#include <QLabel>

#include "link/Dialogs.h"
#include "ui/BitmapButton.h"
#include "ui/ControlBinding.h"
#include "ui/MainFrm.h"

namespace fenwave {

void MainWindowLinkView::SetLinkLabel(const std::string& text) {
  if (auto* label = m_Window.Control<QLabel>(QStringLiteral("LinkLabel")))
    label->setText(QString::fromStdString(text));
}

void MainWindowLinkView::SetLinkButtonsLook(LinkButton active) {
  if (!m_Binding) return;
  const QString name =
      active == LinkButton::LinkBtn ? QStringLiteral("LinkBtn") : QStringLiteral("UnLinkBtn");
  m_Binding->ApplyControlKind(m_Window.Control<BitmapButton>(name), kKindLink);
}

void MainWindowLinkView::RefreshControls(int which) {
  if (m_Binding) m_Binding->RefreshControls(which);
}

void MainWindowLinkView::SetDeviceIdCaption(const std::string& text) {
  if (auto* label = m_Window.Control<QLabel>(QStringLiteral("DeviceIDLabel")))
    label->setText(QString::fromStdString(text));
}

void MainWindowLinkView::SetUserLevelGroupEnabled(bool enabled) {
  if (QWidget* group = m_Window.Control(QStringLiteral("SysUserMangerGrop")))
    group->setEnabled(enabled);
}

void MainWindowLinkView::ShowWriteError(const std::string& message) {
  (void)m_Dialogs.Show("提示", message, DialogButtons::Ok, DialogOwner::MainWindow);
}

}  // namespace fenwave
