// Control kinds, ApplyValue and RefreshControls: the generic machinery between a control and
// its parameter. The shared handlers are in EqHandlers.cpp and ControlHandlers.cpp.
#include "ui/ControlBinding.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <algorithm>
#include <cmath>

#include "link/DeviceLink.h"
#include "model/ParameterModel.h"
#include "model/Scales.h"
#include "ui/BitmapButton.h"
#include "ui/ControlKinds.h"
#include "ui/ControlProps.h"
#include "ui/MainFrm.h"
#include "ui/PageBuilder.h"
#include "ui/Theme.h"

namespace fenwave {
namespace {

// The picture a button shows while not pressed is its up picture: the kinds change a button's
// look by copying one of its own (or the template's) pictures there.
void ShowPicture(BitmapButton* b, Picture which) {
  if (b) b->SetPicture(Picture::Up, b->picture(which));
}

// Real → integer step by truncation toward zero; NaN (a text that never was a number) is 0.
int Trunc(double x) {
  if (std::isnan(x)) return 0;
  return static_cast<int>(std::trunc(x));
}

}  // namespace

ControlBinding::ControlBinding(TForm1& window, ParameterModel& model, DeviceLink& link, Pause pause)
    : m_Window(window), m_Model(model), m_Link(link), m_Pause(std::move(pause)) {}

ControlBinding::~ControlBinding() = default;

int ControlBinding::SelectedBand(int page) const {
  return page >= 0 && page < kEqPageCount ? m_SelectedBand[static_cast<std::size_t>(page)] : 0;
}

int ControlBinding::EqPassState(int module) const {
  return module >= 0 && module < kModuleCount ? m_EqPassState[static_cast<std::size_t>(module)] : 0;
}

int ControlBinding::CurrentPage() const {
  return m_Window.PageCode() & 0xFF;
}

int ControlBinding::CurrentModule() const {
  return m_Window.PageCode() / 256;
}

QWidget* ControlBinding::Named(const char* name) const {
  return m_Window.Control(QString::fromLatin1(name));
}

EqEdit* ControlBinding::EditAt(ParamAddress a) const {
  const ResolvedControl& c = m_Table.ValueControl(a);
  return c.kind == WidgetKind::kEditBox ? static_cast<EqEdit*>(c.widget) : nullptr;
}

void ControlBinding::SetEnabledIfPresent(const char* name, bool enabled) const {
  if (QWidget* w = Named(name)) w->setEnabled(enabled);
}

void ControlBinding::Redraw(int sel, int module) {
  if (m_Graph) m_Graph->DrawCurve(sel, module);
}

void ControlBinding::BuildBindingTable() {
  m_Table.BuildBindingTable(m_Window);
  auto button = [this](const char* name) { return m_Window.Control<BitmapButton>(name); };
  m_ExampleBtn = m_Window.ExampleBtn();
  m_AutoModeBtn = button("AutoModeBtn");
  m_ManulModeBtn = button("ManulModeBtn");
  m_SingModeBtn = button("SingModeBtn");
  m_DiscoModeBtn = button("DiscoModeBtn");
  m_MicABtn = button("MicABtn");
  m_MicBBtn = button("MicBBtn");
  m_LinkBtn = button("LinkBtn");
  m_UnLinkBtn = button("UnLinkBtn");
  m_ComEQFreBar = m_Window.Control<QSlider>(QStringLiteral("ComEQFreBar"));
  m_ComEQGainBar = m_Window.Control<QSlider>(QStringLiteral("ComEQGainBar"));
  m_ComEQQvalueBar = m_Window.Control<QSlider>(QStringLiteral("ComEQQvalueBar"));
  m_ComEQFreUpDownBtn = m_Window.Control<SpinButtons>(QStringLiteral("ComEQFreUpDownBtn"));
  m_ComEQGainUpDownBtn = m_Window.Control<SpinButtons>(QStringLiteral("ComEQGainUpDownBtn"));
  m_ComEQQvalueUpDownBtn = m_Window.Control<SpinButtons>(QStringLiteral("ComEQQvalueUpDownBtn"));
  m_ComEQFreEdit = m_Window.Control<EqEdit>(QStringLiteral("ComEQFreEdit"));
  m_ComEQGainEdit = m_Window.Control<EqEdit>(QStringLiteral("ComEQGainEdit"));
  m_ComEQQvalueEdit = m_Window.Control<EqEdit>(QStringLiteral("ComEQQvalueEdit"));

  // The initial radio group is the music input gain's (hidden) buttons.
  m_RadioGroupButtons = {button("SysMusInputLevel"), button("SysMusInputLevel2"),
                         button("SysMusInputLevel3"), nullptr};
  m_CurrentEdit = m_Window.Control<EqEdit>(QStringLiteral("MusFreEdit1"));
  m_PreviousEdit = nullptr;
  ConnectHandlers();
  // The microphone group buttons show the group in force from the start, not only after the
  // first click.
  if (m_MicABtn && m_MicBBtn)
    (void)ApplyControlKind(m_Model.MicGroupB() != 0 ? m_MicBBtn : m_MicABtn, 19);
}

// ---------------------------------------------------------------------------------------------
// ApplyControlKind.

int ControlBinding::ApplyControlKind(QWidget* control, int kind) {
  if (!control) return 0;
  if (kind >= 0 && kind < kEqPageCount) {
    auto* edit = qobject_cast<EqEdit*>(control);
    if (!edit || m_Refreshing) return 0;
    const int band = EqElementOf(Tag(edit)) / 256;
    SelectBand(edit, kind, band);
    return band;
  }

  auto* b = qobject_cast<BitmapButton*>(control);
  if (!b) return 0;
  switch (kind) {
  case kKindPageButton: {
    const int tag = Tag(b);
    if (m_ExampleBtn) {
      for (int i = 0; i < kPageCount; ++i) {
        BitmapButton* page = m_Table.PageButtons()[static_cast<std::size_t>(i)];
        if (!page) continue;
        page->SetPicture(Picture::Up,
                         m_ExampleBtn->picture(i == tag ? Picture::Down : Picture::Up));
        page->SetPicture(Picture::Down, m_ExampleBtn->picture(Picture::Down));
      }
    }
    return PageCodeOf(tag);
  }
  case kKindSwitch:
    if (Hint(b) == QLatin1String("1")) {
      SetHint(b, QStringLiteral("0"));
      ShowPicture(b, Picture::Disabled);
    } else {
      SetHint(b, QStringLiteral("1"));
      ShowPicture(b, Picture::Down);
    }
    return HintValue(b);
  case kKindPhase:
    if (Hint(b) == QLatin1String("1")) {
      SetHint(b, QStringLiteral("0"));
      b->setText(QStringLiteral("-"));
    } else {
      b->setText(QStringLiteral("+"));
      SetHint(b, QStringLiteral("1"));
    }
    return HintValue(b);
  case kKindMode:
  case kKindBank:
  case kKindMicGroup:
  case kKindLink: {
    // Two buttons of one setting: the first stands for 0, the second for 1. The bank's
    // released button shows its stay-down picture, the others their disabled one.
    BitmapButton* first = nullptr;
    BitmapButton* second = nullptr;
    Picture released = Picture::Disabled;
    if (kind == kKindMode) {
      first = m_AutoModeBtn;
      second = m_ManulModeBtn;
    } else if (kind == kKindBank) {
      first = m_SingModeBtn;
      second = m_DiscoModeBtn;
      released = Picture::StayDown;
    } else if (kind == kKindMicGroup) {
      first = m_MicABtn;
      second = m_MicBBtn;
    } else {
      first = m_LinkBtn;
      second = m_UnLinkBtn;
    }
    const bool isFirst = b == first;
    ShowPicture(first, isFirst ? Picture::Down : released);
    ShowPicture(second, isFirst ? released : Picture::Down);
    return isFirst ? 0 : 1;
  }
  case kKindRadio: {
    const int tag = Tag(b);
    const int n = tag == 0x0903 ? 3 : tag == 0x0101 ? 4 : 2;
    bool isNumber = false;
    const int value = Hint(b).toInt(&isNumber);
    PaintRadioGroup(n, isNumber ? value : -1);
    return value;
  }
  default:
    return 0;
  }
}

void ControlBinding::PaintRadioGroup(int n, int marked) {
  for (int i = 0; i < n && i < kRadioGroupSize; ++i) {
    BitmapButton* r = m_RadioGroupButtons[static_cast<std::size_t>(i)];
    if (!r) continue;
    if (i == marked) {
      ShowPicture(r, Picture::Down);
      if (m_ExampleBtn) r->SetPicture(Picture::Disabled, m_ExampleBtn->picture(Picture::StayDown));
    } else if (m_ExampleBtn) {
      r->SetPicture(Picture::Up, m_ExampleBtn->picture(Picture::Disabled));
      r->SetPicture(Picture::Disabled, m_ExampleBtn->picture(Picture::Hot));
    }
  }
}

void ControlBinding::SelectBand(EqEdit* /*edit*/, int page, int band) {
  m_SelectedBand[static_cast<std::size_t>(page)] = band;
  const std::vector<ClickLabel*>& labels = m_Table.EqPointLabels(page);
  const int bands = BandCountOfPage(page);
  for (int j = 0; j < bands && j < static_cast<int>(labels.size()); ++j)
    labels[static_cast<std::size_t>(j)]->SetMarked(j == band);

  if (m_PreviousEdit != m_CurrentEdit) {
    if (m_CurrentEdit) {
      const ResolvedControl& box = m_Table.CompanionControl(Tag(m_CurrentEdit));
      if (box.kind == WidgetKind::kGroupBox)
        static_cast<ColorGroupBox*>(box.widget)->SetColor(theme::kBandHighlight);
    }
    if (m_PreviousEdit) {
      const ResolvedControl& box = m_Table.CompanionControl(Tag(m_PreviousEdit));
      if (box.kind == WidgetKind::kGroupBox)
        static_cast<ColorGroupBox*>(box.widget)->SetColor(theme::kBandNormal);
    }
    m_PreviousEdit = m_CurrentEdit;
  }

  // Keep the band in the three visible columns of the strip (the bar stops at its maximum).
  if (QScrollBar* s = m_Table.BandStripScrollBar(page)) {
    if (s->value() + 2 < band || s->value() > band) s->setValue(band);
  }
}

// ---------------------------------------------------------------------------------------------
// ApplyValue.

void ControlBinding::ApplyValue(QWidget* control, int step, bool displayOnly, double x) {
  if (!control) return;
  const int code = HintValue(control);
  const ParamAddress e = m_Model.EffectiveQAddress(Tag(control));
  auto* edit = qobject_cast<EqEdit*>(control);
  auto* pane = qobject_cast<ValuePane*>(control);
  auto* list = qobject_cast<QComboBox*>(control);
  if (pane && code <= kFormatNotValue) return;
  if (list && Hint(list).isEmpty()) return;
  if (!edit && !pane && !list) return;

  auto stepped = [&](double value) {
    if (displayOnly) return value;
    if (step == kStepUp) return value + 1;
    if (step == kStepDown) return value - 1;
    return value;
  };
  auto selectBand = [&] {
    if (edit) ApplyControlKind(edit, PageOfAddress(e));
  };

  switch (code) {
  case kFormatBandType:
    if (list) list->setCurrentIndex(Trunc(x));
    break;
  case kFormatFrequency:
    x = ClampStep(kFormatFrequency, stepped(x));
    if (edit) edit->setText(ToQString(StepText(kFormatFrequency, x)));
    if (EqEdit* own = EditAt(e)) m_CurrentEdit = own;
    selectBand();
    break;
  case kFormatGain:
    x = ClampStep(kFormatGain, stepped(x));
    if (edit) edit->setText(ToQString(StepText(kFormatGain, x)));
    selectBand();
    break;
  case kFormatQ: {
    // The Q in force is the peaking Q for a band of type 0 and the shelf Q otherwise.
    const bool shelf = m_Model.Value(e - EqElementOf(e) % 256) != 0;
    if (displayOnly) x = m_Model.Value(e);
    x = ClampStep(kFormatQ, stepped(x), shelf);
    if (edit) edit->setText(ToQString(StepText(kFormatQ, x)));
    selectBand();
    break;
  }
  default:
    if (code >= kFormatHighPass && code < kDisplayFormatCount) {
      x = ClampStep(code, x);
      if (pane) pane->setText(ToQString(StepText(code, x)));
    }
    break;
  }

  const int v = Trunc(x);
  const ResolvedControl& valueControl = m_Table.ValueControl(e);
  if (valueControl.kind == WidgetKind::kSlider) {
    m_TrackBarUpdating = true;
    static_cast<QSlider*>(valueControl.widget)->setValue(RoundHalfEvenInt(x));
    m_TrackBarUpdating = false;
  }

  if (code <= kFormatQ) {
    m_Model.StoreShown(e, v);
    if (!displayOnly) m_Link.SendBand(e, v);
  } else if (!displayOnly) {
    m_Link.SendParameter(e, v);
  }

  const bool eqRelevant =
      code <= kFormatLowPass || code == kFormatEffectHighPass || code == kFormatUserQ;
  if (eqRelevant && !m_Refreshing) {
    m_LastChangedAddress = e;
    m_LastChangedValue = v;
    PointBandEditor(e);
  }
}

// ---------------------------------------------------------------------------------------------
// RefreshControls.

void ControlBinding::RefreshControls(int which) {
  m_Refreshing = true;
  m_Link.SetSendSuppressed(true);

  m_Model.ApplyDeviceImage();
  m_Model.SetBankSelect(m_Model.Value(MakeAddress(kMusic, 1)));
  if (which == kMicB) which = kMicA;

  for (int m = 0; m <= kSystem; ++m) {
    if (which != m && which != kRefreshAll) continue;
    for (int j = 0; j < ModuleSlotCount[static_cast<std::size_t>(m)]; ++j) {
      const ParamAddress a = MakeAddress(m, j);
      const int v = m_Model.Value(a);
      const ResolvedControl& c = m_Table.ValueControl(a);
      if (c.empty() || a == MakeAddress(kMusic, 0)) continue;
      if (a == MakeAddress(kMusic, 1)) {
        ApplyControlKind(v != 0 ? m_DiscoModeBtn : m_SingModeBtn, kKindBank);
        continue;
      }
      switch (c.kind) {
      case WidgetKind::kSlider: {
        auto* slider = static_cast<QSlider*>(c.widget);
        // A slider already at the value (as far as its range lets it go) raises no change; its
        // handler still has to show it.
        if (slider->value() == std::clamp(v, slider->minimum(), slider->maximum())) {
          if (m == kSystem)
            SysMusNormalVolBarChange(slider);
          else
            MicHPFreBarChange(slider);
        } else {
          slider->setValue(v);
        }
        if (m_Pause) m_Pause();
        break;
      }
      case WidgetKind::kBitmapButton: {
        auto* b = static_cast<BitmapButton*>(c.widget);
        if (c.role == ButtonRole::kRadio) {
          SetHint(b, QString::number(v));
          SysMusInputLevelClick(b);
        } else if (c.role == ButtonRole::kPhase || c.role == ButtonRole::kSwitch) {
          // The click handler flips the hint back to the image's value and repaints.
          SetHint(b, v != 0 ? QStringLiteral("0") : QStringLiteral("1"));
          RunSwitchHandler(b, c.role, a);
        }
        break;
      }
      case WidgetKind::kDropDownList: {
        auto* list = static_cast<QComboBox*>(c.widget);
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(v);
        break;
      }
      case WidgetKind::kEditBox:
        ApplyValue(c.widget, kStepNone, true, v);
        break;
      default:
        break;
      }
    }
  }

  AutoModeBtnClick(m_Model.Value(MakeAddress(kMusic, 0)) == 0 ? m_AutoModeBtn : m_ManulModeBtn);
  RefreshSystemPage();
  RebuildModeList();
  // The shared band editor follows the last change; before any (right after a connection, say)
  // it shows the band it already edits, with that band's new values.
  const int field = EqElementOf(m_LastChangedAddress) % 256;
  PointBandEditor(field >= 1 && field <= 4 ? m_LastChangedAddress
                                           : (m_ComEQFreBar ? Tag(m_ComEQFreBar) : 0));

  m_Refreshing = false;
  // Every element of the page's curve, then its selected band, whose marker and value label
  // would otherwise keep the values from before the refresh.
  Redraw(kAllCurveElements, CurrentModule());
  if (CurrentPage() < kEqPageCount) Redraw(SelectedBand(CurrentPage()), CurrentModule());
  m_Link.SetSendSuppressed(false);
}

void ControlBinding::RefreshSystemPage() {
  // Changing the user level always needs the password again; the administrator level opens
  // the music input gain and the mode save.
  const bool administrator = m_Model.Value(0x090C) != 0;
  SetEnabledIfPresent("SysUserMangerGrop", false);
  SetEnabledIfPresent("SignRzGroup", administrator);
  SetEnabledIfPresent("RzBmpButton138", administrator);
}

void ControlBinding::RebuildModeList() {
  auto* box = m_Window.Control<QComboBox>(QStringLiteral("SysModeBox"));
  if (!box) return;
  const int index = box->currentIndex();
  {
    const QSignalBlocker quiet(box);
    box->clear();
    const auto& names = m_Link.ModeNames();
    for (int i = 1; i <= kDeviceModes; ++i)
      box->addItem(QString::number(i) + QLatin1Char('-') +
                   QString::fromStdString(names[static_cast<std::size_t>(i - 1)]));
    box->setCurrentIndex(index);
  }
  // The list's own change handler (the System page's) runs once on the rebuilt list.
  emit box->currentIndexChanged(box->currentIndex());
}

}  // namespace fenwave
