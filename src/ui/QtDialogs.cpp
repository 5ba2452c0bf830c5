#include "ui/QtDialogs.h"

#include <QMessageBox>

namespace fenwave {

void QtDialogs::SetOwners(QWidget* mainWindow, QWidget* statusWindow) {
  m_MainWindow = mainWindow;
  m_StatusWindow = statusWindow;
}

bool QtDialogs::Show(const std::string& caption, const std::string& text, DialogButtons buttons,
                     DialogOwner owner) {
  QWidget* parent = owner == DialogOwner::StatusWindow && m_StatusWindow && m_StatusWindow->isVisible()
                        ? m_StatusWindow.data()
                        : m_MainWindow.data();
  QMessageBox box(parent);
  box.setWindowTitle(QString::fromStdString(caption));
  box.setText(QString::fromStdString(text));
  QMessageBox::StandardButton yes = QMessageBox::Ok;
  switch (buttons) {
    case DialogButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      box.setIcon(QMessageBox::Information);
      break;
    case DialogButtons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setIcon(QMessageBox::Question);
      break;
    case DialogButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setIcon(QMessageBox::Question);
      yes = QMessageBox::Yes;
      break;
  }
  // exec() runs a nested event loop: the link timers keep ticking and bytes keep arriving.
  return box.exec() == yes;
}

}  // namespace fenwave
