// Message boxes and questions on QMessageBox. The windows that own a box are set once the
// windows exist; a box without an owner window is centred on the screen.
#pragma once

#include <QPointer>
#include <QWidget>

#include "link/Dialogs.h"

namespace fenwave {

class QtDialogs final : public Dialogs {
 public:
  void SetOwners(QWidget* mainWindow, QWidget* statusWindow);

  bool Show(const std::string& caption, const std::string& text, DialogButtons buttons,
            DialogOwner owner) override;

 private:
  QPointer<QWidget> m_MainWindow;
  QPointer<QWidget> m_StatusWindow;
};

}  // namespace fenwave
