// The application object: the windows it creates and the start-up sequence on the first
// showing of the main window (binding, EQ defaults, music page, device search, data folders).
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "Application.h"
#include "link/DeviceLink.h"
#include "support/FakeDialogs.h"
#include "ui/ControlProps.h"
#include "ui/MainFrm.h"
#include "ui/SystemPage.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"

namespace fenwave {
namespace {

TEST(ApplicationTest, TheFirstShowingRunsTheStartUpSequence) {
  fakes::FakeDialogs dialogs;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("fenwave-app-test-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  Application application(*static_cast<QApplication*>(QCoreApplication::instance()),
                          {.dialogs = &dialogs,
                           .pause = [] {},
                           .backupPlaces = BackupPlaces{folder.string(), {}}});
  TForm1& window = application.MainWindow();
  EXPECT_FALSE(window.StartupComplete());
  EXPECT_FALSE(application.LinkWindow().isVisible());

  application.Show();
  EXPECT_TRUE(window.StartupComplete());
  // The binding table wrote the tags and the EQ reset filled the pages.
  EXPECT_EQ(Tag(window.Control(QStringLiteral("MainQEdit1"))), 0x0522);
  EXPECT_EQ(window.Control<QLineEdit>(QStringLiteral("MusFreEdit1"))->text(),
            QStringLiteral("21.7"));
  EXPECT_EQ(window.Control<QLineEdit>(QStringLiteral("MicGainEdit15"))->text(),
            QStringLiteral("0.0"));
  // The music page, and the search for the device with the status window up.
  EXPECT_EQ(window.PageCode(), 0);
  EXPECT_EQ(window.FormPageItem()->currentWidget()->objectName(),
            QStringLiteral("AdvTabSheet1_mus"));
  EXPECT_EQ(window.Control<QLabel>(QStringLiteral("LinkLabel"))->text(),
            QStringLiteral("设备搜索..."));
  EXPECT_TRUE(application.StatusWindow().isVisible());
  EXPECT_FALSE(application.LinkWindow().isVisible());
  EXPECT_EQ(window.Control<QComboBox>(QStringLiteral("ComComboBox1"))->count(),
            static_cast<int>(application.Link().PortList().size()));
  // The backup folders exist beside the program.
  EXPECT_EQ(application.System().Folders().backupFolder, (folder / "Mode" / "V3Mode").string());
  EXPECT_TRUE(std::filesystem::is_directory(folder / "Mode" / "V3Mode"));
  EXPECT_TRUE(dialogs.ShownBoxes().empty());

  // Showing the window again does not start up again.
  window.hide();
  window.Control<QLineEdit>(QStringLiteral("MusFreEdit1"))->setText(QStringLiteral("x"));
  application.Show();
  EXPECT_EQ(window.Control<QLineEdit>(QStringLiteral("MusFreEdit1"))->text(), QStringLiteral("x"));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace fenwave
