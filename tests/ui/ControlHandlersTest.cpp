// The shared handlers of the other control families: the operating mode locking the outputs,
// the subwoofer filter lists and their user-Q sliders, the volume limit sliders, the switches
// and radio groups, and the main window's share of the link's view.
#include <QLabel>
#include <QTest>

#include "BindingFixture.h"
#include "link/DeviceLink.h"
#include "model/ParameterModel.h"
#include "support/FakeDialogs.h"
#include "ui/ControlProps.h"
#include "ui/MainWindowLinkView.h"

namespace fenwave {
namespace {

class ControlHandlersTest : public BoundWindowTest {
 protected:
  void Choose(const char* list, int index) {
    auto* box = Find<QComboBox>(list);
    box->setCurrentIndex(index);
    emit box->activated(index);
  }
  void Press(const char* button) { Find<BitmapButton>(button)->click(); }
  // The device's values for the three music volumes (everyday, start-up, maximum).
  void SetMusicVolumes(int normal, int start, int max) {
    (void)link.model.SetDeviceValue(9, 32, normal);
    (void)link.model.SetDeviceValue(9, 6, start);
    (void)link.model.SetDeviceValue(9, 7, max);
    binding->RefreshControls(9);
  }
  int Position(const char* slider) { return Find<QSlider>(slider)->value(); }
};

TEST_F(ControlHandlersTest, TheOperatingModeLocksTheOutputsSettingsBelowTheirLimitersInAutomatic) {
  Connect();
  struct Control {
    const char* name;
    bool followsMode;
  };
  const Control controls[] = {
      {"MainMusLevelBar", true},   {"MainMusPhaseBtn", true},   {"MainHPFreUpDownBtn", true},
      {"MainMusHPslope", true},    {"MainMusHPslope2", true},   {"CenterMusHPFreBar", true},
      {"SubMusHPType", true},      {"SubMusHPTypeBtn", true},   {"SurMusHPFreBar", true},
      {"SurHPFreUpDownBtn", true}, {"SingModeBtn", true},       {"DiscoModeBtn", true},
      {"SurRmsAttackBar", false},  {"MainRmsAttackBar", false}, {"MainLmuteBtn", false},
      {"MicHPFreBar", false},      {"MainMusLevelPane", false},
  };
  Press("ManulModeBtn");
  EXPECT_EQ(Written(), std::vector<std::string>{"FC B1 06 A7 00 00 01 00 15"});
  for (const Control& c : controls)
    EXPECT_TRUE(Find(c.name)->isEnabled()) << c.name;
  // The user-Q sliders stay with their (non-user) filter types.
  EXPECT_FALSE(Find("SubMusHPuserQBar")->isEnabled());
  EXPECT_FALSE(Find("SubMusLPuserQBar")->isEnabled());

  link.Ack();
  Press("AutoModeBtn");
  EXPECT_EQ(Written(), std::vector<std::string>{"FC B1 06 A7 00 00 00 00 12"});
  for (const Control& c : controls)
    EXPECT_EQ(Find(c.name)->isEnabled(), !c.followsMode) << c.name;
}

TEST_F(ControlHandlersTest, TheSubwooferUserQSlidersAreEnabledOnlyForTheUserFilterTypes) {
  Connect();
  Press("ManulModeBtn");
  window->FormTabBtn1Click(window->PageButtons()[5]);
  struct Case {
    const char* list;
    int index;
    const char* userQ;
    bool enabled;
    const char* frame;
    int element;
  };
  const Case cases[] = {
      {"SubMusHPType", 3, "SubMusHPuserQBar", true, "FC B1 06 A7 06 08 03 00 05", 3},
      {"SubMusHPType", 1, "SubMusHPuserQBar", false, "FC B1 06 A7 06 08 01 00 03", 3},
      {"SubMusLPType", 4, "SubMusLPuserQBar", true, "FC B1 06 A7 06 0E 04 00 0A", 4},
      {"SubMusLPType", 0, "SubMusLPuserQBar", false, "FC B1 06 A7 06 0E 00 00 06", 4},
  };
  for (const Case& c : cases) {
    link.Ack();
    Written();
    Choose(c.list, c.index);
    EXPECT_EQ(Find(c.userQ)->isEnabled(), c.enabled) << c.list << " " << c.index;
    EXPECT_EQ(Written(), std::vector<std::string>{c.frame}) << c.list << " " << c.index;
    EXPECT_EQ(curve.draws.back(), std::make_pair(c.element, 6));
  }
  // Elsewhere the subwoofer's curve is not drawn over the page's own.
  window->FormTabBtn1Click(window->PageButtons()[0]);
  curve.draws.clear();
  Choose("SubMusHPType", 4);
  EXPECT_TRUE(curve.draws.empty());
}

TEST_F(ControlHandlersTest, AVolumeRisesOneStepAtATimeAndFallsFreely) {
  Connect();
  SetMusicVolumes(10, 0, 84);
  auto* bar = Find<QSlider>("SysMusNormalVolBar");
  EXPECT_EQ(Text("SysMusNormalVolPane"), QStringLiteral("10"));
  bar->setValue(30);
  EXPECT_EQ(bar->value(), 11);
  EXPECT_EQ(Text("SysMusNormalVolPane"), QStringLiteral("11"));
  EXPECT_EQ(Written(), std::vector<std::string>{"FC B1 06 A7 09 20 0B 00 66"});
  link.Ack();
  bar->setValue(3);
  EXPECT_EQ(bar->value(), 3);
  EXPECT_EQ(Written(), std::vector<std::string>{"FC B1 06 A7 09 20 03 00 7E"});
}

TEST_F(ControlHandlersTest, TheMaximumVolumePullsTheStartUpAndEverydayVolumesOfItsSource) {
  SetMusicVolumes(40, 50, 84);
  // Lowered in one move: decreases are free, and the other two follow.
  Find<QSlider>("SysMusMaxVolBar")->setValue(20);
  EXPECT_EQ(Position("SysMusMaxVolBar"), 20);
  EXPECT_EQ(Position("SysMusStartVolBar"), 20);
  EXPECT_EQ(Position("SysMusNormalVolBar"), 20);
  EXPECT_EQ(Text("SysMusStartVolPane"), QStringLiteral("20"));
  EXPECT_EQ(Text("SysMusNormalVolPane"), QStringLiteral("20"));
  EXPECT_EQ(Value(0x0906), 20);
  EXPECT_EQ(Value(0x0920), 20);
  // Neither can rise above the maximum; the other sources are not touched.
  Find<QSlider>("SysMusNormalVolBar")->setValue(21);
  EXPECT_EQ(Position("SysMusNormalVolBar"), 20);
  Find<QSlider>("SysMusStartVolBar")->setValue(21);
  EXPECT_EQ(Position("SysMusStartVolBar"), 20);
  EXPECT_EQ(Value(0x0921), 0);
  EXPECT_EQ(Value(0x0908), 0);
}

TEST_F(ControlHandlersTest, DuringARefreshTheVolumesTakeTheImagesValuesWithoutLimits) {
  SetMusicVolumes(60, 70, 10);
  EXPECT_EQ(Position("SysMusNormalVolBar"), 60);
  EXPECT_EQ(Position("SysMusStartVolBar"), 70);
  EXPECT_EQ(Hint(Find("SysMusNormalVolPane")), QStringLiteral("60"));
}

TEST_F(ControlHandlersTest, SwitchesSendTheirNewStateAndEqPassShowsTheGraphsLabel) {
  Connect();
  struct Case {
    const char* button;
    const char* frame;
  };
  // Each starts from the device's 0: phase "-", mute and EQ pass off.
  const Case cases[] = {
      {"EchoEffPhaseBtn", "FC B1 06 A7 03 00 01 00 16"},
      {"MainLmuteBtn", "FC B1 06 A7 05 1A 01 00 72"},
      {"MusEQAllpassBtn", "FC B1 06 A7 00 03 01 00 16"},
  };
  for (const Case& c : cases) {
    link.Ack();
    Press(c.button);
    EXPECT_EQ(HintValue(Find(c.button)), 1) << c.button;
    EXPECT_EQ(Written(), std::vector<std::string>{c.frame}) << c.button;
  }
  EXPECT_EQ(Text("EchoEffPhaseBtn"), QStringLiteral("+"));
  EXPECT_EQ(binding->EqPassState(0), 1);
  EXPECT_TRUE(window->EQPassLabel()->isVisibleTo(window.get()));
  Press("MusEQAllpassBtn");
  EXPECT_EQ(binding->EqPassState(0), 0);
  EXPECT_FALSE(window->EQPassLabel()->isVisibleTo(window.get()));
}

TEST_F(ControlHandlersTest, ARadioButtonMarksItselfInItsGroupAndSendsItsValue) {
  Connect();
  Press("ManulModeBtn");  // the slope is an output setting: locked in automatic mode
  link.Ack();
  Written();
  Press("MainMusHPslope2");
  EXPECT_EQ(Written(), std::vector<std::string>{"FC B1 06 A7 05 12 01 00 0A"});
  auto* second = Find<BitmapButton>("MainMusHPslope2");
  auto* first = Find<BitmapButton>("MainMusHPslope");
  EXPECT_EQ(second->picture(Picture::Up).toImage(), second->picture(Picture::Down).toImage());
  EXPECT_EQ(first->picture(Picture::Up).toImage(),
            window->ExampleBtn()->picture(Picture::Disabled).toImage());
  EXPECT_EQ(binding->RadioGroupButtons()[0], first);
  EXPECT_EQ(binding->RadioGroupButtons()[1], second);
  EXPECT_EQ(binding->RadioGroupButtons()[2], nullptr);
  EXPECT_EQ(Value(0x0512), 1);
}

TEST_F(ControlHandlersTest, TheUserLevelOpensTheInputGainAndTheModeSaveOnlyForTheAdministrator) {
  QWidget* group = Find("SysUserMangerGrop");
  group->setEnabled(true);  // as after a correct password
  Press("SysManagerBtn");
  EXPECT_EQ(Value(0x090C), 1);
  EXPECT_FALSE(group->isEnabled());  // the next change needs the password again
  EXPECT_TRUE(Find("SignRzGroup")->isEnabled());
  EXPECT_TRUE(Find("RzBmpButton138")->isEnabled());
  group->setEnabled(true);
  Press("SysUserBtn");
  EXPECT_FALSE(group->isEnabled());
  EXPECT_FALSE(Find("SignRzGroup")->isEnabled());
  EXPECT_FALSE(Find("RzBmpButton138")->isEnabled());
}

TEST_F(ControlHandlersTest, AValueNoRadioButtonStandsForMarksNoneAndDoesNotCrash) {
  (void)link.model.SetDeviceValue(1, 1, 9);  // feedback suppression has four values only
  binding->RefreshControls(1);
  const QImage released = window->ExampleBtn()->picture(Picture::Disabled).toImage();
  for (const char* name :
       {"MicFBERadioBtn1", "MicFBERadioBtn2", "MicFBERadioBtn3", "MicFBERadioBtn4"})
    EXPECT_EQ(Find<BitmapButton>(name)->picture(Picture::Up).toImage(), released) << name;
}

TEST_F(ControlHandlersTest, TheLinkButtonsRunTheLinkAndTheMainWindowViewShowsItsShare) {
  fakes::FakeDialogs dialogs;
  MainWindowLinkView view(*window, dialogs);
  view.SetBinding(binding.get());
  view.SetLinkLabel("设备已连接");
  EXPECT_EQ(Text("LinkLabel"), QStringLiteral("设备已连接"));
  view.SetLinkButtonsLook(LinkButton::UnLinkBtn);
  auto* unlink = Find<BitmapButton>("UnLinkBtn");
  EXPECT_EQ(unlink->picture(Picture::Up).toImage(), unlink->picture(Picture::Down).toImage());
  view.ShowWriteError("写入失败");
  ASSERT_EQ(dialogs.ShownBoxes().size(), 1u);
  EXPECT_EQ(dialogs.ShownBoxes()[0].caption, "提示");
  EXPECT_EQ(dialogs.ShownBoxes()[0].text, "写入失败");

  Connect();
  Press("UnLinkBtn");
  EXPECT_EQ(Written(), std::vector<std::string>{"FC B1 06 A7 09 30 AA 00 37"});
  EXPECT_EQ(link.link.State(), LinkState::NotReady);
  Press("LinkBtn");
  EXPECT_EQ(link.link.LinkStatusText(), "设备搜索...");
}

}  // namespace
}  // namespace fenwave
