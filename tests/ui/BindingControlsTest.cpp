// The window holds every control the binding data names, of the kind it names, with the range,
// starting position, design text and hint the layout gives it.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <map>
#include <set>
#include <string>

#include "WindowFixture.h"
#include "model/BindingData.h"
#include "ui/BitmapButton.h"
#include "ui/ControlKinds.h"
#include "ui/ControlProps.h"
#include "ui/GraphWidgets.h"

namespace fenwave {
namespace {

// System page controls of the binding data: that page's builder adds them.
const std::set<std::string> kSystemPageControls = {
    "SysModeBox",       "SysMusStartVolBar", "SysMusStartVolPane", "SysMusMaxVolBar",
    "SysMusMaxVolPane", "SysMicStartVolBar", "SysMicStartVolPane", "SysMicMaxVolBar",
    "SysMicMaxVolPane", "SysEffStartVolBar", "SysEffStartVolPane", "SysEffMaxVolBar",
    "SysEffMaxVolPane", "SysUserBtn",        "SysManagerBtn",      "SysPanelBtn1",
    "SysPanelBtn2",
};

bool HasKind(QWidget* w, WidgetKind kind) {
  switch (kind) {
  case WidgetKind::kSlider:
    return qobject_cast<QSlider*>(w) != nullptr;
  case WidgetKind::kValuePane:
    return qobject_cast<ValuePane*>(w) != nullptr;
  case WidgetKind::kEditBox:
    return qobject_cast<EqEdit*>(w) != nullptr;
  case WidgetKind::kDropDownList:
    return qobject_cast<QComboBox*>(w) != nullptr;
  case WidgetKind::kBitmapButton:
    return qobject_cast<BitmapButton*>(w) != nullptr;
  case WidgetKind::kGroupBox:
    return qobject_cast<ColorGroupBox*>(w) != nullptr;
  case WidgetKind::kSpinButtons:
    return qobject_cast<SpinButtons*>(w) != nullptr;
  default:
    return false;
  }
}

class BindingControlsTest : public SharedWindowTest {
 protected:
  // Every named descendant, by name; a name held twice appears with a count above 1.
  static std::map<std::string, std::vector<QWidget*>> NamedWidgets() {
    std::map<std::string, std::vector<QWidget*>> named;
    for (QWidget* w : Window().findChildren<QWidget*>()) {
      const QString name = w->objectName();
      if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
      named[name.toStdString()].push_back(w);
    }
    return named;
  }
};

TEST_F(BindingControlsTest, EveryBoundControlExistsOnceWithItsKind) {
  const auto named = NamedWidgets();
  int checked = 0;
  for (int m = 0; m < kModuleCount; ++m) {
    for (int s = 0; s < kBindingSlots; ++s) {
      const BindingEntry& e = BindingAt(m, s);
      for (const BoundControl* c : {&e.value, &e.companion, &e.step}) {
        if (c->empty()) continue;
        const std::string name(c->name);
        if (kSystemPageControls.contains(name)) continue;
        const auto it = named.find(name);
        ASSERT_NE(it, named.end()) << name << " at module " << m << " slot " << s;
        ASSERT_EQ(it->second.size(), 1u) << name << " is held by several widgets";
        EXPECT_TRUE(HasKind(it->second.front(), c->kind))
            << name << " is a " << it->second.front()->metaObject()->className();
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 600);  // the band controls alone are 46 bands × 10 names
}

TEST_F(BindingControlsTest, NoObjectNameIsUsedTwice) {
  for (const auto& [name, widgets] : NamedWidgets())
    EXPECT_EQ(widgets.size(), 1u) << name;
  EXPECT_TRUE(Window().Controls().Duplicates().isEmpty())
      << Window().Controls().Duplicates().join(QLatin1Char(' ')).toStdString();
}

TEST_F(BindingControlsTest, BoundSlidersPanesEditsAndListsCarryTheirDataInRangeAndHint) {
  for (int m = 0; m < kModuleCount; ++m) {
    for (int s = 0; s < kBindingSlots; ++s) {
      const BindingEntry& e = BindingAt(m, s);
      if (e.value.empty() || kSystemPageControls.contains(std::string(e.value.name))) continue;
      const std::string name(e.value.name);
      QWidget* value = Find(name.c_str());
      ASSERT_NE(value, nullptr) << name;
      switch (e.value.kind) {
      case WidgetKind::kSlider: {
        auto* slider = qobject_cast<QSlider*>(value);
        EXPECT_EQ(slider->minimum(), 0) << name;
        EXPECT_EQ(slider->maximum(), e.sliderMax) << name;
        auto* pane = Find<ValuePane>(std::string(e.companion.name).c_str());
        ASSERT_NE(pane, nullptr) << e.companion.name;
        // The volume panes' hint is their slider's last accepted position, "0" at start.
        EXPECT_EQ(Hint(pane), QString::number(e.displayFormat)) << e.companion.name;
        break;
      }
      case WidgetKind::kEditBox:
        EXPECT_EQ(Hint(value), QString::number(e.displayFormat)) << name;
        break;
      case WidgetKind::kDropDownList:
        // Band-type lists take part in the value display ("1"); other lists carry no hint.
        EXPECT_EQ(Hint(value), e.displayFormat == 1 ? QStringLiteral("1") : QString()) << name;
        break;
      default:
        break;
      }
    }
  }
}

TEST_F(BindingControlsTest, RadioButtonsCarryTheirValueLeftToRight) {
  for (const RadioButton& b : RadioButtons) {
    const std::string name(b.name);
    if (kSystemPageControls.contains(name)) continue;
    auto* button = Find<BitmapButton>(name.c_str());
    ASSERT_NE(button, nullptr) << name;
    EXPECT_EQ(Hint(button), QString::number(b.value)) << name;
  }
  // Left to right on screen as well.
  EXPECT_LT(Find("MicFBERadioBtn1")->x(), Find("MicFBERadioBtn2")->x());
  EXPECT_LT(Find("MicFBERadioBtn3")->x(), Find("MicFBERadioBtn4")->x());
  EXPECT_LT(Find("MainMusHPslope")->x(), Find("MainMusHPslope2")->x());
  EXPECT_LT(Find("SysInput")->x(), Find("SysInput2")->x());
}

struct SliderCase {
  const char* name;
  int max;
  int start;
  Qt::Orientation orientation;
  bool enabled;
};

TEST_F(BindingControlsTest, SlidersHaveTheirRangeStartAndOrientation) {
  const SliderCase cases[] = {
      {"MicHPFreBar", 143, 100, Qt::Horizontal, true},
      {"SubMusLevelBar", 200, 1, Qt::Horizontal, true},
      {"MainMusLevelBar", 100, 1, Qt::Horizontal, true},
      {"EchoTimeBar", 250, 1, Qt::Horizontal, true},
      {"EchoPreDelayBar", 125, 1, Qt::Horizontal, true},
      {"RvbTimeBar", 80, 1, Qt::Horizontal, true},
      {"EchoHPFreBar", 241, 1, Qt::Horizontal, true},
      {"RvbLPFreBar", 194, 1, Qt::Horizontal, true},
      {"MainLdelayBar", 500, 1, Qt::Horizontal, true},
      {"CenterMusHPFreBar", 143, 100, Qt::Horizontal, true},
      {"SubMusLPFreBar", 143, 100, Qt::Horizontal, true},
      {"SubMusHPuserQBar", 23, 15, Qt::Horizontal, false},
      {"SubMusLPuserQBar", 23, 15, Qt::Horizontal, false},
      {"SurRmsReleaseBar", 7, 1, Qt::Horizontal, true},
      {"ComEQFreBar", 361, 10, Qt::Horizontal, true},
      {"ComEQGainBar", 180, 0, Qt::Vertical, true},
      {"ComEQQvalueBar", 100, 10, Qt::Vertical, true},
      {"SysMusNormalVolBar", 84, 10, Qt::Vertical, true},
      {"SysEffNormalVolBar", 84, 10, Qt::Vertical, true},
      {"MusEQTrackBar1", 361, 0, Qt::Horizontal, true},
  };
  for (const SliderCase& c : cases) {
    auto* slider = Find<QSlider>(c.name);
    ASSERT_NE(slider, nullptr) << c.name;
    EXPECT_EQ(slider->minimum(), 0) << c.name;
    EXPECT_EQ(slider->maximum(), c.max) << c.name;
    EXPECT_EQ(slider->value(), c.start) << c.name;
    EXPECT_EQ(slider->orientation(), c.orientation) << c.name;
    EXPECT_EQ(slider->isEnabled(), c.enabled) << c.name;
  }
}

TEST_F(BindingControlsTest, BandStripsShowThreeColumnsAndScrollOneColumnPerStep) {
  struct StripCase {
    int page;
    const char* strip;
    const char* scrollBar;
    int scrollMax;
  };
  const StripCase cases[] = {
      {0, "MusScrollBox", "MusPanScrollBar", 7},       {1, "MicScrollBox", "MicPanScrollBar", 12},
      {2, "EffScrollBox", "EffPanScrollBar", 0},       {3, "MainScrollBar", "MainPanScrollBar", 2},
      {4, "CenterScrollBar", "CenterPanScrollBar", 2}, {5, "AdvScrollBox3", "SubPanScrollBar", 0},
      {6, "SurScrollBar", "SurPanScrollBar", 2},
  };
  for (const StripCase& c : cases) {
    auto* strip = Find<QScrollArea>(c.strip);
    auto* bar = Find<QScrollBar>(c.scrollBar);
    ASSERT_NE(strip, nullptr) << c.strip;
    ASSERT_NE(bar, nullptr) << c.scrollBar;
    EXPECT_EQ(bar->minimum(), 0) << c.scrollBar;
    EXPECT_EQ(bar->maximum(), c.scrollMax) << c.scrollBar;
    EXPECT_EQ(strip->viewport()->width(), 3 * 71) << c.strip;
    // Each step of the bar moves the strip by one 71-pixel column, to its very end.
    EXPECT_EQ(strip->horizontalScrollBar()->maximum(), c.scrollMax * 71) << c.strip;
    EXPECT_EQ(Window().BandStrip(c.page), strip);
    EXPECT_EQ(Window().BandStripScrollBar(c.page), bar);
  }
}

TEST_F(BindingControlsTest, BandColumnsHoldNumberedLabelsEditsAndTypeLists) {
  struct PageCase {
    int page;
    const char* label;  // band label stem
    const char* value;  // edit and list prefix
    const char* frame;  // group box and spin prefix
    int bands;
    int module;
    const char* firstFrequencySlot;
  };
  const PageCase cases[] = {
      {0, "MusEQPointLabel", "Mus", "Mus", 10, 0, "5"},
      {1, "MicEQPointLabel", "Mic", "MIc", 15, 1, "5"},
      {2, "EffEQPointLabel", "Echo", "Echo", 3, 3, "14"},
      {3, "MainEQPointLabel", "Main", "Main", 5, 5, "31"},
      {4, "CenterEQPointLabel", "Center", "Center", 5, 7, "29"},
      {5, "SubEQPointLabel", "Sub", "Sub", 3, 6, "29"},
      {6, "SurEQPointLabel", "Sur", "Sur", 5, 8, "29"},
  };
  const char* const fields[][4] = {{"FreEdit", "FreGrop", "FreUpDownBtn", "20000.00"},
                                   {"GainEdit", "GainGrop", "GainUpDownBtn", "-24.0dB"},
                                   {"QEdit", "QGrop", "QUpDownBtn", "128.00"}};
  for (const PageCase& c : cases) {
    ASSERT_EQ(Window().EqPointLabels(c.page).size(), static_cast<std::size_t>(c.bands));
    for (int k = 1; k <= c.bands; ++k) {
      const std::string n = std::to_string(k);
      auto* label = Find<ClickLabel>((c.label + n).c_str());
      ASSERT_NE(label, nullptr) << c.label << n;
      EXPECT_EQ(Window().EqPointLabels(c.page)[static_cast<std::size_t>(k - 1)], label);
      EXPECT_EQ(label->text(), QString::fromStdString(n));
      EXPECT_EQ(Tag(label), c.module) << c.label << n;
      EXPECT_EQ(Hint(label), QString::fromLatin1(c.firstFrequencySlot)) << c.label << n;

      for (int f = 0; f < 3; ++f) {
        auto* edit = Find<EqEdit>((c.value + std::string(fields[f][0]) + n).c_str());
        auto* group = Find<ColorGroupBox>((c.frame + std::string(fields[f][1]) + n).c_str());
        auto* spin = Find<SpinButtons>((c.frame + std::string(fields[f][2]) + n).c_str());
        ASSERT_TRUE(edit && group && spin) << c.value << fields[f][0] << n;
        EXPECT_EQ(edit->text(), QString::fromUtf8(fields[f][3]));
        EXPECT_EQ(Hint(edit), QString::number(f + 2));
        EXPECT_EQ(edit->parentWidget(), group);
        EXPECT_EQ(spin->parentWidget(), group);
      }
      auto* type = Find<QComboBox>((c.value + std::string("ModeBox") + n).c_str());
      ASSERT_NE(type, nullptr) << c.value << "ModeBox" << n;
      ASSERT_EQ(type->count(), 3);
      EXPECT_EQ(type->itemText(0), QStringLiteral("PEQ"));
      EXPECT_EQ(type->itemText(1), QStringLiteral("LSEQ"));
      EXPECT_EQ(type->itemText(2), QStringLiteral("HSEQ"));
      EXPECT_EQ(type->currentText(), k <= 2 ? QStringLiteral("HSEQ") : QStringLiteral("PEQ"));
      EXPECT_EQ(Hint(type), QStringLiteral("1"));
    }
  }
}

struct TextCase {
  const char* name;
  const char* text;
};

QString TextOf(QWidget* w) {
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
  if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
  if (auto* list = qobject_cast<QComboBox*>(w)) return list->currentText();
  return {};
}

TEST_F(BindingControlsTest, CaptionsAndDesignTextsAreTheLayoutsOwn) {
  const TextCase cases[] = {
      {"Label77", "Fenwave 1.0.8"},
      {"FormTabBtn1", "音 乐"},
      {"FormTabBtn2", "麦克风"},
      {"FormTabBtn3", "效 果"},
      {"FormTabBtn4", "主输出"},
      {"FormTabBtn5", "中 置"},
      {"FormTabBtn6", "超低音"},
      {"FormTabBtn7", "后 置"},
      {"FormTabBtn8", "系 统"},
      {"RzGroupBox103", " 音量控制     "},
      {"SysMusNormalVolPane", "10"},
      {"LinkBtn", "联机"},
      {"UnLinkBtn", "断开"},
      {"LinkLabel", "设备未连接"},
      {"COMEQlabel", "调节当前EQ段：1"},
      {"ComEQFreEdit", "20000.00"},
      {"ComEQGainEdit", "-24.0dB"},
      {"ComEQQvalueEdit", "128.00"},
      {"ManulModeBtn", "手动"},
      {"AutoModeBtn", "自动"},
      {"SingModeBtn", "唱歌"},
      {"DiscoModeBtn", "舞蹈"},
      {"EQlabel", "+12dB\nQ:128.00\n12000.00Hz"},
      {"EQPassLabel", "EQ PASS"},
      {"EQResetBtn", "EQ重置"},
      {"RzBmpButton15", "EQ重置"},
      {"MusEQAllpassBtn", "EQ pass"},
      {"SubEQAllpassBtn", "EQ pass"},
      {"SysInput", "1"},
      {"SysInput2", "2"},
      {"SysMusInputLevelBox", "0dB"},
      {"MicHPFrePane", "500.0Hz"},
      {"MicFBERadioBtn1", "OFF"},
      {"MicFBERadioBtn4", "3"},
      {"MicABtn", "麦克风A组"},
      {"MicBBtn", "麦克风B组"},
      {"EchoHPFrePane", "20500.1Hz"},
      {"RvbLPFrePane", "20060.0Hz"},
      {"EchoEffPhaseBtn", "+"},
      {"RvbTimePane", "5000.0"},
      {"EchoRTimePane", "200"},
      {"MainRmsLevelPane", "-20"},
      {"CenterRmsAttackPane", "90.0"},
      {"SurRmsReleasePane", "32"},
      {"SubRmsRatioPane", "100.0"},
      {"MainLmuteBtn", "左通道静音"},
      {"SurRmuteBtn", "右通道静音"},
      {"CentermuteBtn", "静 音"},
      {"SubmuteBtn", "静 音"},
      {"MainMusHPslope", "12dB"},
      {"CenterMusHPslope2", "24dB"},
      {"SubMusHPuserQPane", "1.0"},
      {"SubMusLPType", "Besell 24dB"},
  };
  for (const TextCase& c : cases) {
    QWidget* w = Find(c.name);
    ASSERT_NE(w, nullptr) << c.name;
    EXPECT_EQ(TextOf(w), QString::fromUtf8(c.text)) << c.name;
  }
}

TEST_F(BindingControlsTest, TogglesStartAtZeroAndVolumeSlidersHaveTheEverydayRole) {
  for (const char* name :
       {"MusEQAllpassBtn", "MicEQAllpassBtn", "EchoEQAllpassBtn", "MainEQAllpassBtn",
        "CenterEQAllpassBtn", "SubEQAllpassBtn", "SurEQAllpassBtn", "MainLmuteBtn", "MainRmuteBtn",
        "CentermuteBtn", "SubmuteBtn", "SurLmuteBtn", "SurRmuteBtn", "EchoEffPhaseBtn",
        "RvbDirectPhaseBtn", "SubMicPhaseBtn", "SurRvbPhaseBtn"}) {
    QWidget* w = Find(name);
    ASSERT_NE(w, nullptr) << name;
    EXPECT_EQ(Hint(w), QStringLiteral("0")) << name;
  }
  for (const char* name : {"SysMusNormalVolBar", "SysMicNormalVolBar", "SysEffNormalVolBar"})
    EXPECT_EQ(Hint(Find(name)), QStringLiteral("0")) << name;
}

TEST_F(BindingControlsTest, ListsHoldTheirItems) {
  auto items = [](const char* name) {
    QStringList list;
    auto* box = Find<QComboBox>(name);
    for (int i = 0; box && i < box->count(); ++i)
      list << box->itemText(i);
    return list;
  };
  EXPECT_EQ(items("SysMusInputLevelBox"),
            (QStringList{QStringLiteral("0dB"), QStringLiteral("3dB"), QStringLiteral("6dB")}));
  const QStringList filterTypes = {
      QStringLiteral("Besell 24dB"), QStringLiteral("Butterworth 24dB"),
      QStringLiteral("Link Riley 24dB"), QStringLiteral("USER 12dB"), QStringLiteral("USER 24dB")};
  EXPECT_EQ(items("SubMusHPType"), filterTypes);
  EXPECT_EQ(items("SubMusLPType"), filterTypes);
  // The music input gain is enabled by user level: its list sits inside SignRzGroup.
  QWidget* group = Find("SignRzGroup");
  ASSERT_NE(group, nullptr);
  EXPECT_TRUE(group->isAncestorOf(Find("SysMusInputLevelBox")));
}

TEST_F(BindingControlsTest, ControlsTheUserNeverSeesAreHidden) {
  for (const char* name : {"Example", "ExampleBtn", "ComComboBox1", "RzGroupBox10", "LinkLabel",
                           "EQPassLabel", "RzGroupBox5", "MusEQBmpBtn1", "SysMusInputLevel",
                           "SysMusInputLevel2", "SysMusInputLevel3"}) {
    QWidget* w = Find(name);
    ASSERT_NE(w, nullptr) << name;
    EXPECT_FALSE(w->isVisible()) << name;
  }
  EXPECT_NE(Find<QPlainTextEdit>("Memo2"), nullptr);
  EXPECT_TRUE(Find("RzGroupBox5")->isAncestorOf(Find("Memo2")));
  EXPECT_TRUE(Find("AdvTabSheet1_mus")->isAncestorOf(Find("RzGroupBox5")));
  EXPECT_TRUE(Find("RzGroupBox10")->isAncestorOf(Find("MusEQTrackBar1")));
}

TEST_F(BindingControlsTest, MarkerTableHoldsTheSeventeenMarkersInOrderWithTheirIndex) {
  const char* const names[] = {"EP1",  "EP2",  "EP3",  "EP4",  "EP5",  "EP6",  "EP7", "EP8", "EP9",
                               "EP10", "EP11", "EP12", "EP13", "EP14", "EP15", "HPF", "LPF"};
  const auto& table = Window().EqMarkerTable();
  for (int i = 0; i < kEqMarkerCount; ++i) {
    EqMarker* marker = table[static_cast<std::size_t>(i)];
    ASSERT_NE(marker, nullptr) << i;
    EXPECT_EQ(marker->objectName(), QString::fromLatin1(names[i]));
    EXPECT_EQ(Tag(marker), i);
    EXPECT_EQ(marker->size(), i < 15 ? QSize(14, 14) : QSize(24, 24)) << names[i];
    EXPECT_EQ(marker->parentWidget(), Window().AdvPanel2());
  }
}

TEST_F(BindingControlsTest, PageButtonsCarryTheirPageNumber) {
  for (int page = 0; page < kPageCount; ++page) {
    const std::string name = "FormTabBtn" + std::to_string(page + 1);
    EXPECT_EQ(Tag(Find(name.c_str())), page) << name;
    EXPECT_EQ(Window().PageButtons()[static_cast<std::size_t>(page)], Find(name.c_str()));
  }
}

}  // namespace
}  // namespace fenwave
