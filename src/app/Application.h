// The application: the parameter model, the three windows (main, link, status), the device
// link, the control binding, the EQ graph and the dialogs, and the start-up sequence that runs
// when the main window is shown for the first time.
#pragma once

#include <memory>
#include <optional>

#include "link/DeviceLink.h"
#include "platform/LocalFileSystem.h"
#include "ui/ControlBinding.h"
#include "ui/SystemPage.h"

class QApplication;

namespace fenwave {

class Dialogs;
class EqGraph;
class MainWindowLinkView;
class ParameterModel;
class QtDialogs;
class QtTickTimer;
class StatusLinkView;
class TForm1;
class TForm2;
class TForm3;

struct ApplicationOptions {
  // Every message box and question; the application's own Qt boxes when null.
  Dialogs* dialogs = nullptr;
  // Runs after each slider of a refresh; a 5 ms sleep that processes no events when empty.
  ControlBinding::Pause pause;
  // Where the backup folders may go; beside the program (or the user's data folder) when empty.
  std::optional<BackupPlaces> backupPlaces{};
};

class Application {
 public:
  // Gives `app` the window style and the user-interface font, then creates the windows in the
  // order main, link, status and ties the link, the binding and the graph to them.
  explicit Application(QApplication& app, ApplicationOptions options = {});
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Shows the main window; its first showing runs the start-up sequence.
  void Show();

  [[nodiscard]] TForm1& MainWindow() { return *m_Main; }
  [[nodiscard]] TForm3& LinkWindow() { return *m_LinkWindow; }
  [[nodiscard]] TForm2& StatusWindow() { return *m_Status; }
  [[nodiscard]] ParameterModel& Model() { return *m_Model; }
  [[nodiscard]] DeviceLink& Link() { return *m_Link; }
  [[nodiscard]] ControlBinding& Binding() { return *m_Binding; }
  [[nodiscard]] EqGraph& Graph() { return *m_Graph; }
  // The System page's behaviour: the backup folders and list, modes and passwords.
  [[nodiscard]] SystemPage& System() { return *m_SystemPage; }

 private:
  void StartUp();
  void Closing();

  LocalFileSystem m_Files;
  std::unique_ptr<ParameterModel> m_Model;
  std::unique_ptr<TForm1> m_Main;
  std::unique_ptr<TForm3> m_LinkWindow;
  std::unique_ptr<TForm2> m_Status;
  std::unique_ptr<QtDialogs> m_QtDialogs;
  Dialogs* m_Dialogs = nullptr;
  std::unique_ptr<MainWindowLinkView> m_MainView;
  std::unique_ptr<StatusLinkView> m_View;
  // Held in place: the link is no base class to be deleted through.
  std::optional<DeviceLink> m_Link;
  std::unique_ptr<ControlBinding> m_Binding;
  std::unique_ptr<QtTickTimer> m_GraphTimer;
  std::unique_ptr<EqGraph> m_Graph;
  std::unique_ptr<SystemPage> m_SystemPage;
};

}  // namespace fenwave
