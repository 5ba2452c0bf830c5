// The link buttons, the port search, the link actions and closing the main window.
#include <gtest/gtest.h>

#include "support/LinkHarness.h"

namespace fenwave {
namespace {

using fakes::LinkHarness;

const Bytes kConnectRequest = {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x30, 0x11, 0x00, 0x5C};
const Bytes kDisconnectRequest = {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x30, 0xAA, 0x00, 0x37};
const Bytes kReadModule0 = {0xFC, 0xB1, 0x06, 0xA0, 0x09, 0x10, 0x00, 0x00, 0x04};

TEST(LinkSearch, TwoPortsWithTheDeviceOnTheSecond) {
  LinkHarness h;
  h.answers.port = "COM2";
  h.UseAnsweringDevice();
  h.link.SetPortList({"COM1", "COM2"});
  h.link.LinkBtnClick(LinkButton::LinkBtn);
  EXPECT_EQ(h.link.LinkStatusText(), "设备搜索...");
  EXPECT_EQ(h.view.statusText, "设备搜索...");
  EXPECT_TRUE(h.view.statusVisible);
  EXPECT_EQ(h.view.progress.back(), 0);
  EXPECT_EQ(h.view.linkLook.back(), LinkButton::LinkBtn);

  h.Advance(999);
  EXPECT_TRUE(h.port.OpenAttempts().empty());
  h.Advance(1);  // 1 s: the first port is opened and asked
  EXPECT_EQ(h.port.OpenAttempts(), (std::vector<std::string>{"COM1"}));
  EXPECT_EQ(h.port.Writes(), (std::vector<Bytes>{kConnectRequest}));

  h.Advance(1000);  // 2 s: closed again, the second one tried; it answers
  EXPECT_EQ(h.port.CloseCount(), 1);
  EXPECT_EQ(h.port.Name(), "COM2");
  EXPECT_EQ(h.port.Writes(), (std::vector<Bytes>{kConnectRequest, kConnectRequest}));
  h.Advance(1);
  EXPECT_TRUE(h.link.HandshakeSeen());
  EXPECT_EQ(h.link.LinkStatusText(), "设备搜索...");

  h.Advance(998);
  EXPECT_EQ(h.port.Writes().size(), 2u);
  h.Advance(1);  // 3 s: the full read starts
  EXPECT_EQ(h.link.LinkStatusText(), "连接中...");
  EXPECT_EQ(h.port.Writes().back(), kReadModule0);
  EXPECT_FALSE(h.timers.IsRunning(LinkTimer::Timer1));
  EXPECT_TRUE(h.timers.IsRunning(LinkTimer::Timer2));
  EXPECT_EQ(h.link.State(), LinkState::NotReady);
}

TEST(LinkSearch, FailsAfterEveryPortAndOneEmptyTry) {
  struct Case {
    const char* name;
    std::vector<std::string> ports;
    int failsAtSecond;
  };
  const Case cases[] = {
      {"empty list", {}, 1},
      {"one silent port", {"COM1"}, 3},
      {"two silent ports", {"COM1", "COM2"}, 4},
  };
  for (const Case& c : cases) {
    LinkHarness h;
    h.link.SetPortList(c.ports);
    h.link.LinkBtnClick(LinkButton::LinkBtn);
    h.Advance(1000 * c.failsAtSecond - 1);
    EXPECT_TRUE(h.dialogs.ShownBoxes().empty()) << c.name;
    h.Advance(1);
    ASSERT_EQ(h.dialogs.ShownBoxes().size(), 1u) << c.name;
    const auto& box = h.dialogs.ShownBoxes()[0];
    EXPECT_EQ(box.caption, "提示");
    EXPECT_EQ(box.text, "连接失败!");
    EXPECT_EQ(box.owner, DialogOwner::StatusWindow);  // the status window was showing
    EXPECT_FALSE(h.view.statusVisible);
    EXPECT_EQ(h.view.statusText, "设备未连接");
    EXPECT_EQ(h.view.linkLook.back(), LinkButton::UnLinkBtn);
    EXPECT_FALSE(h.timers.IsRunning(LinkTimer::Timer1));
    EXPECT_EQ(h.port.OpenAttempts(), c.ports) << c.name;
  }
}

TEST(LinkSearch, APortThatCannotBeOpenedIsSkipped) {
  LinkHarness h;
  h.answers.port = "COM2";
  h.UseAnsweringDevice();
  h.port.RefuseName("COM1");
  h.link.SetPortList({"COM1", "COM2"});
  h.link.LinkBtnClick(LinkButton::LinkBtn);
  h.Advance(3000);
  EXPECT_EQ(h.port.Writes(), (std::vector<Bytes>{kConnectRequest, kReadModule0}));
  EXPECT_EQ(h.link.LinkStatusText(), "连接中...");
}

TEST(LinkSearch, ConnectedLinkGoesReadyWithTheBankOfTheDeviceBeforeTheRefresh) {
  LinkHarness h;
  h.answers.blockValue = [](int m, int e) { return static_cast<std::uint16_t>(m == 0 && e == 1); };
  int bankAtRefresh = -1;
  h.view.onRefresh = [&](int) { bankAtRefresh = h.model.BankSelect(); };
  h.ConnectQuietly();
  EXPECT_EQ(h.link.State(), LinkState::Ready);
  EXPECT_EQ(h.view.refreshes, (std::vector<int>{20}));
  EXPECT_EQ(bankAtRefresh, 1);
  EXPECT_EQ(h.link.LinkStatusText(), "设备已连接");
  EXPECT_EQ(h.view.statusText, "设备已连接");
  EXPECT_EQ(h.view.progress.back(), 100);
  EXPECT_FALSE(h.view.statusVisible);
  EXPECT_EQ(h.view.linkLook.back(), LinkButton::LinkBtn);
  EXPECT_TRUE(h.timers.IsRunning(LinkTimer::HoldTimer));
  EXPECT_FALSE(h.timers.IsRunning(LinkTimer::Timer2));
}

TEST(LinkSearch, LinkBtnWhileConnectedSearchesAgainAndStaysReadyUntilAPortAnswers) {
  LinkHarness h;
  h.ConnectQuietly();
  h.UseAnsweringDevice();
  h.link.LinkBtnClick(LinkButton::LinkBtn);
  EXPECT_FALSE(h.timers.IsRunning(LinkTimer::HoldTimer));
  h.Advance(1000);
  EXPECT_EQ(h.port.OpenAttempts().back(), "COM1");
  EXPECT_EQ(h.link.State(), LinkState::Ready);
  h.Advance(1000);
  EXPECT_EQ(h.link.State(), LinkState::NotReady);
  EXPECT_EQ(h.link.LinkStatusText(), "连接中...");
}

TEST(LinkSearch, AFailedSearchFromAConnectedLinkLeavesItNotReady) {
  LinkHarness h;
  h.ConnectQuietly();
  h.link.LinkBtnClick(LinkButton::LinkBtn);
  h.Advance(3000);  // COM1 stays silent, one empty try, then the failure
  ASSERT_EQ(h.link.LinkStatusText(), "设备未连接");
  EXPECT_EQ(h.link.State(), LinkState::NotReady);
  h.port.ClearWrites();
  h.link.SendParameter(0x0500, 7);
  h.Advance(12000);
  EXPECT_TRUE(h.port.Writes().empty());
  EXPECT_EQ(h.model.Value(0x0500), 7);
}

TEST(LinkButtons, UnLinkWhileConnectedSaysGoodbyeOnceAndKeepsThePortOpen) {
  LinkHarness h;
  h.ConnectQuietly();
  h.link.LinkBtnClick(LinkButton::UnLinkBtn);
  EXPECT_EQ(h.port.Writes(), (std::vector<Bytes>{kDisconnectRequest}));
  EXPECT_TRUE(h.port.IsOpen());
  EXPECT_EQ(h.link.State(), LinkState::NotReady);
  EXPECT_EQ(h.link.LinkStatusText(), "设备未连接");
  EXPECT_EQ(h.view.linkLook.back(), LinkButton::UnLinkBtn);
  EXPECT_FALSE(h.view.statusVisible);
  h.Advance(5000);
  EXPECT_EQ(h.port.Writes().size(), 1u);  // no keep-alive follows

  h.link.SendParameter(0x0500, 3);  // not sent, only stored
  EXPECT_EQ(h.port.Writes().size(), 1u);
  EXPECT_EQ(h.model.Value(0x0500), 3);
}

TEST(LinkButtons, ClosingTheMainWindowSaysGoodbyeOnlyWhenConnected) {
  LinkHarness connected;
  connected.ConnectQuietly();
  connected.link.FormCloseQuery();
  EXPECT_EQ(connected.port.Writes(), (std::vector<Bytes>{kDisconnectRequest}));

  LinkHarness searching;
  searching.link.SetPortList({"COM1"});
  searching.link.LinkBtnClick(LinkButton::LinkBtn);
  searching.Advance(1000);
  searching.port.ClearWrites();
  searching.link.FormCloseQuery();
  EXPECT_TRUE(searching.port.Writes().empty());
}

TEST(LinkActions, UploadRunsOnlyOnAReadyLink) {
  LinkHarness h;
  ASSERT_TRUE(h.port.Open("COM1"));
  h.link.RunLinkAction(6);
  EXPECT_TRUE(h.port.Writes().empty());
  EXPECT_FALSE(h.timers.IsRunning(LinkTimer::Timer2));
  EXPECT_EQ(h.link.LinkStatusText(), "设备未连接");
}

TEST(LinkActions, LostLinkMessageIsOwnedByTheMainWindow) {
  LinkHarness h;
  h.ConnectQuietly();
  h.link.SetSendSuppressed(true);
  h.Advance(12100);  // the device stays silent
  ASSERT_EQ(h.dialogs.ShownBoxes().size(), 1u);
  EXPECT_EQ(h.dialogs.ShownBoxes()[0].text, "已断开连接!");
  EXPECT_EQ(h.dialogs.ShownBoxes()[0].owner, DialogOwner::MainWindow);
  EXPECT_FALSE(h.link.SendSuppressed());
  EXPECT_EQ(h.view.statusText, "设备未连接");
}

}  // namespace
}  // namespace fenwave
