#include "Application.h"

#include <QApplication>
#include <QComboBox>
#include <chrono>
#include <exception>
#include <thread>

#include "link/DeviceLink.h"
#include "model/ParameterModel.h"
#include "platform/PortList.h"
#include "platform/QtTickTimer.h"
#include "ui/EqGraph.h"
#include "ui/MainFrm.h"
#include "ui/MainWindowLinkView.h"
#include "ui/QtDialogs.h"
#include "ui/StatusLinkView.h"
#include "ui/SystemPage.h"
#include "ui/Theme.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"

namespace fenwave {
namespace {

constexpr auto kRefreshPause = std::chrono::milliseconds(5);

// Sleeps without turning the event loop: nothing may re-enter a refresh half-way.
void SleepRefreshPause() {
  std::this_thread::sleep_for(kRefreshPause);
}

}  // namespace

Application::Application(QApplication& app, ApplicationOptions options)
    : m_Model(std::make_unique<ParameterModel>()) {
  app.setFont(theme::UiFont());
  app.setStyleSheet(theme::StyleSheet());

  m_Main = std::make_unique<TForm1>();
  m_LinkWindow = std::make_unique<TForm3>();
  m_Status = std::make_unique<TForm2>();

  if (options.dialogs) {
    m_Dialogs = options.dialogs;
  } else {
    m_QtDialogs = std::make_unique<QtDialogs>();
    m_QtDialogs->SetOwners(m_Main.get(), m_Status.get());
    m_Dialogs = m_QtDialogs.get();
  }

  m_MainView = std::make_unique<MainWindowLinkView>(*m_Main, *m_Dialogs);
  m_View = std::make_unique<StatusLinkView>(*m_Status, *m_MainView);
  m_Link.emplace(*m_Model, m_LinkWindow->Port(), m_LinkWindow->Timers(), *m_View, *m_Dialogs);
  m_LinkWindow->Attach(*m_Link);

  ControlBinding::Pause pause = options.pause ? std::move(options.pause) : SleepRefreshPause;
  m_Binding = std::make_unique<ControlBinding>(*m_Main, *m_Model, *m_Link, std::move(pause));
  m_MainView->SetBinding(m_Binding.get());

  m_GraphTimer = std::make_unique<QtTickTimer>();
  m_Graph = std::make_unique<EqGraph>(*m_Main, *m_Model, *m_Binding, *m_GraphTimer);
  m_Binding->SetCurveDrawing(m_Graph.get());
  m_SystemPage = std::make_unique<SystemPage>(*m_Main, *m_Link, *m_Model, m_Files, *m_Dialogs,
                                              options.backupPlaces.value_or(DefaultBackupPlaces()));

  MainWindowHooks hooks;
  hooks.micGroupB = [this] { return m_Model->MicGroupB() != 0; };
  hooks.redrawCurve = [this](int pageCode) { m_Graph->RedrawPage(pageCode); };
  hooks.pointBandEditor = [this](int pageCode) { m_Binding->PointBandEditorAtPage(pageCode); };
  hooks.closing = [this] { Closing(); };
  hooks.startUp = [this] { StartUp(); };
  m_Main->SetHooks(std::move(hooks));
}

Application::~Application() {
  // Nothing may reach the link, the binding or the graph while they are taken down.
  m_Main->SetHooks({});
  m_GraphTimer->Stop();
  m_LinkWindow->Detach();
  m_SystemPage.reset();
  m_Graph.reset();
  m_Binding.reset();
  m_MainView->SetBinding(nullptr);
  m_Link.reset();
}

void Application::Show() {
  m_Main->show();
}

void Application::StartUp() {
  // 1. The binding table, the tags and the handlers.
  m_Binding->BuildBindingTable();
  // 2. The EQ defaults of every module, then every control from the images.
  m_Binding->EqReset(kResetAll);
  // 3. The music page.
  m_Main->FormTabBtn1Click(m_Main->PageButtons()[0]);
  // 4. The graph's 10 ms tick that applies marker drags.
  m_Graph->Start();
  // 5. The port list and the search for the device; a failure here only leaves the
  // application unconnected.
  try {
    std::vector<std::string> ports = AvailablePortNames();
    if (auto* list = m_Main->Control<QComboBox>(QStringLiteral("ComComboBox1"))) {
      list->clear();
      for (const std::string& port : ports)
        list->addItem(QString::fromStdString(port));
    }
    m_Link->SetPortList(std::move(ports));
    m_Link->LinkBtnClick(LinkButton::LinkBtn);
  } catch (const std::exception&) {
  }
  // 6. The data folders beside the program; 7. the backups in them, listed on the System page.
  m_SystemPage->PrepareFolders();
  m_SystemPage->ListBackups();
  // 8.
  m_Main->SetStartupComplete(true);
}

void Application::Closing() {
  m_Link->FormCloseQuery();
}

}  // namespace fenwave
