// The control binding on the main window: the tags the binding table writes, the control kinds
// with their picture swaps, ApplyValue's stepping, clamping, texts, stores and sends, the band
// selection with its strip scrolling, and RefreshControls.
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <map>

#include "BindingFixture.h"
#include "link/DeviceLink.h"
#include "model/ParameterModel.h"
#include "ui/ControlProps.h"

namespace fenwave {
namespace {

QImage Look(const BitmapButton* b, Picture which) {
  return b->picture(which).toImage();
}

using ControlBindingTest = BoundWindowTest;

TEST_F(ControlBindingTest, EveryControlOfTheBindingDataIsFoundOnTheWindowWithItsKind) {
  EXPECT_TRUE(binding->Table().Missing().isEmpty())
      << binding->Table().Missing().join(QStringLiteral(", ")).toStdString();
}

TEST_F(ControlBindingTest, BoundControlsCarryTheAddressOfTheirLastSlotAndRadioButtonsTheirGroups) {
  const std::pair<const char*, int> cases[] = {
      {"MainQEdit1", 0x0522},      {"MIcQGrop1", 0x0108},         {"MIcQUpDownBtn1", 0x0108},
      {"MainMusHPslope2", 0x0512}, {"RvbDirectPhaseBtn", 0x0402}, {"SysInput", 0x090E},
      {"SysInput2", 0x090E},       {"ManulModeBtn", 0x0000},      {"SingModeBtn", 0x0001},
      {"DiscoModeBtn", 0x0001},    {"MicFBERadioBtn3", 0x0101},   {"SysMusInputLevel3", 0x0903},
      {"SubMusHPTypeBtn", 0x0608}, {"MusEQBmpBtn1", 0x0004},      {"EchoLPFrePane", 0x0305},
      {"MusModeBox10", 0x0031},    {"SurFreEdit5", 0x0831},       {"FormTabBtn5", 4},
  };
  for (const auto& [name, tag] : cases)
    EXPECT_EQ(Tag(Find(name)), tag) << name;
}

TEST_F(ControlBindingTest, APageButtonReturnsItsPageCodeAndOnlyItShowsTheTemplatesDownPicture) {
  auto* center = Find<BitmapButton>("FormTabBtn5");
  EXPECT_EQ(binding->ApplyControlKind(center, kKindPageButton), 0x0704);
  const QImage down = Look(window->ExampleBtn(), Picture::Down);
  for (BitmapButton* page : window->PageButtons())
    EXPECT_EQ(Look(page, Picture::Up) == down, page == center) << page->objectName().toStdString();
}

TEST_F(ControlBindingTest, SwitchesAndPhaseButtonsFlipTheirHint) {
  auto* mute = Find<BitmapButton>("MainLmuteBtn");
  SetHint(mute, QStringLiteral("0"));
  EXPECT_EQ(binding->ApplyControlKind(mute, kKindSwitch), 1);
  EXPECT_EQ(Look(mute, Picture::Up), Look(mute, Picture::Down));
  EXPECT_EQ(binding->ApplyControlKind(mute, kKindSwitch), 0);
  EXPECT_EQ(Look(mute, Picture::Up), Look(mute, Picture::Disabled));

  auto* phase = Find<BitmapButton>("EchoEffPhaseBtn");
  SetHint(phase, QStringLiteral("1"));
  EXPECT_EQ(binding->ApplyControlKind(phase, kKindPhase), 0);
  EXPECT_EQ(phase->text(), QStringLiteral("-"));
  EXPECT_EQ(binding->ApplyControlKind(phase, kKindPhase), 1);
  EXPECT_EQ(phase->text(), QStringLiteral("+"));
}

TEST_F(ControlBindingTest, TwoButtonSettingsShowThePressedOneDownAndTheOtherReleased) {
  struct Pair {
    int kind;
    const char* first;
    const char* second;
    Picture released;
  };
  const Pair pairs[] = {{kKindMode, "AutoModeBtn", "ManulModeBtn", Picture::Disabled},
                        {kKindBank, "SingModeBtn", "DiscoModeBtn", Picture::StayDown},
                        {kKindMicGroup, "MicABtn", "MicBBtn", Picture::Disabled},
                        {kKindLink, "LinkBtn", "UnLinkBtn", Picture::Disabled}};
  for (const Pair& p : pairs) {
    auto* first = Find<BitmapButton>(p.first);
    auto* second = Find<BitmapButton>(p.second);
    EXPECT_EQ(binding->ApplyControlKind(second, p.kind), 1) << p.second;
    EXPECT_EQ(Look(second, Picture::Up), Look(second, Picture::Down)) << p.second;
    EXPECT_EQ(Look(first, Picture::Up), Look(first, p.released)) << p.first;
    EXPECT_EQ(binding->ApplyControlKind(first, p.kind), 0) << p.first;
    EXPECT_EQ(Look(first, Picture::Up), Look(first, Picture::Down)) << p.first;
    EXPECT_EQ(Look(second, Picture::Up), Look(second, p.released)) << p.second;
  }
}

TEST_F(ControlBindingTest, ARadioButtonOfTheFeedbackGroupMarksItselfAmongFourAndReturnsItsValue) {
  // A click makes the feedback buttons the radio group.
  Find<BitmapButton>("MicFBERadioBtn1")->click();
  auto* third = Find<BitmapButton>("MicFBERadioBtn3");
  EXPECT_EQ(binding->ApplyControlKind(third, kKindRadio), 2);
  const BitmapButton* example = window->ExampleBtn();
  const char* names[] = {"MicFBERadioBtn1", "MicFBERadioBtn2", "MicFBERadioBtn3",
                         "MicFBERadioBtn4"};
  for (int i = 0; i < 4; ++i) {
    auto* b = Find<BitmapButton>(names[i]);
    EXPECT_EQ(binding->RadioGroupButtons()[static_cast<std::size_t>(i)], b);
    if (i == 2) {
      EXPECT_EQ(Look(b, Picture::Up), Look(b, Picture::Down));
      EXPECT_EQ(Look(b, Picture::Disabled), Look(example, Picture::StayDown));
    } else {
      EXPECT_EQ(Look(b, Picture::Up), Look(example, Picture::Disabled)) << names[i];
      EXPECT_EQ(Look(b, Picture::Disabled), Look(example, Picture::Hot)) << names[i];
    }
  }
}

struct ApplyCase {
  const char* control;
  int step;
  double x;
  ParamAddress address;
  const char* text;
  int stored;
  const char* frame;
};

TEST_F(ControlBindingTest, ApplyValueStepsClampsShowsStoresAndSendsOneFrame) {
  Connect();
  const ApplyCase cases[] = {
      // A frequency step beyond the table ends at its last step.
      {"MusFreEdit1", kStepNone, 400, 0x0005, "20600.0", 361,
       "FC B1 10 A7 00 02 00 00 00 00 69 01 00 00 00 00 00 00 BE"},
      {"MusGainEdit1", kStepUp, 180, 0x0006, "12.0", 180,
       "FC B1 10 A7 00 02 00 00 00 00 69 01 B4 00 00 00 00 00 72"},
      {"MusGainEdit1", kStepDown, 0, 0x0006, "-24.0", 0,
       "FC B1 10 A7 00 02 00 00 00 00 69 01 00 00 00 00 00 00 BE"},
      {"MusQEdit1", kStepUp, 100, 0x0007, "128.00", 100,
       "FC B1 10 A7 00 02 00 00 00 00 69 01 00 00 64 00 00 00 C2"},
      {"MicHPFrePane", kStepNone, 143, 0x0100, "303.0Hz", 143, "FC B1 06 A7 01 00 8F 00 82"},
      {"EchoRTimePane", kStepNone, 0, 0x0309, "-50", 0, "FC B1 06 A7 03 09 00 00 1E"},
      {"RvbTimePane", kStepNone, 1, 0x0404, "63", 1, "FC B1 06 A7 04 04 01 00 1D"},
      {"MainLdelayPane", kStepNone, 5, 0x0518, "0.5", 5, "FC B1 06 A7 05 18 05 00 74"},
  };
  for (const ApplyCase& c : cases) {
    binding->ApplyValue(Find(c.control), c.step, false, c.x);
    EXPECT_EQ(Text(c.control).toStdString(), c.text) << c.control;
    EXPECT_EQ(Value(c.address), c.stored) << c.control;
    EXPECT_EQ(Written(), std::vector<std::string>{c.frame}) << c.control;
    // The slider moved by ApplyValue does not apply the value a second time.
    EXPECT_EQ(link.link.SendQueueState().Pending(), 0) << c.control;
    link.Ack();
  }
  EXPECT_EQ(Find<QSlider>("MicHPFreBar")->value(), 143);
  EXPECT_EQ(Find<QSlider>("MainLdelayBar")->value(), 5);
}

TEST_F(ControlBindingTest, DisplayOnlyStoresEqValuesButNotPaneValuesAndSendsNothing) {
  Connect();
  binding->ApplyValue(Find("MusGainEdit2"), kStepUp, true, 150);
  EXPECT_EQ(Text("MusGainEdit2"), QStringLiteral("6.0"));  // no step in display-only mode
  EXPECT_EQ(Value(0x000B), 150);
  EXPECT_EQ(link.model.DeviceValue(0, 0x0B), 150);

  binding->ApplyValue(Find("MainLdelayPane"), kStepNone, true, 7);
  EXPECT_EQ(Text("MainLdelayPane"), QStringLiteral("0.7"));
  EXPECT_EQ(Find<QSlider>("MainLdelayBar")->value(), 7);
  EXPECT_EQ(Value(0x0518), 0);
  EXPECT_TRUE(Written().empty());
}

TEST_F(ControlBindingTest, EqAndFilterChangesAreRecordedForTheGraphOtherPanesAreNot) {
  binding->ApplyValue(Find("MicHPFrePane"), kStepNone, false, 20);
  EXPECT_EQ(binding->LastChangedAddress(), 0x0100);
  EXPECT_EQ(binding->LastChangedValue(), 20);
  binding->ApplyValue(Find("MainLdelayPane"), kStepNone, false, 30);
  EXPECT_EQ(binding->LastChangedAddress(), 0x0100);
  binding->ApplyValue(Find("MusGainEdit3"), kStepNone, false, 130);
  EXPECT_EQ(binding->LastChangedAddress(), 0x0010);
  EXPECT_EQ(binding->LastChangedValue(), 130);
  // The shared band editor follows the change.
  EXPECT_EQ(Text("COMEQlabel"), QStringLiteral("调节当前EQ段：3"));
  EXPECT_EQ(Text("ComEQGainEdit"), QStringLiteral("2.0dB"));
  EXPECT_EQ(Find<QSlider>("ComEQGainBar")->value(), 130);
}

TEST_F(ControlBindingTest, SelectingABandKeepsItInTheThreeVisibleColumnsOfTheStrip) {
  QScrollBar* bar = window->BandStripScrollBar(0);
  QScrollBar* strip = window->BandStrip(0)->horizontalScrollBar();
  ASSERT_EQ(bar->value(), 0);
  EXPECT_EQ(binding->ApplyControlKind(Find("MusFreEdit10"), 0), 9);
  EXPECT_EQ(bar->value(), 7);  // its maximum
  EXPECT_EQ(strip->value(), 7 * 71);
  EXPECT_EQ(binding->ApplyControlKind(Find("MusGainEdit3"), 0), 2);
  EXPECT_EQ(bar->value(), 2);
  EXPECT_EQ(strip->value(), 2 * 71);
  // A band already visible leaves the strip where it is.
  EXPECT_EQ(binding->ApplyControlKind(Find("MusQEdit5"), 0), 4);
  EXPECT_EQ(bar->value(), 2);
  EXPECT_EQ(binding->SelectedBand(0), 4);
}

TEST_F(ControlBindingTest, ARefreshSelectsNoBandRecordsNoChangeAndWritesNothing) {
  Connect([](int m, int e) { return static_cast<std::uint16_t>(m == 0 && e == 6 ? 150 : 1); });
  QTest::mouseClick(Find("MusGainEdit4"), Qt::LeftButton);
  ASSERT_EQ(binding->SelectedBand(0), 3);
  const int address = binding->LastChangedAddress();
  binding->RefreshControls(kRefreshAll);
  EXPECT_EQ(binding->SelectedBand(0), 3);
  EXPECT_EQ(binding->LastChangedAddress(), address);
  const std::vector<ClickLabel*>& labels = window->EqPointLabels(0);
  for (std::size_t j = 0; j < labels.size(); ++j)
    EXPECT_EQ(labels[j]->Marked(), j == 3) << j;
  EXPECT_TRUE(Written().empty());
  EXPECT_FALSE(binding->Refreshing());
  EXPECT_FALSE(link.link.SendSuppressed());
  // It ends with the curve of the page shown, then its selected band.
  ASSERT_GE(curve.draws.size(), 2u);
  EXPECT_EQ(curve.draws[curve.draws.size() - 2], std::make_pair(kAllCurveElements, 0));
  EXPECT_EQ(curve.draws.back(), std::make_pair(3, 0));
}

TEST_F(ControlBindingTest, ARefreshShowsEverySlidersValueEvenWhereTheSliderDoesNotMove) {
  auto* pane = Find<ValuePane>("MicHPFrePane");
  for (int device : {143, 300}) {  // 300 lies beyond the slider, which stays at 143
    (void)link.model.SetDeviceValue(1, 0, device);
    pane->setText(QStringLiteral("stale"));
    binding->RefreshControls(1);
    EXPECT_EQ(Find<QSlider>("MicHPFreBar")->value(), 143) << device;
    EXPECT_EQ(pane->text(), QStringLiteral("303.0Hz")) << device;
  }
}

TEST_F(ControlBindingTest, AfterAConnectionTheSharedEditorShowsItsBandsNewValues) {
  // Start-up pointed the editor at music band 1 with the reset's values.
  ASSERT_EQ(Text("ComEQFreEdit"), QStringLiteral("21.7"));
  Connect([](int m, int e) -> std::uint16_t { return m == 0 && e == 5 ? 204 : 0; });
  EXPECT_EQ(Text("COMEQlabel"), QStringLiteral("调节当前EQ段：1"));
  EXPECT_EQ(Text("ComEQFreEdit"), QStringLiteral("1000.0"));
  EXPECT_EQ(Find<QSlider>("ComEQFreBar")->value(), 204);
  EXPECT_EQ(Text("ComEQGainEdit"), QStringLiteral("-24.0dB"));
}

TEST_F(ControlBindingTest, TheRefreshAfterAConnectionFillsEveryPageFromTheDevicesImage) {
  // Everything 1 (so the dance bank and manual mode are in force), with a few entries of note.
  Connect([](int m, int e) -> std::uint16_t {
    const std::map<std::pair<int, int>, std::uint16_t> entries = {
        {{0, 5}, 100},   // music band 1 frequency, sing bank: not shown
        {{0, 57}, 204},  // the same in the dance bank
        {{1, 0}, 50},   {{1, 1}, 2},    {{3, 7}, 125}, {{5, 0}, 20},  {{5, 1}, 50},  {{5, 2}, 0},
        {{5, 3}, 0},    {{7, 24}, 250}, {{6, 15}, 4},  {{8, 21}, 40}, {{9, 32}, 30}, {{0, 55}, 0},
    };
    const auto it = entries.find({m, e});
    return it != entries.end() ? it->second : 1;
  });
  EXPECT_EQ(link.link.State(), LinkState::Ready);
  EXPECT_EQ(link.model.BankSelect(), 1);

  const std::pair<const char*, const char*> texts[] = {
      {"MusFreEdit1", "1000.0"},   {"MusGainEdit1", "-23.8"},     {"MusQEdit1", "0.42"},
      {"MusModeBox1", "LSEQ"},     {"MicHPFrePane", "50.6Hz"},    {"EchoTimePane", "250"},
      {"MainMusLevelPane", "100"}, {"CenterdelayPane", "25.0"},   {"SubMusLPType", "USER 24dB"},
      {"SurRmsRatioPane", "100"},  {"SysMusNormalVolPane", "30"}, {"SysMusInputLevelBox", "3dB"},
      {"EchoEffPhaseBtn", "+"},    {"MainMusPhaseBtn", "-"},
  };
  for (const auto& [name, text] : texts)
    EXPECT_EQ(Text(name).toStdString(), text) << name;
  EXPECT_EQ(Find<QSlider>("MainMusLevelBar")->value(), 50);
  EXPECT_EQ(Find<QSlider>("SysMusNormalVolBar")->value(), 30);
  EXPECT_EQ(Hint(Find("MusEQAllpassBtn")), QStringLiteral("0"));
  EXPECT_EQ(Hint(Find("MainLmuteBtn")), QStringLiteral("1"));
  auto* feedback = Find<BitmapButton>("MicFBERadioBtn3");
  EXPECT_EQ(Look(feedback, Picture::Up), Look(feedback, Picture::Down));
  // Manual mode: the outputs are free, and the low-pass Q follows its user type.
  EXPECT_TRUE(Find("MainMusLevelBar")->isEnabled());
  EXPECT_TRUE(Find("SubMusLPuserQBar")->isEnabled());
  EXPECT_FALSE(Find("SubMusHPuserQBar")->isEnabled());
  auto* modes = Find<QComboBox>("SysModeBox");
  ASSERT_EQ(modes->count(), 15);
  EXPECT_EQ(modes->itemText(0), QStringLiteral("1-MODE0"));
  EXPECT_EQ(modes->itemText(14), QStringLiteral("15-MODE14"));
  // The System page: administrator level (1), keypad lock on (1).
  EXPECT_FALSE(Find("SysUserMangerGrop")->isEnabled());
  EXPECT_TRUE(Find("SignRzGroup")->isEnabled());
  EXPECT_TRUE(Find("RzBmpButton138")->isEnabled());
  auto* lockOn = Find<BitmapButton>("SysPanelBtn2");
  EXPECT_EQ(Look(lockOn, Picture::Up), Look(lockOn, Picture::Down));
  EXPECT_EQ(Text("SysMusMaxVolPane"), QStringLiteral("1"));
}

}  // namespace
}  // namespace fenwave
