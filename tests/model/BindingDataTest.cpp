#include "model/BindingData.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace fenwave {
namespace {

using K = WidgetKind;

// Every (name, kind, address) the table holds, one per control per slot.
struct Occurrence {
  std::string name;
  WidgetKind kind;
  ParamAddress address;
};

std::vector<Occurrence> AllOccurrences() {
  std::vector<Occurrence> all;
  for (int m = 0; m < 11; ++m) {
    for (int s = 0; s < 81; ++s) {
      const BindingEntry& e = BindingAt(m, s);
      for (const BoundControl* c : {&e.value, &e.companion, &e.step}) {
        if (!c->empty()) all.push_back({std::string(c->name), c->kind, MakeAddress(m, s)});
      }
    }
  }
  return all;
}

TEST(BindingData, ControlTagsFollowTheLaterSlot) {
  struct Case {
    const char* name;
    ParamAddress tag;
  };
  const Case cases[] = {
      {"MainQEdit1", 0x0522},
      {"MainQGrop1", 0x0522},
      {"MainMusHPslope", 0x0512},
      {"MainMusHPslope2", 0x0512},
      {"CenterMusHPslope2", 0x0712},
      {"MicQEdit1", 0x0108},
      {"MIcQGrop1", 0x0108},
      {"MIcQUpDownBtn1", 0x0108},
      {"MicQEdit15", 0x014E},
      {"MicFreEdit1", 0x0105},
      {"MIcGainUpDownBtn2", 0x010B},
      {"RvbDirectPhaseBtn", 0x0402},
      {"SysInput", 0x090E},
      {"AutoModeBtn", 0x0000},
      {"ManulModeBtn", 0x0000},
      {"DiscoModeBtn", 0x0001},
      {"SingModeBtn", 0x0001},
      {"MusModeBox1", 0x0004},
      {"MusEQBmpBtn1", 0x0004},
      {"MusFreEdit10", 0x0032},
      {"MusQEdit10", 0x0035},
      {"EchoGainEdit3", 0x0319},
      {"SurQEdit5", 0x0834},
      {"SubModeBox3", 0x0026 + 0x0600},
      {"SubMusHPTypeBtn", 0x0608},
      {"SubMusLPTypeBtn", 0x060E},
      {"CenterHPFreUpDownBtn", 0x0710},
      {"MicHPFreUpDownBtn", 0x0100},
      {"MainMusLevelPane", 0x0500},
      {"SysEffNormalVolBar", 0x0922},
      {"SysMusInputLevelBox", 0x0903},
      // Radio buttons outside the table carry their group's address.
      {"MicFBERadioBtn1", 0x0101},
      {"MicFBERadioBtn2", 0x0101},
      {"MicFBERadioBtn4", 0x0101},
      {"SysInput2", 0x090E},
      {"SysPanelBtn2", 0x090D},
      {"SysManagerBtn", 0x090C},
      {"SysMusInputLevel", 0x0903},
      {"SysMusInputLevel2", 0x0903},
      {"SysMusInputLevel3", 0x0903},
  };
  std::map<std::string, ParamAddress> listed;
  for (const ControlTag& t : ControlTags()) {
    EXPECT_TRUE(listed.emplace(std::string(t.name), t.address).second) << t.name << " twice";
  }
  for (const Case& c : cases) {
    EXPECT_EQ(ControlTagOf(c.name), c.tag) << c.name;
    EXPECT_EQ(listed[c.name], c.tag) << c.name;
  }
  for (const char* untagged : {"Example", "ComEQFreEdit", "MicABtn", "MainModeBtn4", ""}) {
    EXPECT_FALSE(ControlTagOf(untagged).has_value()) << untagged;
    EXPECT_EQ(listed.count(untagged), 0u) << untagged;
  }
  for (const ControlTag& t : ControlTags()) {
    EXPECT_EQ(ControlTagOf(t.name), t.address) << t.name;
  }
}

TEST(BindingData, SpecialEntries) {
  struct Case {
    ParamAddress address;
    const char* value;
    const char* companion;
    const char* step;
  };
  const Case cases[] = {
      {0x0000, "AutoModeBtn", "ManulModeBtn", ""},
      {0x0001, "DiscoModeBtn", "SingModeBtn", ""},
      {0x0003, "MusEQAllpassBtn", "", ""},
      {0x0004, "MusModeBox1", "", "MusEQBmpBtn1"},
      {0x0009, "MusModeBox2", "", ""},
      {0x0101, "MicFBERadioBtn1", "", ""},
      {0x0105, "MicFreEdit1", "MIcFreGrop1", "MIcFreUpDownBtn1"},
      {0x0107, "MicQEdit1", "MIcQGrop1", "MIcQUpDownBtn1"},
      {0x0108, "MicQEdit1", "MIcQGrop1", "MIcQUpDownBtn1"},
      {0x0402, "RvbDirectPhaseBtn", "RvbDirectPhaseBtn", ""},
      {0x0512, "MainMusHPslope", "MainMusHPslope2", ""},
      {0x0712, "CenterMusHPslope", "CenterMusHPslope2", ""},
      {0x0608, "SubMusHPType", "SubMusHPTypeBtn", ""},
      {0x060E, "SubMusLPType", "SubMusLPTypeBtn", ""},
      {0x090E, "SysInput", "SysInput", ""},
      {0x0903, "SysMusInputLevelBox", "", ""},
      {0x0002, "", "", ""},
      {0x0511, "", "", ""}, // second-bank partner of slot 16
      {0x090F, "", "", ""},
  };
  for (const Case& c : cases) {
    const BindingEntry& e = BindingAt(c.address);
    EXPECT_EQ(e.value.name, c.value) << std::hex << c.address;
    EXPECT_EQ(e.companion.name, c.companion) << std::hex << c.address;
    EXPECT_EQ(e.step.name, c.step) << std::hex << c.address;
  }
  const BindingEntry& q = BindingAt(0x0107);
  EXPECT_EQ(q.value.kind, K::kEditBox);
  EXPECT_EQ(q.companion.kind, K::kGroupBox);
  EXPECT_EQ(q.step.kind, K::kSpinButtons);
  EXPECT_EQ(q.displayFormat, 4);
  EXPECT_EQ(BindingAt(0x0004).value.kind, K::kDropDownList);
  EXPECT_EQ(BindingAt(0x0004).displayFormat, 1);
  EXPECT_EQ(BindingAt(0x0004).step.kind, K::kBitmapButton);
  EXPECT_EQ(BindingAt(0x0005).displayFormat, 2);
  EXPECT_EQ(BindingAt(0x0006).displayFormat, 3);
  EXPECT_EQ(BindingAt(0x0608).companion.kind, K::kBitmapButton);
  EXPECT_EQ(BindingAt(0x0608).displayFormat, 0); // only band-type lists carry a code
  EXPECT_EQ(BindingAt(0x0000).value.role, ButtonRole::kMode);
  EXPECT_EQ(BindingAt(0x0001).companion.role, ButtonRole::kBank);
  EXPECT_EQ(BindingAt(0x0300).value.role, ButtonRole::kPhase);
  EXPECT_EQ(BindingAt(0x051A).value.role, ButtonRole::kSwitch);
  EXPECT_EQ(BindingAt(0x090D).value.role, ButtonRole::kRadio);
}

TEST(BindingData, SlidersCarryTheirRangeAndPaneFormat) {
  struct Case {
    ParamAddress address;
    const char* slider;
    const char* pane;
    int max;
    int format;
    const char* spin;
  };
  const Case cases[] = {
      {0x0100, "MicHPFreBar", "MicHPFrePane", 143, 6, "MicHPFreUpDownBtn"},
      {0x0304, "EchoHPFreBar", "EchoHPFrePane", 241, 13, "EchoHPFreUpDownBtn"},
      {0x0305, "EchoLPFreBar", "EchoLPFrePane", 194, 7, "EchoLPFreUpDownBtn"},
      {0x0306, "EchoPreDelayBar", "EchoPreDelayPane", 125, 11, ""},
      {0x0307, "EchoTimeBar", "EchoTimePane", 250, 11, ""},
      {0x0309, "EchoRTimeBar", "EchoRTimePane", 100, 10, ""},
      {0x0404, "RvbTimeBar", "RvbTimePane", 80, 12, ""},
      {0x0500, "MainMusLevelBar", "MainMusLevelPane", 100, 9, ""},
      {0x0510, "MainMusHPFreBar", "MainMusHPFrePane", 143, 6, "MainHPFreUpDownBtn"},
      {0x0519, "MainRdelayBar", "MainRdelayPane", 500, 18, ""},
      {0x0600, "SubMusLevelBar", "SubMusLevelPane", 200, 9, ""},
      {0x060C, "SubMusHPuserQBar", "SubMusHPuserQPane", 23, 19, "SubMusHPuserQUpDownBtn"},
      {0x0610, "SubMusLPFreBar", "SubMusLPFrePane", 143, 6, "SubLPFreUpDownBtn"},
      {0x0617, "SubRmsRatioBar", "SubRmsRatioPane", 40, 15, ""},
      {0x0718, "CenterdelayBar", "CenterdelayPane", 500, 18, ""},
      {0x0714, "CenterRmsAttackBar", "CenterRmsAttackPane", 15, 17, ""},
      {0x0813, "SurRmsReleaseBar", "SurRmsReleasePane", 7, 16, ""},
      {0x0814, "SurRmsLevelBar", "SurRmsLevelPane", 34, 14, ""},
      {0x0816, "SurLdelayBar", "SurLdelayPane", 500, 18, ""},
      {0x0906, "SysMusStartVolBar", "SysMusStartVolPane", 84, 0, ""},
      {0x0920, "SysMusNormalVolBar", "SysMusNormalVolPane", 84, 0, ""},
  };
  for (const Case& c : cases) {
    const BindingEntry& e = BindingAt(c.address);
    EXPECT_EQ(e.value.name, c.slider) << std::hex << c.address;
    EXPECT_EQ(e.value.kind, K::kSlider) << c.slider;
    EXPECT_EQ(e.companion.name, c.pane) << c.slider;
    EXPECT_EQ(e.companion.kind, K::kValuePane) << c.slider;
    EXPECT_EQ(e.sliderMax, c.max) << c.slider;
    EXPECT_EQ(e.displayFormat, c.format) << c.slider;
    EXPECT_EQ(e.step.name, c.spin) << c.slider;
  }
}

TEST(BindingData, EmptyWhereNoControlsAre) {
  for (int s = 0; s < 81; ++s) {
    const BindingEntry& e = BindingAt(2, s);
    EXPECT_TRUE(e.value.empty() && e.companion.empty() && e.step.empty()) << "slot " << s;
    EXPECT_TRUE(BindingAt(10, s).value.empty()) << "slot " << s;
  }
  EXPECT_TRUE(BindingAt(11, 0).value.empty());
  EXPECT_TRUE(BindingAt(-1, 0).value.empty());
  EXPECT_TRUE(BindingAt(0, 81).value.empty());
  EXPECT_TRUE(BindingAt(0, -1).value.empty());
  EXPECT_TRUE(BindingAt(-5).value.empty());
  EXPECT_TRUE(BindingAt(0x0036).value.empty()); // past the music module's last band
}

TEST(BindingData, EveryNameIsOneControlOfOneKind) {
  std::map<std::string, WidgetKind> kinds;
  std::map<std::string, std::set<ParamAddress>> addresses;
  for (const Occurrence& o : AllOccurrences()) {
    const auto [it, inserted] = kinds.emplace(o.name, o.kind);
    EXPECT_EQ(it->second, o.kind) << o.name;
    addresses[o.name].insert(o.address);
  }
  for (const RadioButton& b : RadioButtons) {
    const auto [it, inserted] = kinds.emplace(std::string(b.name), K::kBitmapButton);
    EXPECT_EQ(it->second, K::kBitmapButton) << b.name;
  }
  // A control stands for one slot, except a band's Q controls, which serve both Q fields.
  for (const auto& [name, slots] : addresses) {
    if (slots.size() == 1) continue;
    ASSERT_EQ(slots.size(), 2u) << name;
    EXPECT_EQ(*slots.rbegin() - *slots.begin(), 1) << name;
    EXPECT_EQ(EqElementOf(*slots.begin()) % 256, 3) << name;
  }
}

TEST(BindingData, ControlCountsMatchTheHandlerFamilies) {
  std::map<WidgetKind, std::set<std::string>> byKind;
  std::map<ButtonRole, std::set<std::string>> byRole;
  std::set<std::string> slidersOfModules1To8;
  for (const Occurrence& o : AllOccurrences())
    byKind[o.kind].insert(o.name);
  for (int m = 0; m < 11; ++m) {
    for (int s = 0; s < 81; ++s) {
      const BindingEntry& e = BindingAt(m, s);
      for (const BoundControl* c : {&e.value, &e.companion, &e.step}) {
        if (c->kind == K::kBitmapButton) byRole[c->role].insert(std::string(c->name));
      }
      if (e.value.kind == K::kSlider && m >= 1 && m <= 8)
        slidersOfModules1To8.insert(std::string(e.value.name));
    }
  }
  EXPECT_EQ(byKind[K::kSlider].size(), 68u);
  EXPECT_EQ(slidersOfModules1To8.size(), 59u);
  EXPECT_EQ(byKind[K::kValuePane].size(), 68u);
  EXPECT_EQ(byKind[K::kEditBox].size(), 138u);     // 141 less the shared band editor's 3
  EXPECT_EQ(byKind[K::kSpinButtons].size(), 150u); // 153 less the shared band editor's 3
  EXPECT_EQ(byKind[K::kGroupBox].size(), 138u);
  EXPECT_EQ(byKind[K::kDropDownList].size(), 46u + 4u); // band types, 2 filter types, 2 System
  EXPECT_EQ(byRole[ButtonRole::kPhase].size(), 18u);
  EXPECT_EQ(byRole[ButtonRole::kSwitch].size(), 13u); // 6 mutes, 7 EQ pass
  EXPECT_EQ(byKind[K::kButton].size(), 0u);
}

TEST(BindingData, BoundEqEditBoxesPerPage) {
  std::map<int, std::set<std::string>> editsByPage;
  for (const Occurrence& o : AllOccurrences()) {
    if (o.kind == K::kEditBox) editsByPage[PageOfAddress(o.address)].insert(o.name);
  }
  const std::size_t expected[] = {30, 45, 9, 15, 15, 9, 15};
  for (int page = 0; page < 7; ++page) {
    EXPECT_EQ(editsByPage[page].size(), expected[page]) << "page " << page;
  }
}

TEST(BindingData, RadioGroupsListTheirButtonsLeftToRight) {
  const auto mic = RadioGroupMembers(0x0101);
  ASSERT_EQ(mic.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(mic[static_cast<std::size_t>(i)].name, "MicFBERadioBtn" + std::to_string(i + 1));
    EXPECT_EQ(mic[static_cast<std::size_t>(i)].value, i);
  }
  const auto input = RadioGroupMembers(0x0903);
  ASSERT_EQ(input.size(), 3u);
  EXPECT_EQ(input[2].name, "SysMusInputLevel3");
  EXPECT_EQ(input[2].value, 2);
  const auto port = RadioGroupMembers(0x090E);
  ASSERT_EQ(port.size(), 2u);
  EXPECT_EQ(port[0].name, "SysInput");
  EXPECT_EQ(port[1].name, "SysInput2");
  EXPECT_EQ(RadioGroupMembers(0x0512).size(), 2u);
  EXPECT_TRUE(RadioGroupMembers(0x0500).empty());
  for (const RadioButton& b : RadioButtons)
    EXPECT_EQ(ControlTagOf(b.name), b.group) << b.name;
}

} // namespace
} // namespace fenwave
