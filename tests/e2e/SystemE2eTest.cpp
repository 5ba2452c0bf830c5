// The whole application, offscreen, against fenwave-sim on a pseudo-terminal: it finds and reads
// the device, a slider's change reaches the device's store, a backup saved to the PC and loaded
// back restores the store and the pages, the administrator saves and recalls device modes, and
// the system password changes on the device. Every question is answered by a script.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "Application.h"
#include "link/DeviceLink.h"
#include "model/ParameterModel.h"
#include "support/FakeDialogs.h"
#include "support/RunEvents.h"
#include "support/SimProcess.h"
#include "ui/BitmapButton.h"
#include "ui/MainFrm.h"
#include "ui/SystemPage.h"

namespace fenwave {
namespace {

using namespace std::chrono_literals;

using fakes::RunEventsUntil;

class SystemE2e : public ::testing::Test {
 protected:
  SystemE2e() {
    // The device search tries the simulator's terminal besides the machine's own ports.
    qputenv("FENWAVE_PORTS", QByteArray::fromStdString(m_Sim.PortPath()));
  }
  ~SystemE2e() override { qunsetenv("FENWAVE_PORTS"); }

  template <class T = QWidget> T* Find(const char* name) {
    T* control = m_App.MainWindow().Control<T>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  void Click(const char* button) { Find<BitmapButton>(button)->click(); }
  // Types `text` into a field, key by key, then Enter.
  void Type(const char* field, const char* text) {
    QTest::keyClicks(Find<QLineEdit>(field), QString::fromUtf8(text));
    QTest::keyClick(Find<QLineEdit>(field), Qt::Key_Return);
  }
  void Answer(bool yes) { m_Dialogs.Answer(yes); }

  [[nodiscard]] e2e::SimState Device() const { return e2e::ParseSimState(m_Sim.StateText()); }
  bool DeviceHolds(int block, int entry, int value) {
    return RunEventsUntil([&] { return Device().Value(block, entry) == value; }, 5s);
  }
  bool LinkReady(std::chrono::milliseconds within = 5s) {
    return RunEventsUntil([&] { return m_App.Link().State() == LinkState::Ready; }, within);
  }
  // The main output's music level (0x0500, block 5 entry 0 in the sing bank) as the pages show it.
  [[nodiscard]] int ShownMusicLevel() { return Find<QSlider>("MainMusLevelBar")->value(); }

  e2e::SimProcess m_Sim{FENWAVE_SIM_EXECUTABLE};
  QTemporaryDir m_Folder;
  fakes::FakeDialogs m_Dialogs;
  Application m_App{
      *static_cast<QApplication*>(QCoreApplication::instance()),
      {.dialogs = &m_Dialogs,
       .pause = [] {},
       .backupPlaces = BackupPlaces{m_Folder.filePath(QStringLiteral("program")).toStdString(),
                                    m_Folder.filePath(QStringLiteral("user")).toStdString()}}};
};

TEST_F(SystemE2e, BackupsModesAndPasswordsReachTheDevice) {
  ASSERT_TRUE(m_Sim.Started()) << m_Sim.Error();
  ASSERT_TRUE(m_Folder.isValid());
  m_App.Show();
  ASSERT_TRUE(LinkReady(20s)) << m_App.Link().LinkStatusText();
  TForm1& window = m_App.MainWindow();
  window.FormTabBtn1Click(window.PageButtons()[kSystemPage]);
  EXPECT_EQ(Find<QLabel>("DeviceIDLabel")->text(), QStringLiteral("5A3C9E17"));
  ASSERT_EQ(Device().Value(0, 1), 0);  // the sing bank is in force
  ASSERT_EQ(ShownMusicLevel(), 80);

  // A slider's change lands in the device's store.
  Find<QSlider>("MainMusLevelBar")->setValue(37);
  ASSERT_TRUE(DeviceHolds(5, 0, 37));

  // Saved to the PC, changed again, loaded back: the upload restores the store and the pages.
  Find<QLineEdit>("FileEdit")->setText(QStringLiteral("evening"));
  Click("RzBmpButton120");
  auto* list = Find<QTableWidget>("ValueListEditor1");
  ASSERT_EQ(list->rowCount(), 1);
  EXPECT_EQ(list->item(0, 1)->text(), QStringLiteral("evening"));
  Find<QSlider>("MainMusLevelBar")->setValue(61);
  ASSERT_TRUE(DeviceHolds(5, 0, 61));
  ASSERT_TRUE(LinkReady());
  Answer(true);
  Click("RzBmpButton119");
  ASSERT_TRUE(DeviceHolds(5, 0, 37));
  ASSERT_TRUE(LinkReady());
  EXPECT_EQ(ShownMusicLevel(), 37);
  EXPECT_EQ(Find<QLabel>("MainMusLevelPane")->text(), QStringLiteral("74"));

  // As administrator: save the current settings as mode 5, recall mode 2, recall mode 5 again.
  Type("SysPassEdit", "314159");
  Click("RzBmpButton118");
  ASSERT_TRUE(Find("SysUserMangerGrop")->isEnabled());
  Click("SysManagerBtn");
  ASSERT_TRUE(DeviceHolds(9, 12, 1));
  ASSERT_TRUE(Find("RzBmpButton138")->isEnabled());
  EXPECT_FALSE(Find("SysUserMangerGrop")->isEnabled());

  auto* modes = Find<QComboBox>("SysModeBox");
  ASSERT_EQ(modes->count(), 15);
  modes->setCurrentIndex(4);
  EXPECT_EQ(Find<QLineEdit>("PresetModeEdit")->text(), QStringLiteral("Jazz"));
  Find<QLineEdit>("PresetModeEdit")->setText(QStringLiteral("Evening"));
  Answer(true);
  Click("RzBmpButton138");
  ASSERT_TRUE(RunEventsUntil([&] { return Device().modes[4] == "Evening"; }, 5s));
  ASSERT_TRUE(LinkReady());

  modes->setCurrentIndex(1);
  Answer(true);
  Click("RzBmpButton121");
  ASSERT_TRUE(DeviceHolds(5, 0, 53));  // mode 2's own music level
  ASSERT_TRUE(LinkReady());
  EXPECT_EQ(ShownMusicLevel(), 53);

  modes->setCurrentIndex(4);
  Answer(true);
  Click("RzBmpButton121");
  ASSERT_TRUE(DeviceHolds(5, 0, 37));
  ASSERT_TRUE(LinkReady());
  EXPECT_EQ(ShownMusicLevel(), 37);

  // A new system password, typed into the three fields; then the old one is wrong.
  Type("SysPanelLabel1", "314159");
  Type("NewSysPassLabel1", "271828");
  Type("NewSysPassLabel2", "271828");
  EXPECT_TRUE(RunEventsUntil([&] { return Device().systemPassword == "271828"; }, 5s));
  EXPECT_FALSE(Find("NewSysPassLabel1")->isEnabled());
  Type("SysPassEdit", "314159");
  Click("RzBmpButton118");
  EXPECT_FALSE(Find("SysUserMangerGrop")->isEnabled());

  EXPECT_EQ(m_Dialogs.Texts(), (std::vector<std::string>{
                                   "加载模式：evening?",
                                   "保存当前模式为 5-Evening?",
                                   "保存成功!",
                                   "模式切换为2-Party?",
                                   "模式切换为5-Jazz?",
                                   "密码错误!",
                               }));
}

}  // namespace
}  // namespace fenwave
