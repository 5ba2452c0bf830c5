// The System page on the main window with the real binding and link view, a link on a fake port
// (and a fake device that answers it), and backups in a temporary program folder: the controls
// as designed, the backup list, saving and loading, the user level, the device modes and the
// password fields.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QValidator>

#include "link/DeviceLink.h"
#include "model/ParameterModel.h"
#include "platform/LocalFileSystem.h"
#include "support/FakeDialogs.h"
#include "support/FakeLinkTimers.h"
#include "support/FakeSerialPort.h"
#include "support/LinkHarness.h"
#include "ui/BitmapButton.h"
#include "ui/ControlBinding.h"
#include "ui/ControlKinds.h"
#include "ui/ControlProps.h"
#include "ui/MainFrm.h"
#include "ui/MainWindowLinkView.h"
#include "ui/StatusLinkView.h"
#include "ui/SystemPage.h"
#include "ui/Unit2.h"

namespace fenwave {
namespace {

using fakes::FakeDialogs;

QString Q(const char* text) {
  return QString::fromUtf8(text);
}

std::string ReadAll(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

bool WriteAll(const std::string& path, const std::string& content) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::WriteOnly) &&
         file.write(content.data(), static_cast<qint64>(content.size())) ==
             static_cast<qint64>(content.size());
}

// The main window and its System page, wired as the application wires them.
class SystemPageTest : public ::testing::Test {
 protected:
  SystemPageTest() {
    m_Port.SetReceiver(
        [this](std::span<const std::uint8_t> bytes) { m_Link.OnBytesArrived(bytes); });
    // Settings in range; user level 0 (user).
    m_Answers.blockValue = [](int module, int entry) -> std::uint16_t {
      if (module == 0 && entry <= 1) return 0;  // automatic, sing bank
      if (module == 9) return entry == 2 || entry == 12 ? 0 : entry == 3 ? 1 : 20;
      return static_cast<std::uint16_t>((module * 7 + entry) % 30);
    };
    m_MainView.SetBinding(&m_Binding);
    m_Binding.BuildBindingTable();
    m_Window.show();
    m_Window.FormTabBtn1Click(m_Window.PageButtons()[kSystemPage]);
    QCoreApplication::processEvents();
    m_Page.PrepareFolders();
    m_Page.ListBackups();
  }
  ~SystemPageTest() override { m_MainView.SetBinding(nullptr); }

  BackupPlaces Places() {
    QDir(m_Dir.path()).mkpath(QStringLiteral("program"));
    return {m_Dir.filePath(QStringLiteral("program")).toStdString(),
            m_Dir.filePath(QStringLiteral("user")).toStdString()};
  }

  template <class T = QWidget> T* Find(const char* name) const {
    T* control = m_Window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  void Click(const char* button) { Find<BitmapButton>(button)->click(); }

  // Every millisecond the device's answers arrive, then the due link timers fire.
  void Advance(int milliseconds) {
    for (int i = 0; i < milliseconds; ++i) {
      m_Port.DeliverPending();
      m_Timers.Advance(1, [this](LinkTimer timer) {
        switch (timer) {
        case LinkTimer::Timer1:
          m_Link.Timer1Tick();
          break;
        case LinkTimer::Timer2:
          m_Link.Timer2Tick();
          break;
        case LinkTimer::HoldTimer:
          m_Link.HoldTick();
          break;
        }
      });
    }
  }
  template <class Done> bool AdvanceUntil(Done done, int milliseconds) {
    for (int ms = 0; ms < milliseconds && !done(); ms += 10)
      Advance(10);
    return done();
  }

  // Connects to the answering device (full read and refresh included); the device goes on
  // answering, and the writes and boxes of the connection are forgotten.
  void Connect() {
    m_Link.SetPortList({m_Answers.port});
    m_Port.SetResponder([this](const std::string& name, const Bytes& written) {
      return name == m_Answers.port ? fakes::AnswerOf(m_Answers, written) : Bytes{};
    });
    m_Link.LinkBtnClick(LinkButton::LinkBtn);
    ASSERT_TRUE(AdvanceUntil([this] { return m_Link.State() == LinkState::Ready; }, 20000));
    m_Port.ClearWrites();
    m_Dialogs.Clear();
  }

  [[nodiscard]] bool Wrote(const Bytes& frame) const {
    return std::find(m_Port.Writes().begin(), m_Port.Writes().end(), frame) !=
           m_Port.Writes().end();
  }

  void Save(const char* name) {
    Find<QLineEdit>("FileEdit")->setText(Q(name));
    Click("RzBmpButton120");
  }
  void Upload(const char* name) {
    Find<QLineEdit>("FileEdit")->setText(Q(name));
    Click("RzBmpButton119");
  }
  [[nodiscard]] std::string BackupPath(const std::string& name) const {
    return m_Page.Folders().backupFolder + "/" + name + ".Nddt";
  }
  // The list as the user sees it: "number name" per row.
  [[nodiscard]] QStringList ListRows() const {
    auto* table = Find<QTableWidget>("ValueListEditor1");
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r)
      rows.append(table->item(r, 0)->text() + QLatin1Char(' ') + table->item(r, 1)->text());
    return rows;
  }
  [[nodiscard]] QString FileEdit() const { return Find<QLineEdit>("FileEdit")->text(); }

  QTemporaryDir m_Dir;
  ParameterModel m_Model;
  fakes::FakeSerialPort m_Port;
  fakes::FakeLinkTimers m_Timers;
  FakeDialogs m_Dialogs;
  fakes::DeviceAnswers m_Answers;
  TForm1 m_Window;
  TForm2 m_Status;
  MainWindowLinkView m_MainView{m_Window, m_Dialogs};
  StatusLinkView m_View{m_Status, m_MainView};
  DeviceLink m_Link{m_Model, m_Port, m_Timers, m_View, m_Dialogs};
  ControlBinding m_Binding{m_Window, m_Model, m_Link, [] {}};
  LocalFileSystem m_Files;
  SystemPage m_Page{m_Window, m_Link, m_Model, m_Files, m_Dialogs, Places()};
};

// ---------------------------------------------------------------------------------------------
// The page as designed.

TEST_F(SystemPageTest, PanelsStandInTwoColumnsAndHoldTheirControls) {
  QWidget* sheet = m_Window.Sheet(kSystemPage);
  const char* left[] = {"CurvyPanel18", "CurvyPanel19", "CurvyPanel22"};
  const char* right[] = {"CurvyPanel23", "CurvyPanel20", "CurvyPanel21"};
  for (const auto& column : {left, right}) {
    for (int i = 0; i < 3; ++i) {
      QWidget* panel = Find(column[i]);
      EXPECT_EQ(panel->parentWidget(), sheet) << column[i];
      EXPECT_TRUE(sheet->rect().contains(panel->geometry())) << column[i];
      EXPECT_EQ(panel->x(), Find(column[0])->x()) << column[i];
      if (i > 0) {
        EXPECT_GT(panel->y(), Find(column[i - 1])->geometry().bottom()) << column[i];
      }
    }
  }
  EXPECT_LT(Find(left[0])->geometry().right(), Find(right[0])->x());

  const std::pair<const char*, std::vector<const char*>> contents[] = {
      {"CurvyPanel18",
       {"SysMusStartVolBar", "SysMusMaxVolPane", "SysMicStartVolBar", "SysEffMaxVolBar"}},
      {"CurvyPanel19", {"SysPanelBtn1", "SysPanelBtn2", "PassPanelLabel1", "NewPassLabel2"}},
      {"CurvyPanel22",
       {"SysPassEdit", "RzBmpButton118", "SysUserMangerGrop", "SysPanelLabel1",
        "NewSysPassLabel2"}},
      {"CurvyPanel23", {"RzBmpButton119", "ValueListEditor1", "FileEdit", "RzBmpButton120"}},
      {"CurvyPanel20", {"SysModeBox", "RzBmpButton121", "PresetModeEdit", "RzBmpButton138"}},
      {"CurvyPanel21", {"DeviceIDLabel"}},
      {"SysUserMangerGrop", {"SysUserBtn", "SysManagerBtn"}},
  };
  for (const auto& [panel, names] : contents) {
    for (const char* name : names)
      EXPECT_TRUE(Find(panel)->isAncestorOf(Find(name))) << name << " in " << panel;
  }
}

TEST_F(SystemPageTest, ControlsStartAsDesigned) {
  struct Volume {
    const char* bar;
    const char* role;
    const char* pane;
  };
  const Volume volumes[] = {
      {"SysMusStartVolBar", "1", "SysMusStartVolPane"},
      {"SysMusMaxVolBar", "2", "SysMusMaxVolPane"},
      {"SysMicStartVolBar", "1", "SysMicStartVolPane"},
      {"SysMicMaxVolBar", "2", "SysMicMaxVolPane"},
      {"SysEffStartVolBar", "1", "SysEffStartVolPane"},
      {"SysEffMaxVolBar", "2", "SysEffMaxVolPane"},
  };
  // A fresh window: the binding's first refresh has not moved anything on this one.
  TForm1 design;
  auto find = [&design](const char* name) {
    return design.findChild<QWidget*>(QString::fromLatin1(name));
  };
  for (const Volume& v : volumes) {
    auto* bar = qobject_cast<QSlider*>(find(v.bar));
    ASSERT_NE(bar, nullptr) << v.bar;
    EXPECT_EQ(bar->orientation(), Qt::Horizontal) << v.bar;
    EXPECT_EQ(bar->maximum(), 84) << v.bar;
    EXPECT_EQ(bar->value(), 50) << v.bar;
    EXPECT_EQ(Hint(bar), Q(v.role)) << v.bar;
    auto* pane = qobject_cast<ValuePane*>(find(v.pane));
    ASSERT_NE(pane, nullptr) << v.pane;
    EXPECT_EQ(pane->text(), Q("100")) << v.pane;
    EXPECT_EQ(Hint(pane), Q("0")) << v.pane;
  }

  struct Radio {
    const char* name;
    const char* caption;
    const char* value;
  };
  const Radio radios[] = {{"SysPanelBtn1", "禁用", "0"},
                          {"SysPanelBtn2", "开启", "1"},
                          {"SysUserBtn", "用户", "0"},
                          {"SysManagerBtn", "管理员", "1"}};
  for (const Radio& r : radios) {
    auto* button = qobject_cast<BitmapButton*>(find(r.name));
    ASSERT_NE(button, nullptr) << r.name;
    EXPECT_EQ(button->text(), Q(r.caption)) << r.name;
    EXPECT_EQ(Hint(button), Q(r.value)) << r.name;
  }

  struct Field {
    const char* name;
    int maxLength;
    bool masked;
    bool enabled;
  };
  const Field fields[] = {
      {"PassPanelLabel1", 4, false, true},  {"NewPassLabel1", 4, true, false},
      {"NewPassLabel2", 4, true, false},    {"SysPassEdit", 6, true, true},
      {"SysPanelLabel1", 6, true, true},    {"NewSysPassLabel1", 6, true, false},
      {"NewSysPassLabel2", 6, true, false}, {"PresetModeEdit", 20, false, true},
  };
  for (const Field& f : fields) {
    auto* edit = qobject_cast<QLineEdit*>(find(f.name));
    ASSERT_NE(edit, nullptr) << f.name;
    EXPECT_EQ(edit->maxLength(), f.maxLength) << f.name;
    EXPECT_EQ(edit->isEnabled(), f.enabled) << f.name;
    edit->setText(Q("123"));
    EXPECT_EQ(edit->displayText(), f.masked ? Q("●●●") : Q("123")) << f.name;
  }

  struct Button {
    const char* name;
    const char* caption;
    bool enabled;
  };
  const Button buttons[] = {
      {"RzBmpButton118", "确定", true},           {"RzBmpButton119", "上传数据到设备", true},
      {"RzBmpButton120", "保存数据到电脑", true}, {"RzBmpButton121", "调用设备模式", true},
      {"RzBmpButton138", "保存设备模式", false},
  };
  for (const Button& b : buttons) {
    auto* button = qobject_cast<BitmapButton*>(find(b.name));
    ASSERT_NE(button, nullptr) << b.name;
    EXPECT_EQ(button->text(), Q(b.caption)) << b.name;
    EXPECT_EQ(button->isEnabled(), b.enabled) << b.name;
  }

  auto* modes = qobject_cast<QComboBox*>(find("SysModeBox"));
  ASSERT_NE(modes, nullptr);
  ASSERT_EQ(modes->count(), 16);
  EXPECT_EQ(modes->itemText(0), Q("1-"));
  EXPECT_EQ(modes->itemText(15), Q("16-"));

  auto* list = qobject_cast<QTableWidget*>(find("ValueListEditor1"));
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->columnCount(), 2);
  EXPECT_EQ(list->horizontalHeaderItem(0)->text(), Q("      序号"));
  EXPECT_EQ(list->horizontalHeaderItem(1)->text(), Q("                   （电脑）数据名称"));
  EXPECT_EQ(list->columnWidth(0), 74);
  EXPECT_EQ(list->columnWidth(1), 467);
  EXPECT_EQ(list->verticalHeader()->defaultSectionSize(), 20);
  EXPECT_EQ(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
  // The two columns and the scroll bar fit in the list as shown.
  EXPECT_GE(Find<QTableWidget>("ValueListEditor1")->viewport()->width(), 74 + 467);

  EXPECT_EQ(qobject_cast<QLabel*>(find("DeviceIDLabel"))->text(), Q("00000000"));
  EXPECT_TRUE(find("SysUserMangerGrop")->isEnabled());
  for (const char* hidden : {"Memo1", "FileListBox1"}) {
    ASSERT_NE(find(hidden), nullptr) << hidden;
    EXPECT_FALSE(find(hidden)->isVisibleTo(&design)) << hidden;
  }
}

// ---------------------------------------------------------------------------------------------
// Backup list, save and load.

TEST_F(SystemPageTest, SavingUnderAListedNameAsksOnceAndOnlyOkOverwrites) {
  Save("b");
  for (const bool ok : {false, true}) {
    const char* name = ok ? "ok" : "cancel";
    SCOPED_TRACE(name);
    m_Model.SetDeviceValue(5, 0, 11);
    Save(name);
    ASSERT_TRUE(m_Dialogs.ShownBoxes().empty()) << m_Dialogs.Texts().front();
    const std::string before = ReadAll(BackupPath(name));
    const QStringList rowsBefore = ListRows();
    ASSERT_EQ(rowsBefore.size(), ok ? 3 : 2);

    m_Model.SetDeviceValue(5, 0, 12);
    m_Dialogs.Answer(ok);
    Save(name);
    ASSERT_EQ(m_Dialogs.ShownBoxes().size(), 1u);
    EXPECT_EQ(m_Dialogs.ShownBoxes()[0].caption, "*系统提示*");
    EXPECT_EQ(m_Dialogs.ShownBoxes()[0].text, "文件已存在,覆盖它吗?");
    EXPECT_EQ(m_Dialogs.ShownBoxes()[0].buttons, DialogButtons::OkCancel);
    EXPECT_EQ(ListRows(), rowsBefore);
    EXPECT_EQ(ReadAll(BackupPath(name)) == before, !ok);

    // What was written is the image of the moment: loading it back brings 12, or still 11.
    m_Model.SetDeviceValue(5, 0, 0);
    m_Dialogs.Clear();
    m_Dialogs.Answer(true);
    Upload(name);
    EXPECT_EQ(m_Model.DeviceValue(5, 0), ok ? 12 : 11);
    m_Dialogs.Clear();
  }
}

TEST_F(SystemPageTest, ANewNameAsksNothingAndAddsARowAndAnEmptyNameSavesDotNddt) {
  Save("Zed");
  Save("alpha");
  EXPECT_TRUE(m_Dialogs.ShownBoxes().empty());
  EXPECT_EQ(ListRows(), QStringList({Q("0 alpha"), Q("1 Zed")}));
  // Letter case makes another name: no question.
  Save("ALPHA");
  EXPECT_TRUE(m_Dialogs.ShownBoxes().empty());
  EXPECT_EQ(ListRows().size(), 3);

  Save("");
  EXPECT_TRUE(m_Dialogs.ShownBoxes().empty());
  EXPECT_TRUE(QFile::exists(QString::fromStdString(m_Page.Folders().backupFolder + "/.Nddt")));
  EXPECT_EQ(ListRows(), QStringList({Q("0 "), Q("1 ALPHA"), Q("2 alpha"), Q("3 Zed")}));
  auto* files = Find<QListWidget>("FileListBox1");
  ASSERT_EQ(files->count(), 4);
  EXPECT_EQ(files->item(0)->text(), Q(".Nddt"));
}

TEST_F(SystemPageTest, AfterAListingFileEditShowsTheNameInTheCurrentRow) {
  Save("b");
  EXPECT_EQ(FileEdit(), Q("b"));
  // The current row stays the first one: the name just saved need not be shown.
  Save("a");
  EXPECT_EQ(ListRows(), QStringList({Q("0 a"), Q("1 b")}));
  EXPECT_EQ(FileEdit(), Q("a"));
  Save("c");
  EXPECT_EQ(FileEdit(), Q("a"));
}

TEST_F(SystemPageTest, AFailedSaveReportsAndLeavesTheListAlone) {
  Save("kept");
  ASSERT_EQ(ListRows(), QStringList({Q("0 kept")}));
  const std::string kept = ReadAll(BackupPath("kept"));

  struct Case {
    const char* name;
    bool removeFolder;
    const char* message;
  };
  const Case cases[] = {
      {"../outside", false, "文件名无效!"},
      {"a\\b", false, "文件名无效!"},
      {"new", true, "文件保存失败!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.removeFolder) {
      // The folder goes away behind the program's back.
      ASSERT_TRUE(QDir(QString::fromStdString(m_Page.Folders().backupFolder)).removeRecursively());
    }
    m_Dialogs.Clear();
    Save(c.name);
    ASSERT_EQ(m_Dialogs.ShownBoxes().size(), 1u);
    EXPECT_EQ(m_Dialogs.ShownBoxes()[0].caption, "");
    EXPECT_EQ(m_Dialogs.ShownBoxes()[0].text, c.message);
    EXPECT_EQ(m_Dialogs.ShownBoxes()[0].buttons, DialogButtons::Ok);
    EXPECT_EQ(ListRows(), QStringList({Q("0 kept")}));
    EXPECT_EQ(FileEdit(), Q(c.name));
  }
  EXPECT_FALSE(QFile::exists(m_Dir.filePath(QStringLiteral("program/Mode/outside.Nddt"))));
}

TEST_F(SystemPageTest, ClickingTheThirdRowPutsItsNameIntoFileEditAndFocusesItAfterStartUp) {
  for (const char* name : {"d", "c", "b", "a"})
    Save(name);
  auto* table = Find<QTableWidget>("ValueListEditor1");
  auto* edit = Find<QLineEdit>("FileEdit");
  m_Window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&m_Window));

  for (const bool startupComplete : {false, true}) {
    SCOPED_TRACE(startupComplete ? "after start-up" : "during start-up");
    m_Window.SetStartupComplete(startupComplete);
    table->setFocus();
    edit->setText(Q("typed"));
    const QRect third = table->visualItemRect(table->item(2, 1));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, third.center());
    EXPECT_EQ(edit->text(), Q("c"));
    EXPECT_EQ(edit->hasFocus(), startupComplete);
  }
  const QRect first = table->visualItemRect(table->item(0, 0));
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, first.center());
  EXPECT_EQ(edit->text(), Q("a"));
}

TEST_F(SystemPageTest, TypingIntoTheListChangesNothing) {
  for (const char* name : {"apple", "cherry", "banana"})
    Save(name);
  auto* table = Find<QTableWidget>("ValueListEditor1");
  table->setCurrentCell(0, 1);
  const QStringList rows = ListRows();
  table->setFocus();
  // Letters would jump to a row by its first letter; Enter, Backspace and digits edit nothing.
  QTest::keyClicks(table, QStringLiteral("cb9x"));
  QTest::keyClick(table, Qt::Key_Return);
  QTest::keyClick(table, Qt::Key_Backspace);
  EXPECT_EQ(ListRows(), rows);
  EXPECT_EQ(table->currentRow(), 0);
  EXPECT_EQ(FileEdit(), Q("apple"));
}

TEST_F(SystemPageTest, TheUploadQuestionNamesTheFileAndNoDoesNothing) {
  Save("abc");
  m_Model.SetDeviceValue(5, 0, 29);
  m_Dialogs.Answer(false);
  Upload("abc");
  ASSERT_EQ(m_Dialogs.ShownBoxes().size(), 1u);
  EXPECT_EQ(m_Dialogs.ShownBoxes()[0].caption, "Confirm");
  EXPECT_EQ(m_Dialogs.ShownBoxes()[0].text, "加载模式：abc?");
  EXPECT_EQ(m_Dialogs.ShownBoxes()[0].buttons, DialogButtons::YesNo);
  EXPECT_EQ(m_Model.DeviceValue(5, 0), 29);
  EXPECT_TRUE(m_Port.Writes().empty());
}

TEST_F(SystemPageTest, ALoadThatFailsReportsItsMessageAndChangesNothing) {
  Save("good");
  // A backup whose count line no longer matches: every line but the check line.
  const std::string good = ReadAll(BackupPath("good"));
  const std::size_t lastLine = good.rfind("\r\n", good.size() - 3);
  ASSERT_NE(lastLine, std::string::npos);
  ASSERT_TRUE(WriteAll(BackupPath("cut"), good.substr(0, lastLine + 2)));
  ASSERT_TRUE(WriteAll(BackupPath("text"), "not a backup\r\n"));

  struct Case {
    const char* name;
    const char* message;
  };
  const Case cases[] = {
      {"abc", "文件不存在"},
      {"cut", "数据文件损坏!"},
      {"text", "数据文件损坏!"},
      {"../good", "文件名无效!"},
  };
  m_Model.SetDeviceValue(5, 0, 29);
  const DeviceImageTable image = m_Model.DeviceImage();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_Dialogs.Clear();
    m_Dialogs.Answer(true);
    Upload(c.name);
    ASSERT_EQ(m_Dialogs.ShownBoxes().size(), 2u);
    EXPECT_EQ(m_Dialogs.ShownBoxes()[0].text, std::string("加载模式：") + c.name + "?");
    EXPECT_EQ(m_Dialogs.ShownBoxes()[1].caption, "");
    EXPECT_EQ(m_Dialogs.ShownBoxes()[1].text, c.message);
    EXPECT_EQ(m_Dialogs.ShownBoxes()[1].buttons, DialogButtons::Ok);
    EXPECT_TRUE(m_Model.DeviceImage() == image);
  }
  EXPECT_TRUE(m_Port.Writes().empty());
}

TEST_F(SystemPageTest, ALoadedBackupIsUploadedWhenConnectedAndWaitsOtherwise) {
  Save("keep");  // music level of the main output (block 5 entry 0) is 0 here
  m_Model.SetDeviceValue(5, 0, 27);
  m_Dialogs.Answer(true);
  Upload("keep");
  EXPECT_EQ(m_Model.DeviceValue(5, 0), 0);
  EXPECT_TRUE(m_Port.Writes().empty());
  EXPECT_EQ(m_Dialogs.ShownBoxes().size(), 1u);

  Connect();
  ASSERT_EQ(m_Model.DeviceValue(5, 0), 5 * 7 % 30);  // the device's own value
  m_Model.SetDeviceValue(5, 0, 27);
  Save("keep2");
  m_Model.SetDeviceValue(5, 0, 3);
  m_Dialogs.Answer(true);
  Upload("keep2");
  EXPECT_EQ(m_Link.Direction(), TransferDirection::Upload);
  EXPECT_EQ(m_Link.LinkStatusText(), "下载数据...");
  ASSERT_TRUE(AdvanceUntil([this] { return m_Link.State() == LinkState::Ready; }, 5000));
  // Nine blocks went to the device (0x090F), and the pages show the loaded image.
  const auto blocks =
      std::count_if(m_Port.Writes().begin(), m_Port.Writes().end(),
                    [](const Bytes& w) { return w.size() > 6 && w[4] == 0x09 && w[5] == 0x0F; });
  EXPECT_EQ(blocks, 9);
  EXPECT_EQ(m_Model.Value(0x0500), 27);
  EXPECT_EQ(Find<QSlider>("MainMusLevelBar")->value(), 27);
}

// ---------------------------------------------------------------------------------------------
// User level and device modes.

TEST_F(SystemPageTest, TheSystemPasswordOpensTheUserLevelGroupOnlyWhileConnected) {
  struct Case {
    bool connected;
    const char* typed;
    bool opens;
    std::vector<std::string> boxes;
  };
  // The device told its password (123456) while connected; then the link goes down.
  const Case cases[] = {
      {true, "12a34b56", true, {}},  // the letters never reach the field
      {true, "123450", false, {"密码错误!"}},
      {true, "12345", false, {"密码错误!"}},
      {false, "123456", false, {}},
  };
  auto* group = Find("SysUserMangerGrop");
  auto* field = Find<QLineEdit>("SysPassEdit");
  Connect();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    if (!c.connected && m_Link.State() == LinkState::Ready) {
      m_Link.LinkBtnClick(LinkButton::UnLinkBtn);
      ASSERT_EQ(m_Link.State(), LinkState::NotReady);
      ASSERT_EQ(m_Link.SystemPassword(), "123456");
    }
    group->setEnabled(false);
    m_Dialogs.Clear();
    m_Port.ClearWrites();
    QTest::keyClicks(field, Q(c.typed));
    Click("RzBmpButton118");
    EXPECT_EQ(field->text(), QString());
    EXPECT_EQ(group->isEnabled(), c.opens);
    EXPECT_EQ(m_Dialogs.Texts(), c.boxes);
    EXPECT_EQ(Wrote({0xFC, 0xB1, 0x0A, 0xA7, 0x09, 0x04, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x74}),
              c.opens);
  }
}

TEST_F(SystemPageTest, ChoosingALevelClosesTheGroupAndTheSaveButtonAndInputGainFollow) {
  Connect();
  auto* group = Find("SysUserMangerGrop");
  // The first refresh closed the group; the device is at the user level.
  EXPECT_FALSE(group->isEnabled());
  EXPECT_FALSE(Find("RzBmpButton138")->isEnabled());
  EXPECT_FALSE(Find("SignRzGroup")->isEnabled());

  struct Case {
    const char* button;
    int level;
  };
  for (const Case c : {Case{"SysManagerBtn", 1}, Case{"SysUserBtn", 0}, Case{"SysManagerBtn", 1}}) {
    SCOPED_TRACE(c.button);
    QTest::keyClicks(Find<QLineEdit>("SysPassEdit"), QStringLiteral("123456"));
    Click("RzBmpButton118");
    ASSERT_TRUE(group->isEnabled());
    Click(c.button);
    EXPECT_EQ(m_Model.Value(0x090C), c.level);
    EXPECT_FALSE(group->isEnabled());
    EXPECT_EQ(Find("RzBmpButton138")->isEnabled(), c.level == 1);
    EXPECT_EQ(Find("SignRzGroup")->isEnabled(), c.level == 1);
  }
  EXPECT_TRUE(m_Dialogs.ShownBoxes().empty()) << m_Dialogs.Texts().front();
}

TEST_F(SystemPageTest, AModeSaveAtTheUserLevelIsRefused) {
  Connect();
  ASSERT_EQ(m_Model.Value(0x090C), 0);
  Find<QLineEdit>("PresetModeEdit")->setText(Q("Live"));
  m_Page.RzBmpButton121Click(ModeButton::Save);
  ASSERT_EQ(m_Dialogs.ShownBoxes().size(), 1u);
  EXPECT_EQ(m_Dialogs.ShownBoxes()[0].caption, "提示");
  EXPECT_EQ(m_Dialogs.ShownBoxes()[0].text, "用户模式无法执行保存操作!");
  EXPECT_TRUE(m_Port.Writes().empty());
}

TEST_F(SystemPageTest, TheSelectedModesNameGoesToPresetModeEditAndTheButtonsUseTheSelection) {
  auto* modes = Find<QComboBox>("SysModeBox");
  auto* name = Find<QLineEdit>("PresetModeEdit");
  name->setText(Q("typed"));
  modes->setCurrentIndex(2);  // the design entry "3-"
  EXPECT_EQ(name->text(), QString());

  Connect();
  struct Case {
    int index;
    const char* name;
  };
  for (const Case c : {Case{11, "MODE11"}, Case{0, "MODE0"}, Case{8, "MODE8"}}) {
    modes->setCurrentIndex(c.index);
    EXPECT_EQ(name->text(), Q(c.name)) << c.index;
  }

  // The recall asks for the selected entry and sends its index.
  m_Dialogs.Answer(true);
  Click("RzBmpButton121");
  EXPECT_EQ(m_Dialogs.Texts(), std::vector<std::string>{"模式切换为9-MODE8?"});
  EXPECT_TRUE(Wrote({0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x02, 0x08, 0x00, 0x07}));

  // As administrator the save sends the index and the edited name.
  ASSERT_TRUE(AdvanceUntil([this] { return m_Link.State() == LinkState::Ready; }, 5000));
  QTest::keyClicks(Find<QLineEdit>("SysPassEdit"), QStringLiteral("123456"));
  Click("RzBmpButton118");
  Click("SysManagerBtn");
  ASSERT_TRUE(Find("RzBmpButton138")->isEnabled());
  EXPECT_EQ(modes->currentIndex(), 8);
  name->setText(Q("AB"));
  m_Dialogs.Clear();
  m_Dialogs.Answer(true);
  m_Port.ClearWrites();
  Click("RzBmpButton138");
  EXPECT_EQ(m_Dialogs.Texts(), std::vector<std::string>{"保存当前模式为 9-AB?"});
  EXPECT_TRUE(Wrote({0xFC, 0xB1, 0x08, 0xA7, 0x09, 0x01, 0x08, 0x00, 0x21, 0x22, 0x49}));
}

TEST_F(SystemPageTest, AModeNameTakesOnlyWhatTheDeviceCanStore) {
  auto* name = Find<QLineEdit>("PresetModeEdit");
  QTest::keyClicks(name, QStringLiteral("Live 2"));
  EXPECT_EQ(name->text(), QStringLiteral("Live 2"));
  // A Chinese character cannot be sent as one byte: the box does not take it.
  QString chinese = QStringLiteral("K歌");
  int position = chinese.size();
  ASSERT_NE(name->validator(), nullptr);
  EXPECT_EQ(name->validator()->validate(chinese, position), QValidator::Invalid);
  name->clear();
  QTest::keyClicks(name, QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
  EXPECT_EQ(name->text(), QStringLiteral("abcdefghijklmnopqrst"));
}

// ---------------------------------------------------------------------------------------------
// Password changes typed into the fields.

TEST_F(SystemPageTest, TypingAPasswordChangeOpensTheFieldsSendsAndClearsThem) {
  Connect();
  struct Case {
    const char* oldField;
    const char* newField;
    const char* confirmField;
    const char* old;
    const char* fresh;
    const char* confirm;
    const char* finishIn;  // the field that takes the last key
    std::vector<std::string> boxes;
    Bytes frame;  // empty: nothing sent
  };
  const Case cases[] = {
      {"PassPanelLabel1",
       "NewPassLabel1",
       "NewPassLabel2",
       "9876",
       "1234",
       "1234",
       "NewPassLabel2",
       {},
       {0xFC, 0xB1, 0x08, 0xA7, 0x09, 0x05, 0x01, 0x02, 0x03, 0x04, 0x0A}},
      // A digit that completes the change finds the fields emptied and is not typed.
      {"PassPanelLabel1",
       "NewPassLabel1",
       "NewPassLabel2",
       "1234",
       "5555",
       "5555",
       "PassPanelLabel1",
       {},
       {0xFC, 0xB1, 0x08, 0xA7, 0x09, 0x05, 0x05, 0x05, 0x05, 0x05, 0x74}},
      {"SysPanelLabel1",
       "NewSysPassLabel1",
       "NewSysPassLabel2",
       "123456",
       "654321",
       "654320",
       "NewSysPassLabel2",
       {"密码不一致!"},
       {}},
      {"SysPanelLabel1",
       "NewSysPassLabel1",
       "NewSysPassLabel2",
       "123456",
       "654321",
       "654321",
       "NewSysPassLabel2",
       {},
       {0xFC, 0xB1, 0x0A, 0xA7, 0x09, 0x04, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01, 0x74}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.oldField) + " " + c.fresh + "/" + c.confirm);
    m_Dialogs.Clear();
    m_Port.ClearWrites();
    auto* oldField = Find<QLineEdit>(c.oldField);
    auto* newField = Find<QLineEdit>(c.newField);
    auto* confirmField = Find<QLineEdit>(c.confirmField);
    ASSERT_FALSE(newField->isEnabled());

    // The last digit of each field is seen with the next key.
    QTest::keyClicks(oldField, Q(c.old));
    EXPECT_FALSE(newField->isEnabled());
    QTest::keyClick(oldField, Qt::Key_Return);
    ASSERT_TRUE(newField->isEnabled());
    EXPECT_FALSE(confirmField->isEnabled());
    QTest::keyClicks(newField, Q(c.fresh));
    EXPECT_EQ(newField->displayText(), QString(newField->text().size(), QChar(0x25CF)));
    EXPECT_EQ(newField->text(), Q(c.fresh));
    QTest::keyClick(newField, Qt::Key_Return);
    ASSERT_TRUE(confirmField->isEnabled());
    QTest::keyClicks(confirmField, Q(c.confirm));
    EXPECT_TRUE(m_Port.Writes().empty());
    QTest::keyClick(Find<QLineEdit>(c.finishIn), Qt::Key_7);

    EXPECT_EQ(m_Dialogs.Texts(), c.boxes);
    for (QLineEdit* field : {oldField, newField, confirmField})
      EXPECT_EQ(field->text(), QString()) << field->objectName().toStdString();
    EXPECT_FALSE(newField->isEnabled());
    EXPECT_FALSE(confirmField->isEnabled());
    if (c.frame.empty())
      EXPECT_TRUE(m_Port.Writes().empty());
    else
      EXPECT_EQ(m_Port.Writes(), std::vector<Bytes>{c.frame});
    Advance(100);  // the device's acknowledgement
  }
  EXPECT_EQ(m_Link.KeypadPassword(), "5555");
  EXPECT_EQ(m_Link.SystemPassword(), "654321");
}

TEST_F(SystemPageTest, PasswordFieldsTakeOnlyDigitsAndNeedTheLinkAndTheRightOldPassword) {
  auto* oldField = Find<QLineEdit>("PassPanelLabel1");
  QTest::keyClicks(oldField, QStringLiteral("9a8 7-6"));
  EXPECT_EQ(oldField->text(), Q("9876"));
  QTest::keyClick(oldField, Qt::Key_Return);
  EXPECT_FALSE(Find("NewPassLabel1")->isEnabled());  // not connected

  Connect();
  oldField->clear();
  QTest::keyClicks(oldField, QStringLiteral("9875"));
  QTest::keyClick(oldField, Qt::Key_Return);
  EXPECT_FALSE(Find("NewPassLabel1")->isEnabled());  // wrong old password
  QTest::keyClick(oldField, Qt::Key_Backspace);
  QTest::keyClick(oldField, Qt::Key_6);
  QTest::keyClick(oldField, Qt::Key_Return);
  EXPECT_TRUE(Find("NewPassLabel1")->isEnabled());
  EXPECT_TRUE(m_Dialogs.ShownBoxes().empty());
}

// ---------------------------------------------------------------------------------------------
// Where the backups live.

TEST(BackupFolderTest, BesideTheProgramOrInTheUsersDataFolderWhenTheProgramFolderTakesNone) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string root = dir.path().toStdString();
  QDir(dir.path()).mkpath(QStringLiteral("program"));
  // A folder cannot be made under a regular file, whoever runs the test.
  ASSERT_TRUE(WriteAll(root + "/file", "x"));

  struct Case {
    std::string program;
    std::string expected;
  };
  const Case cases[] = {
      {root + "/program", root + "/program/Mode/V3Mode"},
      {root + "/file/program", root + "/user/data/Mode/V3Mode"},
      {"", root + "/user/data/Mode/V3Mode"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program);
    LocalFileSystem files;
    const DataFolders folders =
        PrepareBackupFolders(files, BackupPlaces{c.program, root + "/user/data"});
    EXPECT_EQ(folders.backupFolder, c.expected);
    // It takes a backup, and the probe that tried it is gone.
    BackupStore store(files, folders);
    EXPECT_TRUE(store.Save("b", DeviceImageTable{}).ok());
    const BackupListing listing = store.List();
    ASSERT_EQ(listing.rows.size(), 1u);
    EXPECT_EQ(listing.rows[0].fileName, "b.Nddt");
    EXPECT_EQ(QDir(QString::fromStdString(c.expected)).entryList(QDir::Files | QDir::Hidden),
              QStringList({Q("b.Nddt")}));
  }
}

TEST_F(SystemPageTest, ThePageShowsTheBackupFolderInUse) {
  const QString folder = m_Dir.filePath(QStringLiteral("program/Mode/V3Mode"));
  EXPECT_EQ(QString::fromStdString(m_Page.Folders().backupFolder), folder);
  auto* label = Find<QLabel>("BackupFolderLabel");
  EXPECT_EQ(label->toolTip(), folder);
  EXPECT_TRUE(label->text().startsWith(Q("备份文件夹：")));
  EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());

  // Installed where the program's folder takes no files: the user's folder, shown.
  ASSERT_TRUE(WriteAll(m_Dir.filePath(QStringLiteral("blocker")).toStdString(), "x"));
  TForm1 installed;
  SystemPage page(installed, m_Link, m_Model, m_Files, m_Dialogs,
                  {m_Dir.filePath(QStringLiteral("blocker/bin")).toStdString(),
                   m_Dir.filePath(QStringLiteral("home/.local/share/Fenwave")).toStdString()});
  page.PrepareFolders();
  page.ListBackups();
  const QString own = m_Dir.filePath(QStringLiteral("home/.local/share/Fenwave/Mode/V3Mode"));
  EXPECT_EQ(installed.findChild<QLabel*>(QStringLiteral("BackupFolderLabel"))->toolTip(), own);
  installed.findChild<QLineEdit*>(QStringLiteral("FileEdit"))->setText(Q("mine"));
  installed.findChild<BitmapButton*>(QStringLiteral("RzBmpButton120"))->click();
  EXPECT_TRUE(QFile::exists(own + QStringLiteral("/mine.Nddt")));
  EXPECT_EQ(installed.findChild<QTableWidget*>(QStringLiteral("ValueListEditor1"))->rowCount(), 1);
  EXPECT_TRUE(m_Dialogs.ShownBoxes().empty()) << m_Dialogs.Texts().front();
}

}  // namespace
}  // namespace fenwave
