// The shared handlers of the other control families (value sliders, phase, mute and EQ pass
// buttons, operating mode, bank, microphone group, radio groups, filter lists, volume limits)
// and the wiring of every control of the window to the handler of its family.
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QSet>
#include <QSlider>

#include "link/DeviceLink.h"
#include "model/ParameterModel.h"
#include "model/Scales.h"
#include "ui/BitmapButton.h"
#include "ui/ControlBinding.h"
#include "ui/ControlKinds.h"
#include "ui/ControlProps.h"
#include "ui/MainFrm.h"
#include "ui/PageBuilder.h"
#include "ui/Theme.h"

namespace fenwave {
namespace {

// The volume limit triples: everyday, start-up and maximum volume of one source.
struct VolumeTriple {
  ParamAddress normal;
  ParamAddress start;
  ParamAddress max;
};
constexpr std::array<VolumeTriple, 3> kVolumeTriples = {{
    {0x0920, 0x0906, 0x0907},  // music
    {0x0921, 0x0908, 0x0909},  // microphone
    {0x0922, 0x090A, 0x090B},  // effect
}};
// A volume slider's hint: 0 everyday, 1 start-up, 2 maximum volume.
constexpr int kMaxVolume = 2;

constexpr ParamAddress kSubHighPassType = 0x0608;
constexpr ParamAddress kSubLowPassType = 0x060E;
constexpr ParamAddress kUserLevel = 0x090C;
// The filter types whose Q the user sets: "USER 12dB" and "USER 24dB".
bool IsUserFilterType(int index) {
  return index == 3 || index == 4;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Value sliders.

void ControlBinding::MicHPFreBarChange(QSlider* slider) {
  if (m_TrackBarUpdating) return;
  const ResolvedControl& pane = m_Table.CompanionControl(Tag(slider));
  if (pane.kind == WidgetKind::kValuePane)
    ApplyValue(pane.widget, kStepNone, false, slider->value());
  m_CurrentEdit = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Phase, mute and EQ pass buttons.

void ControlBinding::EchoEffPhaseBtnClick(BitmapButton* button) {
  const ParamAddress a = Tag(button);
  const int v = ApplyControlKind(button, kKindPhase);
  m_Link.SendParameter(a, v);
}

void ControlBinding::MainLmuteBtnClick(BitmapButton* button) {
  const ParamAddress a = Tag(button);
  const int v = ApplyControlKind(button, kKindSwitch);
  m_Link.SendParameter(a, v);
}

void ControlBinding::MusEQAllpassBtnClick(BitmapButton* button) {
  const ParamAddress a = Tag(button);
  const int v = ApplyControlKind(button, kKindSwitch);
  m_Link.SendParameter(a, v);
  const int module = ModuleOf(a);
  if (module < 0 || module >= kModuleCount) return;
  m_EqPassState[static_cast<std::size_t>(module)] = v;
  if (QLabel* pass = m_Window.EQPassLabel()) pass->setVisible(v != 0);
}

void ControlBinding::RunSwitchHandler(BitmapButton* button, ButtonRole role, ParamAddress a) {
  if (role == ButtonRole::kPhase) {
    EchoEffPhaseBtnClick(button);
  } else if (SlotOf(a) == FirstBandSlot[static_cast<std::size_t>(ModuleOf(a))] - 1) {
    MusEQAllpassBtnClick(button);  // the slot before the first band is the EQ pass switch
  } else {
    MainLmuteBtnClick(button);
  }
}

// ---------------------------------------------------------------------------------------------
// Operating mode, bank, microphone group.

void ControlBinding::AutoModeBtnClick(BitmapButton* button) {
  if (!button) return;
  const ParamAddress a = Tag(button);
  const int v = ApplyControlKind(button, kKindMode);
  m_Link.SendParameter(a, v);

  // In automatic mode the device sets the outputs itself: their controls are locked.
  const bool manual = v == 1;
  for (int m = kMain; m <= kSurround; ++m) {
    const int lastSlot = m == kSurround ? 17 : 19;
    for (int s = 0; s <= lastSlot; ++s) {
      const ParamAddress slot = MakeAddress(m, s);
      const ResolvedControl& value = m_Table.ValueControl(slot);
      if (value.kind == WidgetKind::kSlider || value.kind == WidgetKind::kBitmapButton ||
          value.kind == WidgetKind::kDropDownList)
        value.widget->setEnabled(manual);
      const ResolvedControl& step = m_Table.StepControl(slot);
      if (step.kind == WidgetKind::kSpinButtons) step.widget->setEnabled(manual);
      const ResolvedControl& companion = m_Table.CompanionControl(slot);
      if (companion.kind == WidgetKind::kBitmapButton) companion.widget->setEnabled(manual);
    }
  }
  if (m_SingModeBtn) m_SingModeBtn->setEnabled(manual);
  if (m_DiscoModeBtn) m_DiscoModeBtn->setEnabled(manual);

  // The user-Q sliders follow their filter types, without sending.
  const bool refreshing = m_Refreshing;
  const bool suppressed = m_Link.SendSuppressed();
  m_Refreshing = true;
  m_Link.SetSendSuppressed(true);
  for (ParamAddress list : {kSubHighPassType, kSubLowPassType}) {
    const ResolvedControl& c = m_Table.ValueControl(list);
    if (c.kind == WidgetKind::kDropDownList) SubMusHPTypeChange(static_cast<QComboBox*>(c.widget));
  }
  m_Refreshing = refreshing;
  m_Link.SetSendSuppressed(suppressed);
}

void ControlBinding::SingModeBtnClick(BitmapButton* button) {
  const ParamAddress a = Tag(button);
  const int v = ApplyControlKind(button, kKindBank);
  m_Link.SendParameter(a, v);
  m_Model.SetBankSelect(v);
  RefreshControls(kRefreshAll);
  const int page = CurrentPage();
  if (page < kEqPageCount) Redraw(SelectedBand(page), CurrentModule());
}

void ControlBinding::MicABtnClick(BitmapButton* button) {
  const int v = ApplyControlKind(button, kKindMicGroup);
  m_Model.SetMicGroupB(v);
  // Nothing is sent: the group only decides which device module the microphone page edits.
  if (v == 1 && CurrentPage() == 1)
    m_Window.SetCurveColours(theme::kCurveOrange, theme::kCurveOrange);
  else
    m_Window.SetCurveColours(theme::kCurveCyan, theme::kValueLabelCyan);
  RefreshControls(kMicA);
  const int page = CurrentPage();
  if (page < kEqPageCount) Redraw(SelectedBand(page), CurrentModule());
}

// ---------------------------------------------------------------------------------------------
// Radio groups.

void ControlBinding::SetRadioGroup(ParamAddress group) {
  m_RadioGroupButtons.fill(nullptr);
  std::size_t i = 0;
  for (const RadioButton& r : RadioGroupMembers(group)) {
    auto* b = m_Window.Control<BitmapButton>(ToQString(r.name));
    if (b) SetHint(b, QString::number(r.value));
    if (i < m_RadioGroupButtons.size()) m_RadioGroupButtons[i++] = b;
  }
}

void ControlBinding::SysMusInputLevelClick(BitmapButton* button) {
  if (!button) return;
  const int v = HintValue(button);
  const ParamAddress a = Tag(button);
  SetRadioGroup(a);
  if (a == kUserLevel) SetEnabledIfPresent("SysUserMangerGrop", false);
  const int members = static_cast<int>(RadioGroupMembers(a).size());
  if (v >= 0 && v < members && m_RadioGroupButtons[static_cast<std::size_t>(v)])
    ApplyControlKind(m_RadioGroupButtons[static_cast<std::size_t>(v)], kKindRadio);
  else
    PaintRadioGroup(members, -1);  // a value no button stands for (a device out of step)
  m_Link.SendParameter(a, v);
  const bool administrator = m_Model.Value(kUserLevel) != 0;
  SetEnabledIfPresent("SignRzGroup", administrator);
  SetEnabledIfPresent("RzBmpButton138", administrator);
  const int module = ModuleOf(a);
  if (module >= kMain && module <= kSurround) {
    // The slope groups change the high-pass curve.
    if (CurrentPage() < kEqPageCount) Redraw(kAllCurveElements, CurrentModule());
  }
}

// ---------------------------------------------------------------------------------------------
// Subwoofer filter lists and the music input gain.

void ControlBinding::SubMusHPTypeChange(QComboBox* list) {
  const ParamAddress a = Tag(list);
  const int v = list->currentIndex();
  m_Link.SendParameter(a, v);
  int element = -1;
  const char* userQ = nullptr;
  if (a == kSubHighPassType) {
    element = 3;
    userQ = "SubMusHPuserQBar";
  } else if (a == kSubLowPassType) {
    element = 4;
    userQ = "SubMusLPuserQBar";
  }
  if (!userQ) return;
  SetEnabledIfPresent(userQ, IsUserFilterType(v));
  // The subwoofer's curve is only drawn while its page is shown; another page's graph must not
  // be painted over with it.
  if (CurrentModule() == kSub) Redraw(element, kSub);
}

// ---------------------------------------------------------------------------------------------
// Volume limit sliders.

void ControlBinding::SysMusNormalVolBarChange(QSlider* slider) {
  const ParamAddress a = Tag(slider);
  const ResolvedControl& paneControl = m_Table.CompanionControl(a);
  auto* pane = paneControl.kind == WidgetKind::kValuePane
                   ? static_cast<ValuePane*>(paneControl.widget)
                   : nullptr;
  const bool suppressed = m_Link.SendSuppressed();
  const int accepted = pane ? HintValue(pane) : slider->value();
  if (slider->value() > accepted + 1 && !suppressed) {
    // Upwards one step at a time: the move re-enters this handler, which does the rest.
    slider->setValue(accepted + 1);
    return;
  }

  if (!suppressed) {
    const VolumeTriple* triple = nullptr;
    for (const VolumeTriple& t : kVolumeTriples)
      if (a == t.normal || a == t.start || a == t.max) triple = &t;
    if (triple) {
      auto bar = [this](ParamAddress at) -> QSlider* {
        const ResolvedControl& c = m_Table.ValueControl(at);
        return c.kind == WidgetKind::kSlider ? static_cast<QSlider*>(c.widget) : nullptr;
      };
      QSlider* max = bar(triple->max);
      // Each slider pulled here runs this handler for itself.
      auto limit = [max](QSlider* s) {
        if (!s || !max || s->value() <= max->value()) return false;
        s->setValue(max->value());
        return true;
      };
      if (HintValue(slider) == kMaxVolume) {
        limit(bar(triple->start));
        limit(bar(triple->normal));
      } else if (limit(slider)) {
        return;  // the pulled slider has shown and sent its new position
      }
    }
  }

  const int position = slider->value();
  if (pane) {
    pane->setText(ToQString(FormatFloat(position, 0)));
    SetHint(pane, QString::number(position));
  }
  m_Link.SendParameter(a, position);
}

// ---------------------------------------------------------------------------------------------
// Wiring: every control of a family to its handler, found through the binding data.

void ControlBinding::ConnectHandlers() {
  QSet<QObject*> done;
  auto once = [&done](QObject* o) {
    if (!o || done.contains(o)) return false;
    done.insert(o);
    return true;
  };
  QObject* ctx = &m_Connections;

  auto connectEdit = [&](EqEdit* edit) {
    if (!once(edit)) return;
    QObject::connect(edit, &EqEdit::Clicked, ctx, [this, edit] { MusFreEdit1Click(edit); });
    QObject::connect(edit, &EqEdit::KeyPressed, ctx, [this, edit](QChar key, bool& accept) {
      accept = MusFreEdit1KeyPress(edit, key);
    });
    QObject::connect(edit, &EqEdit::KeyDown, ctx, [this](int key) { MusFreEdit1KeyDown(key); });
    QObject::connect(edit, &EqEdit::Exited, ctx, [this] { MusFreEdit1Exit(); });
  };
  auto connectSpin = [&](SpinButtons* spin) {
    if (!once(spin)) return;
    QObject::connect(spin, &SpinButtons::DownLeftClicked, ctx,
                     [this, spin] { MusFreUpDownBtn1DownLeftClick(spin); });
    QObject::connect(spin, &SpinButtons::UpRightClicked, ctx,
                     [this, spin] { MusFreUpDownBtn1UpRightClick(spin); });
  };
  auto connectButton = [&](BitmapButton* b, void (ControlBinding::*handler)(BitmapButton*)) {
    if (!once(b)) return;
    QObject::connect(b, &BitmapButton::clicked, ctx, [this, b, handler] { (this->*handler)(b); });
  };

  for (int m = 0; m < kModuleCount; ++m) {
    for (int s = 0; s < kBindingSlots; ++s) {
      const ParamAddress a = MakeAddress(m, s);
      const ResolvedControl& value = m_Table.ValueControl(a);
      const ResolvedControl& companion = m_Table.CompanionControl(a);
      const ResolvedControl& step = m_Table.StepControl(a);
      if (step.kind == WidgetKind::kSpinButtons)
        connectSpin(static_cast<SpinButtons*>(step.widget));
      if (value.empty()) continue;
      switch (value.kind) {
      case WidgetKind::kSlider: {
        auto* slider = static_cast<QSlider*>(value.widget);
        if (!once(slider)) break;
        if (m == kSystem)
          QObject::connect(slider, &QSlider::valueChanged, ctx,
                           [this, slider] { SysMusNormalVolBarChange(slider); });
        else
          QObject::connect(slider, &QSlider::valueChanged, ctx,
                           [this, slider] { MicHPFreBarChange(slider); });
        break;
      }
      case WidgetKind::kEditBox:
        connectEdit(static_cast<EqEdit*>(value.widget));
        break;
      case WidgetKind::kDropDownList: {
        // Only the user's choice is a change: a list set by the program runs no handler.
        auto* list = static_cast<QComboBox*>(value.widget);
        const bool bandType = BindingAt(a).displayFormat == kFormatBandType;
        const bool filterList = a == kSubHighPassType || a == kSubLowPassType || a == 0x0903;
        if (!(bandType || filterList) || !once(list)) break;
        if (bandType)
          QObject::connect(list, &QComboBox::activated, ctx,
                           [this, list] { MusModeBox1Change(list); });
        else
          QObject::connect(list, &QComboBox::activated, ctx,
                           [this, list] { SubMusHPTypeChange(list); });
        break;
      }
      case WidgetKind::kBitmapButton: {
        auto* b = static_cast<BitmapButton*>(value.widget);
        switch (value.role) {
        case ButtonRole::kPhase:
          connectButton(b, &ControlBinding::EchoEffPhaseBtnClick);
          break;
        case ButtonRole::kSwitch:
          connectButton(b, s == FirstBandSlot[static_cast<std::size_t>(m)] - 1
                               ? &ControlBinding::MusEQAllpassBtnClick
                               : &ControlBinding::MainLmuteBtnClick);
          break;
        case ButtonRole::kMode:
          connectButton(b, &ControlBinding::AutoModeBtnClick);
          if (companion.kind == WidgetKind::kBitmapButton)
            connectButton(static_cast<BitmapButton*>(companion.widget),
                          &ControlBinding::AutoModeBtnClick);
          break;
        case ButtonRole::kBank:
          connectButton(b, &ControlBinding::SingModeBtnClick);
          if (companion.kind == WidgetKind::kBitmapButton)
            connectButton(static_cast<BitmapButton*>(companion.widget),
                          &ControlBinding::SingModeBtnClick);
          break;
        default:
          break;
        }
        break;
      }
      default:
        break;
      }
    }
  }

  for (const RadioButton& r : RadioButtons)
    connectButton(m_Window.Control<BitmapButton>(ToQString(r.name)),
                  &ControlBinding::SysMusInputLevelClick);
  connectButton(m_MicABtn, &ControlBinding::MicABtnClick);
  connectButton(m_MicBBtn, &ControlBinding::MicABtnClick);

  // The shared band editor: its sliders apply through the band's own edit box, its spin buttons
  // step that box, and its read-only boxes only pass the arrow keys on to CurrentEdit.
  for (QSlider* slider : {m_ComEQFreBar, m_ComEQGainBar, m_ComEQQvalueBar}) {
    if (!once(slider)) continue;
    QObject::connect(slider, &QSlider::valueChanged, ctx,
                     [this, slider] { ComEQGainBarChange(slider); });
  }
  for (SpinButtons* spin : {m_ComEQFreUpDownBtn, m_ComEQGainUpDownBtn, m_ComEQQvalueUpDownBtn})
    connectSpin(spin);
  for (EqEdit* edit : {m_ComEQFreEdit, m_ComEQGainEdit, m_ComEQQvalueEdit}) {
    if (!once(edit)) continue;
    QObject::connect(edit, &EqEdit::KeyDown, ctx, [this](int key) { MusFreEdit1KeyDown(key); });
  }

  for (int page = 0; page < kEqPageCount; ++page) {
    for (ClickLabel* label : m_Table.EqPointLabels(page)) {
      if (!once(label)) continue;
      QObject::connect(label, &ClickLabel::Clicked, ctx,
                       [this, label] { MusEQPointLabel1Click(label); });
    }
    if (QScrollBar* bar = m_Table.BandStripScrollBar(page); once(bar))
      QObject::connect(bar, &QScrollBar::valueChanged, ctx,
                       [this, bar] { MusPanScrollBarChange(bar); });
    const BandStripEntry& strip = kBandStrips[static_cast<std::size_t>(page)];
    if (auto* reset = m_Window.Control<BitmapButton>(ToQString(strip.resetButton)); once(reset))
      QObject::connect(reset, &BitmapButton::clicked, ctx, [this] { EQResetBtnClick(); });
  }

  if (m_LinkBtn && once(m_LinkBtn))
    QObject::connect(m_LinkBtn, &BitmapButton::clicked, ctx,
                     [this] { m_Link.LinkBtnClick(LinkButton::LinkBtn); });
  if (m_UnLinkBtn && once(m_UnLinkBtn))
    QObject::connect(m_UnLinkBtn, &BitmapButton::clicked, ctx,
                     [this] { m_Link.LinkBtnClick(LinkButton::UnLinkBtn); });
}

}  // namespace fenwave
