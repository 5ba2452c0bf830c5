// The System page's device operations: mode selection, recall and save, and the passwords.
#include <gtest/gtest.h>

#include "support/LinkHarness.h"

namespace fenwave {
namespace {

using fakes::LinkHarness;

constexpr char32_t kEnter = U'\r';

TEST(SysModeBoxChange, TakesTheEntryWithoutItsNumber) {
  struct Case {
    int index;
    std::string entry;
    std::string preset;
  };
  const Case cases[] = {
      {0, "1-Pop", "Pop"},     {2, "3-", ""},   {8, "9-Rock", "Rock"}, {9, "10-Jazz", "Jazz"},
      {11, "12-Live", "Live"}, {14, "15-", ""}, {3, "", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SysModeBoxChange(c.index, c.entry), c.preset) << c.entry;
}

TEST(SysPassEditKeyPress, AcceptsDigitsBackspaceAndEnterOnly) {
  for (const char32_t key : {U'0', U'5', U'9', U'\b', U'\r'})
    EXPECT_TRUE(SysPassEditKeyPress(key));
  for (const char32_t key : {U'a', U' ', U'/', U':', U'中', U'\n'}) {
    EXPECT_FALSE(SysPassEditKeyPress(key));
  }
}

// A connected link whose device reported the passwords 123456 and 9876.
class SystemPage : public ::testing::Test {
 protected:
  void SetUp() override {
    h.ConnectQuietly();
    h.dialogs.Clear();
  }
  LinkHarness h;
};

TEST_F(SystemPage, ModeRecallAsksAndSendsTheSelectedIndex) {
  h.dialogs.Answer(false);
  h.link.RzBmpButton121Click(ModeButton::Recall, 4, "5-Pop", "Pop");
  EXPECT_TRUE(h.port.Writes().empty());
  ASSERT_EQ(h.dialogs.ShownBoxes().size(), 1u);
  EXPECT_EQ(h.dialogs.ShownBoxes()[0].caption, "提示");
  EXPECT_EQ(h.dialogs.ShownBoxes()[0].text, "模式切换为5-Pop?");
  EXPECT_EQ(h.dialogs.ShownBoxes()[0].buttons, DialogButtons::YesNo);

  h.dialogs.Answer(true);
  h.link.RzBmpButton121Click(ModeButton::Recall, 4, "5-Pop", "Pop");
  EXPECT_EQ(h.port.Writes(),
            (std::vector<Bytes>{{0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x02, 0x04, 0x00, 0x03}}));
  EXPECT_EQ(h.link.PendingLinkAction(), 2);

  h.dialogs.Answer(true);
  h.link.RzBmpButton121Click(ModeButton::Recall, -1, "", "");  // nothing selected
  EXPECT_EQ(h.dialogs.ShownBoxes().size(), 2u);
}

TEST_F(SystemPage, ModeSaveNeedsTheAdministratorLevel) {
  h.link.RzBmpButton121Click(ModeButton::Save, 3, "4-ABCD", "ABCD");
  EXPECT_EQ(h.dialogs.Texts(), (std::vector<std::string>{"用户模式无法执行保存操作!"}));
  EXPECT_TRUE(h.port.Writes().empty());
  EXPECT_EQ(h.link.State(), LinkState::Ready);
}

TEST_F(SystemPage, ModeSaveWritesTheNameAndReportsOnTheDevicesAnswer) {
  h.link.SendParameter(0x090C, 1);  // administrator
  h.Ack();
  h.port.ClearWrites();
  h.dialogs.Answer(true);
  h.link.RzBmpButton121Click(ModeButton::Save, 3, "4-Old", "ABCD");
  EXPECT_EQ(h.dialogs.Texts(), (std::vector<std::string>{"保存当前模式为 4-ABCD?"}));
  EXPECT_EQ(h.port.Writes(), (std::vector<Bytes>{{0xFC, 0xB1, 0x0A, 0xA7, 0x09, 0x01, 0x03, 0x00,
                                                  0x21, 0x22, 0x23, 0x24, 0x8B}}));
  EXPECT_EQ(h.link.LinkStatusText(), "保存中...");
  EXPECT_EQ(h.link.State(), LinkState::NotReady);

  // The acknowledgement the link had before the save does not count as the device's answer.
  h.Advance(500);
  EXPECT_EQ(h.dialogs.ShownBoxes().size(), 1u);
  h.Ack();
  h.Advance(20);
  EXPECT_EQ(h.dialogs.Texts(), (std::vector<std::string>{"保存当前模式为 4-ABCD?", "保存成功!"}));
  EXPECT_EQ(h.link.State(), LinkState::Ready);
  EXPECT_EQ(h.link.LinkStatusText(), "设备已连接");
}

TEST_F(SystemPage, ModeSaveWithAnEmptyNameAndNoAnswerIsLostAfterAbout51Seconds) {
  h.link.SendParameter(0x090C, 1);
  h.Ack();
  h.port.ClearWrites();
  h.dialogs.Answer(true);
  h.link.RzBmpButton121Click(ModeButton::Save, 3, "4-", "");
  EXPECT_EQ(h.port.Writes(),
            (std::vector<Bytes>{{0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x01, 0x03, 0x00, 0x01}}));
  h.Advance(50000);
  EXPECT_EQ(h.dialogs.ShownBoxes().size(), 1u);
  h.Advance(1100);
  EXPECT_EQ(h.dialogs.Texts().back(), "已断开连接!");
  EXPECT_EQ(h.port.Writes().size(), 1u);  // nothing else went out while saving
}

TEST_F(SystemPage, SystemPasswordConfirm) {
  struct Case {
    const char* typed;
    bool ready;
    bool groupEnabled;
    bool wrong;
  };
  const Case cases[] = {
      {"123456", true, true, false},
      {"123456", false, false, false},
      {"123450", true, false, true},
      {"", true, false, true},
  };
  for (const Case& c : cases) {
    LinkHarness fresh;
    fresh.ConnectQuietly();
    if (!c.ready) fresh.link.LinkBtnClick(LinkButton::UnLinkBtn);
    fresh.port.ClearWrites();
    fresh.link.RzBmpButton118Click(c.typed);
    EXPECT_EQ(fresh.view.userLevelGroupEnabled, c.groupEnabled) << c.typed;
    EXPECT_EQ(fresh.dialogs.Texts(),
              c.wrong ? std::vector<std::string>{"密码错误!"} : std::vector<std::string>{});
    if (c.groupEnabled) {
      EXPECT_EQ(fresh.port.Writes(), (std::vector<Bytes>{{0xFC, 0xB1, 0x0A, 0xA7, 0x09, 0x04, 0x01,
                                                          0x02, 0x03, 0x04, 0x05, 0x06, 0x74}}));
    } else {
      EXPECT_TRUE(fresh.port.Writes().empty()) << c.typed;
    }
  }
}

// Types `text` into one field and presses Enter, as the page would: each key is judged first,
// then an accepted key lands in the field if the field is enabled.
using KeyHandler = bool (DeviceLink::*)(PasswordFields&, char32_t);
void Type(DeviceLink& link, KeyHandler handler, PasswordFields& fields,
          std::string PasswordFields::*field, const std::string& text) {
  const bool enabled =
      field == &PasswordFields::oldText ||
      (field == &PasswordFields::newText ? fields.newEnabled : fields.confirmEnabled);
  for (const char c : text) {
    if ((link.*handler)(fields, static_cast<char32_t>(c)) && enabled) (fields.*field).push_back(c);
  }
  (void)(link.*handler)(fields, kEnter);
}

struct ChangeCase {
  const char* name;
  KeyHandler handler;
  std::string current;
  std::string newText;
  std::string confirmText;
  std::vector<std::string> boxes;
  Bytes frame;  // empty: nothing is written
  std::string passwordAfter;
};

class PasswordChange : public SystemPage, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(PasswordChange, FieldsFlowAndWhatIsSent) {
  const ChangeCase& c = GetParam();
  PasswordFields fields;
  Type(h.link, c.handler, fields, &PasswordFields::oldText, c.current);
  EXPECT_TRUE(fields.newEnabled);
  EXPECT_FALSE(fields.confirmEnabled);
  Type(h.link, c.handler, fields, &PasswordFields::newText, c.newText);
  EXPECT_TRUE(fields.confirmEnabled);
  Type(h.link, c.handler, fields, &PasswordFields::confirmText, c.confirmText);

  EXPECT_EQ(fields.oldText, "");
  EXPECT_EQ(fields.newText, "");
  EXPECT_EQ(fields.confirmText, "");
  EXPECT_FALSE(fields.newEnabled);
  EXPECT_FALSE(fields.confirmEnabled);
  EXPECT_EQ(h.dialogs.Texts(), c.boxes);
  if (c.frame.empty()) {
    EXPECT_TRUE(h.port.Writes().empty());
  } else {
    EXPECT_EQ(h.port.Writes(), (std::vector<Bytes>{c.frame}));
  }
  const bool system = c.handler == &DeviceLink::SysPanelLabel1KeyPress;
  EXPECT_EQ(system ? h.link.SystemPassword() : h.link.KeypadPassword(), c.passwordAfter);
}

INSTANTIATE_TEST_SUITE_P(Flows, PasswordChange,
                         ::testing::Values(ChangeCase{"system changed",
                                                      &DeviceLink::SysPanelLabel1KeyPress,
                                                      "123456",
                                                      "654321",
                                                      "654321",
                                                      {},
                                                      {0xFC, 0xB1, 0x0A, 0xA7, 0x09, 0x04, 0x06,
                                                       0x05, 0x04, 0x03, 0x02, 0x01, 0x74},
                                                      "654321"},
                                           ChangeCase{"system mismatch",
                                                      &DeviceLink::SysPanelLabel1KeyPress,
                                                      "123456",
                                                      "654321",
                                                      "654320",
                                                      {"密码不一致!"},
                                                      {},
                                                      "123456"},
                                           ChangeCase{"system unchanged",
                                                      &DeviceLink::SysPanelLabel1KeyPress,
                                                      "123456",
                                                      "123456",
                                                      "123456",
                                                      {},
                                                      {},
                                                      "123456"},
                                           ChangeCase{"keypad changed",
                                                      &DeviceLink::PassPanelLabel1KeyPress,
                                                      "9876",
                                                      "1111",
                                                      "1111",
                                                      {},
                                                      {0xFC, 0xB1, 0x08, 0xA7, 0x09, 0x05, 0x01,
                                                       0x01, 0x01, 0x01, 0x04},
                                                      "1111"},
                                           ChangeCase{"keypad mismatch",
                                                      &DeviceLink::PassPanelLabel1KeyPress,
                                                      "9876",
                                                      "1111",
                                                      "1112",
                                                      {"密码不一致!"},
                                                      {},
                                                      "9876"}),
                         [](const ::testing::TestParamInfo<ChangeCase>& info) {
                           std::string name = info.param.name;
                           for (char& ch : name) {
                             if (ch == ' ') ch = '_';
                           }
                           return name;
                         });

TEST_F(SystemPage, APastedNonDigitPasswordIsRefusedAndTheOldOneStays) {
  PasswordFields fields{"123456", "12a456", "12a456", true, true};
  (void)h.link.SysPanelLabel1KeyPress(fields, kEnter);
  EXPECT_EQ(h.dialogs.Texts(), (std::vector<std::string>{"密码错误!"}));
  EXPECT_TRUE(h.port.Writes().empty());
  EXPECT_EQ(h.link.SystemPassword(), "123456");
  EXPECT_EQ(fields.newText, "");
}

TEST_F(SystemPage, AWrongOldPasswordOrALinkNotReadyKeepsTheChangeFieldsDisabled) {
  PasswordFields wrong{"123450", "", "", false, false};
  EXPECT_TRUE(h.link.SysPanelLabel1KeyPress(wrong, kEnter));
  EXPECT_FALSE(wrong.newEnabled);

  h.link.LinkBtnClick(LinkButton::UnLinkBtn);
  PasswordFields right{"123456", "", "", false, false};
  EXPECT_FALSE(h.link.SysPanelLabel1KeyPress(right, U'x'));
  EXPECT_FALSE(right.newEnabled);
  EXPECT_TRUE(h.dialogs.ShownBoxes().empty());
}

}  // namespace
}  // namespace fenwave
