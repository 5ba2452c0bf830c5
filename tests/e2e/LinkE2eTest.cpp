// The application's link against fenwave-sim on a pseudo-terminal, with the real QSerialPort and
// QTimers of the link window: the search skips a port that cannot be opened, the full read
// fills the images with the device's store, a change reaches the device, and a device that
// falls silent is reported lost.
#include <gtest/gtest.h>

#include <signal.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <chrono>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "link/DeviceLink.h"
#include "model/ParameterModel.h"
#include "platform/PortList.h"
#include "support/FakeDialogs.h"
#include "support/RunEvents.h"
#include "support/SimProcess.h"
#include "ui/StatusLinkView.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"

namespace fenwave {
namespace {

using namespace std::chrono_literals;

// The main window's share of the view, recorded.
class RecordingMainView final : public MainLinkView {
 public:
  void SetLinkLabel(const std::string& text) override { linkLabel = text; }
  void SetLinkButtonsLook(LinkButton active) override { looks.push_back(active); }
  void RefreshControls(int which) override { refreshes.push_back(which); }
  void SetDeviceIdCaption(const std::string& text) override { deviceIdCaption = text; }
  void SetUserLevelGroupEnabled(bool) override {}
  void ShowWriteError(const std::string& message) override { writeErrors.push_back(message); }

  std::string linkLabel;
  std::vector<LinkButton> looks;
  std::vector<int> refreshes;
  std::string deviceIdCaption;
  std::vector<std::string> writeErrors;
};

using fakes::RunEventsUntil;

std::string Joined(const std::vector<std::string>& texts) {
  std::string joined;
  for (const std::string& text : texts)
    joined += "[" + text + "] ";
  return joined;
}

// The device's entries the full read brings back: blocks 0..8 up to their slot counts (the
// music block with its second bank), and the system items the link keeps (slot 3, 6..14 and
// the volumes 32..34; 1 and 2 are ignored, 4 and 5 are the passwords).
std::vector<std::pair<int, int>> EntriesTheReadCovers() {
  const int blockEntries[] = {106, 79, 79, 28, 8, 55, 43, 53, 53};
  std::vector<std::pair<int, int>> entries;
  for (int block = 0; block < 9; ++block) {
    for (int entry = 0; entry < blockEntries[block]; ++entry)
      entries.emplace_back(block, entry);
  }
  for (const int slot : {3, 6, 7, 8, 9, 10, 11, 12, 13, 14, 32, 33, 34}) {
    entries.emplace_back(9, slot);
  }
  return entries;
}

class LinkE2e : public ::testing::Test {
 protected:
  LinkE2e() : m_Link(m_Model, m_Form3.Port(), m_Form3.Timers(), m_View, m_Dialogs) {
    m_Form3.Attach(m_Link);
  }
  ~LinkE2e() override { m_Form3.Detach(); }

  e2e::SimProcess m_Sim{FENWAVE_SIM_EXECUTABLE};
  ParameterModel m_Model;
  TForm3 m_Form3;
  TForm2 m_Form2;
  RecordingMainView m_MainView;
  StatusLinkView m_View{m_Form2, m_MainView};
  fakes::FakeDialogs m_Dialogs;
  DeviceLink m_Link;
};

TEST_F(LinkE2e, ConnectsReadsTheDeviceSendsAChangeAndNoticesTheSilence) {
  ASSERT_TRUE(m_Sim.Started()) << m_Sim.Error();

  // A port that cannot be opened sorts before the simulator's terminal.
  const std::vector<std::string> ports =
      MergePortNames({}, m_Sim.PortPath() + ":/dev/fenwave-absent");
  ASSERT_EQ(ports, (std::vector<std::string>{"/dev/fenwave-absent", m_Sim.PortPath()}));
  m_Link.SetPortList(ports);

  m_Link.LinkBtnClick(LinkButton::LinkBtn);
  EXPECT_TRUE(m_Form2.isVisible());
  EXPECT_EQ(m_Form2.LinkLabel()->text().toStdString(), "设备搜索...");

  // Two search ticks (the absent port, then the terminal), the handshake on the third, and the
  // 42 requests of the full read at 100 ms each.
  ASSERT_TRUE(RunEventsUntil([&] { return m_Link.State() == LinkState::Ready; }, 15s))
      << m_Link.LinkStatusText() << "; boxes: " << Joined(m_Dialogs.Texts());
  EXPECT_EQ(m_MainView.linkLabel, "设备已连接");
  EXPECT_EQ(m_Link.LastPortIndex(), 1);
  EXPECT_TRUE(m_Dialogs.ShownBoxes().empty()) << Joined(m_Dialogs.Texts());
  EXPECT_EQ(m_MainView.refreshes, std::vector<int>{20});
  ASSERT_FALSE(m_MainView.looks.empty());
  EXPECT_EQ(m_MainView.looks.back(), LinkButton::LinkBtn);
  EXPECT_FALSE(m_Form2.isVisible());
  EXPECT_EQ(m_Form2.LinkLabel()->text().toStdString(), "设备已连接");
  EXPECT_EQ(m_Form2.RzProgressStatus1()->value(), 100);
  EXPECT_TRUE(m_Form3.Timers().IsRunning(LinkTimer::HoldTimer));
  EXPECT_FALSE(m_Form3.Timers().IsRunning(LinkTimer::Timer1));
  EXPECT_FALSE(m_Form3.Timers().IsRunning(LinkTimer::Timer2));
  EXPECT_FALSE(m_Form3.isVisible());

  // The images hold the device's store.
  const e2e::SimState device = e2e::ParseSimState(m_Sim.StateText());
  std::ostringstream mismatches;
  int mismatchCount = 0;
  int nonZero = 0;
  const auto entries = EntriesTheReadCovers();
  for (const auto& [block, entry] : entries) {
    const int expected = device.Value(block, entry);
    const int actual = m_Model.DeviceValue(block, entry);
    if (expected != 0) ++nonZero;
    if (actual != expected && ++mismatchCount <= 10) {
      mismatches << " (" << block << "," << entry << "): " << actual << " != " << expected;
    }
  }
  EXPECT_EQ(mismatchCount, 0) << mismatches.str();
  // An image left at zero would match a store of zeros: the store must say something.
  EXPECT_GT(nonZero, static_cast<int>(entries.size()) / 2);
  for (std::size_t k = 0; k < device.modes.size(); ++k) {
    EXPECT_EQ(m_Link.ModeNames()[k], device.modes[k]) << "mode " << k;
  }
  EXPECT_EQ(m_Link.ModeNames()[0], "KTV");
  EXPECT_EQ(m_Link.SystemPassword(), device.systemPassword);
  EXPECT_EQ(m_Link.KeypadPassword(), device.keypadPassword);
  EXPECT_EQ(m_Link.DeviceCode(), device.managementCode);
  EXPECT_EQ(m_MainView.deviceIdCaption, "5A3C9E17");

  // The main music level (0x0500) lands in block 5 entry 0 while the sing bank is in force.
  ASSERT_EQ(device.Value(0, 1), 0);
  const int value = device.Value(5, 0) == 37 ? 38 : 37;
  m_Link.SendParameter(0x0500, value);
  EXPECT_TRUE(RunEventsUntil(
      [&] { return e2e::ParseSimState(m_Sim.StateText()).Value(5, 0) == value; }, 2s));
  EXPECT_EQ(m_Model.DeviceValue(5, 0), value);
  // Wait for the link to settle: the change acknowledged, nothing waiting or to be repeated.
  ASSERT_TRUE(RunEventsUntil(
      [&] {
        return m_Link.AckReceived() && !m_Link.RepeatLast() &&
               m_Link.SendQueueState().Pending() == 0;
      },
      2s));

  // Silence. Eleven seconds of hold ticks are driven by hand, with the event loop run between
  // them so that any answer would still arrive; the real HoldTimer is stopped for that.
  m_Form3.Timers().Stop(LinkTimer::HoldTimer);
  ASSERT_TRUE(m_Sim.Signal(SIGUSR1));
  RunEventsUntil([] { return false; }, 200ms);
  ASSERT_TRUE(m_Link.AckReceived());
  ASSERT_EQ(m_Link.State(), LinkState::Ready);
  int ticks = 0;
  while (m_Link.State() == LinkState::Ready && ticks < 700) {
    m_Link.HoldTick();
    ++ticks;
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(m_Link.State(), LinkState::NotReady);
  // One keep-alive within the first second, then eleven unanswered seconds.
  EXPECT_GE(ticks, 551);
  EXPECT_LE(ticks, 600);
  ASSERT_EQ(m_Dialogs.ShownBoxes().size(), 1u) << Joined(m_Dialogs.Texts());
  EXPECT_EQ(m_Dialogs.ShownBoxes()[0].caption, "提示");
  EXPECT_EQ(m_Dialogs.ShownBoxes()[0].text, "已断开连接!");
  EXPECT_EQ(m_MainView.linkLabel, "设备未连接");
  EXPECT_EQ(m_MainView.looks.back(), LinkButton::UnLinkBtn);
  EXPECT_EQ(m_Form2.LinkLabel()->text().toStdString(), "设备未连接");
  EXPECT_FALSE(m_Form2.isVisible());
  EXPECT_FALSE(m_Form3.Timers().IsRunning(LinkTimer::HoldTimer));
  EXPECT_TRUE(m_MainView.writeErrors.empty()) << Joined(m_MainView.writeErrors);
}

}  // namespace
}  // namespace fenwave
