// fenwave-pages [--connect] DIR: pictures of every page of the main window, drawn without a
// display. With --connect the real application runs: it searches the ports (FENWAVE_PORTS
// names the simulated device's terminal), connects, and the pages show the device's values.
#include <QApplication>
#include <QTextStream>
#include <chrono>
#include <iostream>
#include <string>

#include "Application.h"
#include "PagePictures.h"
#include "link/DeviceLink.h"
#include "link/Dialogs.h"
#include "ui/MainFrm.h"

namespace {

constexpr auto kConnectTimeout = std::chrono::seconds(30);
constexpr char kConnected[] = "设备已连接";

// No one is there to answer a box: every message goes to standard error, every question is
// answered No.
class ConsoleDialogs final : public fenwave::Dialogs {
 public:
  bool Show(const std::string& caption, const std::string& text, fenwave::DialogButtons,
            fenwave::DialogOwner) override {
    std::cerr << "fenwave-pages: [" << caption << "] " << text << '\n';
    return false;
  }
};

int Report(const fenwave::PagePicturesResult& result) {
  QTextStream out(stdout);
  for (const QString& path : result.written)
    out << path << '\n';
  if (!result.error.isEmpty()) {
    QTextStream(stderr) << "fenwave-pages: " << result.error << '\n';
    return 1;
  }
  return 0;
}

int ConnectedPages(QApplication& app, const QString& directory) {
  ConsoleDialogs dialogs;
  fenwave::Application application(app, {.dialogs = &dialogs, .pause = {}});
  application.Show();
  const auto deadline = std::chrono::steady_clock::now() + kConnectTimeout;
  fenwave::DeviceLink& link = application.Link();
  while (link.State() != fenwave::LinkState::Ready || link.LinkStatusText() != kConnected) {
    if (std::chrono::steady_clock::now() > deadline) {
      std::cerr << "fenwave-pages: no device connected within 30 s (status \""
                << link.LinkStatusText() << "\")\n";
      return 1;
    }
    // The link's timers keep the event loop busy, so this never waits for long.
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return Report(fenwave::WritePagePictures(application.MainWindow(), directory));
}

}  // namespace

int main(int argc, char** argv) {
  // The pictures need no screen; a display is used only when the caller asks for one.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments().mid(1);
  const bool connect = !args.isEmpty() && args.front() == QLatin1String("--connect");
  if (args.size() != (connect ? 2 : 1)) {
    QTextStream(stderr) << "usage: fenwave-pages [--connect] DIR\n";
    return 2;
  }
  if (connect) return ConnectedPages(app, args.back());
  fenwave::TForm1 window;
  window.show();
  return Report(fenwave::WritePagePictures(window, args.back()));
}
