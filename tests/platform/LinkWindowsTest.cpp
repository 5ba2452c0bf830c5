// The link's windows: the status window's texts and look, the invisible link window that never
// shows or closes, its port and timers wired to the link, and the view split between windows.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "link/DeviceLink.h"
#include "model/ParameterModel.h"
#include "support/FakeDialogs.h"
#include "support/FakeLinkView.h"
#include "support/RunEvents.h"
#include "ui/StatusLinkView.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"

namespace fenwave {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(TForm2, ShowsTheWaitNoteTheStatusTextAndAPercentage) {
  TForm2 form;
  EXPECT_EQ(form.objectName(), "TForm2");
  EXPECT_EQ(form.windowTitle().toStdString(), "设备状态");
  EXPECT_EQ(form.Label1()->objectName(), "Label1");
  EXPECT_EQ(form.Label1()->text().toStdString(), "请稍等,可能需要几秒钟才能完成操作！");
  EXPECT_EQ(form.LinkLabel()->objectName(), "LinkLabel");
  EXPECT_EQ(form.LinkLabel()->text().toStdString(), "设备未连接");
  EXPECT_EQ(form.RzProgressStatus1()->objectName(), "RzProgressStatus1");
  EXPECT_EQ(form.RzProgressStatus1()->value(), 0);
  EXPECT_FALSE(form.isVisible());

  form.SetStatusText("连接中...");
  EXPECT_EQ(form.LinkLabel()->text().toStdString(), "连接中...");

  const struct {
    int percent;
    int shown;
  } progress[] = {{0, 0}, {37, 37}, {100, 100}, {-5, 0}, {250, 100}};
  for (const auto& p : progress) {
    form.SetProgress(p.percent);
    EXPECT_EQ(form.RzProgressStatus1()->value(), p.shown) << p.percent;
  }
  EXPECT_EQ(form.RzProgressStatus1()->text().toStdString(), "100%");
}

TEST(TForm2, IsASmallStayOnTopDialogWithoutTitleBarButtonsCentredOnTheScreen) {
  TForm2 form;
  const Qt::WindowFlags flags = form.windowFlags();
  EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
  EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
  EXPECT_TRUE(flags & Qt::WindowTitleHint);
  for (const Qt::WindowType button : {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                                      Qt::WindowMaximizeButtonHint, Qt::WindowSystemMenuHint}) {
    EXPECT_FALSE(flags & button) << button;
  }
  EXPECT_EQ(form.size(), QSize(306, 85));
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  const QScreen* screen = QGuiApplication::primaryScreen();
  ASSERT_NE(screen, nullptr);
  const QPoint offset = form.geometry().center() - screen->geometry().center();
  EXPECT_LE(offset.manhattanLength(), 2);
}

TEST(TForm2, ShowsAndHidesOnRequest) {
  TForm2 form;
  form.SetStatusVisible(true);
  EXPECT_TRUE(form.isVisible());
  form.SetStatusVisible(true);
  EXPECT_TRUE(form.isVisible());
  form.SetStatusVisible(false);
  EXPECT_FALSE(form.isVisible());
}

TEST(TForm3, StaysHiddenWhenShownAndHidesInsteadOfClosing) {
  TForm3 form;
  EXPECT_EQ(form.objectName(), "TForm3");
  EXPECT_EQ(form.windowTitle().toStdString(), "系统");
  const std::vector<std::function<void()>> showings = {
      [&] { form.show(); },
      [&] { form.setVisible(true); },
      [&] { form.showNormal(); },
      [&] { form.showMaximized(); },
  };
  for (const auto& show : showings) {
    show();
    EXPECT_FALSE(form.isVisible());
  }
  EXPECT_FALSE(form.close());
  EXPECT_FALSE(form.isVisible());
  // Still able to work after the refused close.
  EXPECT_EQ(form.findChild<QObject*>("ComPort"), &form.ComPort());
}

TEST(TForm3, HoldsThePortAndThreeStoppedTimers) {
  TForm3 form;
  const struct {
    const char* name;
    int intervalMs;
  } timers[] = {{"Timer1", 1000}, {"Timer2", 100}, {"HoldTimer", 20}};
  for (const auto& t : timers) {
    const auto* timer = form.findChild<QTimer*>(t.name);
    ASSERT_NE(timer, nullptr) << t.name;
    EXPECT_EQ(timer->interval(), t.intervalMs) << t.name;
    EXPECT_EQ(timer->timerType(), Qt::PreciseTimer) << t.name;
    EXPECT_FALSE(timer->isActive()) << t.name;
  }
  EXPECT_FALSE(form.Port().IsOpen());
}

// A link wired to a TForm3: the real port and timers, the fakes for view and dialogs.
class AttachedLink : public ::testing::Test {
 protected:
  AttachedLink() { m_Form.Attach(m_Link); }

  // Fires a timer the way its interval running out would.
  void Fire(const char* timerName) {
    auto* timer = m_Form.findChild<QTimer*>(timerName);
    ASSERT_NE(timer, nullptr) << timerName;
    ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout")) << timerName;
  }

  ParameterModel m_Model;
  fakes::FakeLinkView m_View;
  fakes::FakeDialogs m_Dialogs;
  TForm3 m_Form;
  DeviceLink m_Link{m_Model, m_Form.Port(), m_Form.Timers(), m_View, m_Dialogs};
};

TEST_F(AttachedLink, TimerTicksReachTheLink) {
  // Timer1 with an empty port list: the search fails on its first tick.
  Fire("Timer1");
  EXPECT_EQ(m_Dialogs.Texts(), std::vector<std::string>{"连接失败!"});
  // Timer2 shows the status window on every tick.
  m_View.statusVisible = false;
  Fire("Timer2");
  EXPECT_TRUE(m_View.statusVisible);
  // HoldTimer counts the hold ticks.
  const int before = m_Link.HoldTicks();
  Fire("HoldTimer");
  EXPECT_EQ(m_Link.HoldTicks(), before + 1);
}

TEST_F(AttachedLink, DetachedTimersTickNothing) {
  m_Form.Detach();
  Fire("Timer1");
  Fire("HoldTimer");
  EXPECT_TRUE(m_Dialogs.ShownBoxes().empty());
  EXPECT_EQ(m_Link.HoldTicks(), 0);
}

TEST_F(AttachedLink, LinkTimersAreTheWindowsTimers) {
  m_Link.LinkBtnClick(LinkButton::LinkBtn);
  EXPECT_TRUE(m_Form.findChild<QTimer*>("Timer1")->isActive());
  EXPECT_FALSE(m_Form.findChild<QTimer*>("Timer2")->isActive());
  EXPECT_FALSE(m_Form.findChild<QTimer*>("HoldTimer")->isActive());
  m_Link.LinkBtnClick(LinkButton::UnLinkBtn);
  EXPECT_FALSE(m_Form.findChild<QTimer*>("Timer1")->isActive());
}

// A pseudo-terminal whose slave the port opens; the test plays the device on the master.
class PseudoTerminalPair {
 public:
  PseudoTerminalPair() {
    m_Master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_Master < 0 || ::grantpt(m_Master) != 0 || ::unlockpt(m_Master) != 0) return;
    const char* name = ::ptsname(m_Master);
    if (name == nullptr) return;
    m_SlavePath = name;
    // Raw from the start, so no byte is echoed or translated before the port sets its modes.
    m_Slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios t{};
    if (m_Slave < 0 || ::tcgetattr(m_Slave, &t) != 0) return;
    ::cfmakeraw(&t);
    ::tcsetattr(m_Slave, TCSANOW, &t);
  }
  ~PseudoTerminalPair() {
    if (m_Slave >= 0) ::close(m_Slave);
    if (m_Master >= 0) ::close(m_Master);
  }
  PseudoTerminalPair(const PseudoTerminalPair&) = delete;
  PseudoTerminalPair& operator=(const PseudoTerminalPair&) = delete;

  [[nodiscard]] const std::string& SlavePath() const { return m_SlavePath; }

  void Write(const Bytes& bytes) const {
    ASSERT_EQ(::write(m_Master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }

  // What the port wrote, collected until `count` bytes are in or `within` has passed. The
  // event loop does not run meanwhile.
  [[nodiscard]] Bytes Read(std::size_t count, std::chrono::milliseconds within) const {
    const auto deadline = Clock::now() + within;
    Bytes received;
    while (received.size() < count) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      pollfd p{m_Master, POLLIN, 0};
      if (left <= 0 || ::poll(&p, 1, static_cast<int>(left)) <= 0) break;
      std::uint8_t buffer[256];
      const ssize_t n = ::read(m_Master, buffer, sizeof buffer);
      if (n > 0) received.insert(received.end(), buffer, buffer + n);
    }
    return received;
  }

 private:
  int m_Master = -1;
  int m_Slave = -1;
  std::string m_SlavePath;
};

using fakes::RunEventsUntil;

TEST_F(AttachedLink, BytesGoOutAtOnceAndArrivingBytesReachTheLink) {
  PseudoTerminalPair terminal;
  ASSERT_FALSE(terminal.SlavePath().empty());
  ASSERT_TRUE(m_Form.Port().Open(terminal.SlavePath()));

  // A keep-alive leaves while the caller still holds the thread: no event loop turn needed.
  m_Link.SendLinkControl(0x66);
  EXPECT_EQ(terminal.Read(9, 500ms), (Bytes{0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x30, 0x66, 0x00, 0xF3}));
  EXPECT_EQ(m_Form.ComPort().PendingWriteBytes(), 0);

  EXPECT_FALSE(m_Link.AckReceived());
  terminal.Write({0xFE, 0xBB});
  EXPECT_TRUE(RunEventsUntil([&] { return m_Link.AckReceived(); }, 1s));
}

TEST(QtSerialPort, RefusesPortsThatCannotBeOpenedAndWritesNothingWhenClosed) {
  QtSerialPort port;
  for (const std::string name : {"", "/dev/fenwave-absent"}) {
    EXPECT_FALSE(port.Open(name)) << name;
    EXPECT_FALSE(port.IsOpen()) << name;
  }
  EXPECT_FALSE(port.ErrorText().empty());
  EXPECT_FALSE(port.Write({0xFC, 0xB1}));
}

TEST(StatusLinkView, StatusGoesToTheStatusWindowAndTheRestToTheMainWindow) {
  struct MainRecord final : MainLinkView {
    void SetLinkLabel(const std::string& text) override { calls.push_back("label " + text); }
    void SetLinkButtonsLook(LinkButton active) override {
      calls.push_back(active == LinkButton::LinkBtn ? "look linked" : "look unlinked");
    }
    void RefreshControls(int which) override {
      calls.push_back("refresh " + std::to_string(which));
    }
    void SetDeviceIdCaption(const std::string& text) override { calls.push_back("id " + text); }
    void SetUserLevelGroupEnabled(bool enabled) override {
      calls.push_back(enabled ? "group on" : "group off");
    }
    void ShowWriteError(const std::string& message) override {
      calls.push_back("error " + message);
    }
    std::vector<std::string> calls;
  };
  TForm2 status;
  MainRecord main;
  StatusLinkView view(status, main);

  view.SetStatusText("下载数据...");
  view.SetStatusProgress(38);
  view.SetStatusVisible(true);
  EXPECT_EQ(status.LinkLabel()->text().toStdString(), "下载数据...");
  EXPECT_EQ(status.RzProgressStatus1()->value(), 38);
  EXPECT_TRUE(status.isVisible());
  EXPECT_TRUE(main.calls.empty());

  view.SetLinkLabel("设备已连接");
  view.SetLinkButtonsLook(LinkButton::UnLinkBtn);
  view.RefreshControls(20);
  view.SetDeviceIdCaption("5A3C9E17");
  view.SetUserLevelGroupEnabled(true);
  view.ShowWriteError("broken");
  EXPECT_EQ(main.calls, (std::vector<std::string>{"label 设备已连接", "look unlinked", "refresh 20",
                                                  "id 5A3C9E17", "group on", "error broken"}));
  EXPECT_EQ(status.LinkLabel()->text().toStdString(), "下载数据...");
}

}  // namespace
}  // namespace fenwave
