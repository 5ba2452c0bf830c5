// The shared handlers of the EQ band editors: the edit boxes and their spin buttons, the shared
// band editor beside the graph, the band-type lists, the numbered band labels, the band strip
// scroll bars and the EQ reset.
#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <cmath>

#include "eq/PageRecords.h"
#include "link/DeviceLink.h"
#include "model/ParameterModel.h"
#include "model/Scales.h"
#include "ui/ControlBinding.h"
#include "ui/ControlKinds.h"
#include "ui/ControlProps.h"
#include "ui/MainFrm.h"
#include "ui/PageBuilder.h"

namespace fenwave {
namespace {

// EQ defaults of a band's five fields: type PEQ, (frequency computed), 0 dB, Q 2.20 for a
// peaking band and Q 0.71 for a shelf.
constexpr std::array<int, kBandFields> kBandDefaults = {0, 0, kGainStepZeroDb, 30, 10};

int DefaultFrequency(int band, int bands) {
  return RoundHalfEvenInt(static_cast<double>(band) * 360.0 / bands) + 5;
}
// The music module's dance bank after a reset of every module.
int DanceBankFrequency(int band) {
  return 11 + 24 * band;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Edit boxes.

void ControlBinding::CommitEdit(int step) {
  EqEdit* edit = m_CurrentEdit;
  if (!edit) return;
  const std::optional<double> number = ParseTypedNumber(edit->text().toStdString());
  if (!number) {
    edit->setText(m_SavedEditText);
    return;
  }
  double x = *number;
  switch (HintValue(edit)) {
  case kFormatFrequency:
    x = FrequencyToStep(x);
    break;
  case kFormatGain:
    x = GainToStep(x);
    break;
  case kFormatQ:
    x = QToStep(x);
    break;
  default:
    break;
  }
  ApplyValue(edit, step, false, x);
  m_SavedEditText = edit->text();
}

void ControlBinding::MusFreEdit1Click(EqEdit* edit) {
  EqEdit* own = EditAt(Tag(edit));
  if (!own) return;
  m_CurrentEdit = own;
  // A click selects the band and normalises the text, but sends nothing; that includes the
  // commit that the focus leaving another box runs (it already acts on this box).
  const bool suppressed = m_Link.SendSuppressed();
  m_Link.SetSendSuppressed(true);
  own->setFocus(Qt::MouseFocusReason);
  m_SavedEditText = own->text();
  CommitEdit(kStepNone);
  m_Link.SetSendSuppressed(suppressed);
}

bool ControlBinding::MusFreEdit1KeyPress(EqEdit* edit, QChar key) {
  m_CurrentEdit = edit;
  if (key == QLatin1Char('\r') || key == QLatin1Char('\n')) {
    MusFreEdit1Exit();
    return true;
  }
  return key == QLatin1Char('\b') || key == QLatin1Char('-') || key == QLatin1Char('.') ||
         (key >= QLatin1Char('0') && key <= QLatin1Char('9'));
}

void ControlBinding::MusFreEdit1KeyDown(int key) {
  switch (key) {
  case Qt::Key_Left:
  case Qt::Key_Down:
    CommitEdit(kStepDown);
    break;
  case Qt::Key_Up:
  case Qt::Key_Right:
    CommitEdit(kStepUp);
    break;
  default:
    break;
  }
}

void ControlBinding::MusFreEdit1Exit() {
  if (!m_CurrentEdit) return;
  if (!m_CurrentEdit->text().isEmpty())
    CommitEdit(kStepNone);
  else
    m_CurrentEdit->setText(m_SavedEditText);
}

// ---------------------------------------------------------------------------------------------
// Spin buttons: an edit box steps by one table step, a slider by one position.

namespace {

void StepSlider(QSlider* slider, int delta) {
  slider->setValue(slider->value() + delta);  // the slider keeps it within its range
}

}  // namespace

void ControlBinding::MusFreUpDownBtn1DownLeftClick(SpinButtons* spin) {
  const ResolvedControl& c = m_Table.ValueControl(Tag(spin));
  if (c.kind == WidgetKind::kEditBox) {
    m_CurrentEdit = static_cast<EqEdit*>(c.widget);
    m_CurrentEdit->setFocus(Qt::OtherFocusReason);
    CommitEdit(kStepDown);
  } else if (c.kind == WidgetKind::kSlider) {
    StepSlider(static_cast<QSlider*>(c.widget), -1);
  }
}

void ControlBinding::MusFreUpDownBtn1UpRightClick(SpinButtons* spin) {
  const ResolvedControl& c = m_Table.ValueControl(Tag(spin));
  if (c.kind == WidgetKind::kEditBox) {
    m_CurrentEdit = static_cast<EqEdit*>(c.widget);
    m_CurrentEdit->setFocus(Qt::OtherFocusReason);
    CommitEdit(kStepUp);
  } else if (c.kind == WidgetKind::kSlider) {
    StepSlider(static_cast<QSlider*>(c.widget), +1);
  }
}

// ---------------------------------------------------------------------------------------------
// The shared band editor.

void ControlBinding::ComEQGainBarChange(QSlider* slider) {
  if (m_TrackBarUpdating) return;
  EqEdit* edit = EditAt(Tag(slider));
  if (!edit) return;
  m_CurrentEdit = edit;
  ApplyValue(edit, kStepNone, false, slider->value());
}

void ControlBinding::PointBandEditor(ParamAddress a) {
  const int r = EqElementOf(a);
  const int f = r % 256;
  const int band = r / 256;
  if (f < 1 || f > 4) return;
  m_TrackBarUpdating = true;
  const ParamAddress fa = a - f + 1;
  const ParamAddress ga = a - f + 2;
  // The Q shown is the one in force for the band's type, whichever field pointed the editor.
  const ParamAddress qa = m_Model.EffectiveQAddress(a - f + 3);
  for (QObject* o :
       {static_cast<QObject*>(m_ComEQFreBar), static_cast<QObject*>(m_ComEQFreUpDownBtn)})
    if (o) SetTag(o, fa);
  for (QObject* o :
       {static_cast<QObject*>(m_ComEQGainBar), static_cast<QObject*>(m_ComEQGainUpDownBtn)})
    if (o) SetTag(o, ga);
  for (QObject* o :
       {static_cast<QObject*>(m_ComEQQvalueBar), static_cast<QObject*>(m_ComEQQvalueUpDownBtn)})
    if (o) SetTag(o, qa);

  if (auto* caption = m_Window.Control<QLabel>(QStringLiteral("COMEQlabel")))
    caption->setText(QStringLiteral("调节当前EQ段：") + QString::number(band + 1));
  const int q = m_Model.Value(qa);
  const int gain = m_Model.Value(ga);
  const int frequency = m_Model.Value(fa);
  if (m_ComEQQvalueEdit) m_ComEQQvalueEdit->setText(ToQString(StepText(kFormatQ, q)));
  if (m_ComEQGainEdit)
    m_ComEQGainEdit->setText(ToQString(StepText(kFormatGain, gain)) + QStringLiteral("dB"));
  if (m_ComEQFreEdit) m_ComEQFreEdit->setText(ToQString(StepText(kFormatFrequency, frequency)));
  if (m_ComEQFreBar) m_ComEQFreBar->setValue(frequency);
  if (m_ComEQGainBar) m_ComEQGainBar->setValue(gain);
  if (m_ComEQQvalueBar) m_ComEQQvalueBar->setValue(q);
  m_TrackBarUpdating = false;
}

// ---------------------------------------------------------------------------------------------
// Band-type lists, band labels, band strips.

void ControlBinding::MusModeBox1Change(QComboBox* list) {
  const ParamAddress a = Tag(list);
  const int v = list->currentIndex();
  m_Link.SendBand(a, v);
  // The Q edit now shows the Q field of the new type.
  const ParamAddress q = v == 0 ? a + 3 : a + 4;
  if (EqEdit* edit = EditAt(q)) {
    m_CurrentEdit = edit;
    ApplyValue(edit, kStepNone, true, m_Model.Value(q));
  }
  m_LastChangedAddress = a;
  m_LastChangedValue = v;
}

void ControlBinding::MusEQPointLabel1Click(QWidget* label) {
  auto* text = qobject_cast<QLabel*>(label);
  if (!text) return;
  const ParamAddress a = Tag(label) * 256 + HintValue(label) + 5 * (text->text().toInt() - 1);
  if (EqEdit* edit = EditAt(a)) MusFreEdit1Click(edit);
}

void ControlBinding::MusPanScrollBarChange(QScrollBar* bar) {
  for (int page = 0; page < kEqPageCount; ++page) {
    if (m_Table.BandStripScrollBar(page) != bar) continue;
    if (QScrollArea* strip = m_Window.BandStrip(page))
      strip->horizontalScrollBar()->setValue(bar->value() * kBandColumnWidth);
    return;
  }
}

void ControlBinding::PointBandEditorAtPage(int pageCode) {
  const int page = pageCode & 0xFF;
  if (page >= kEqPageCount) return;
  const PageRecords records = LoadPageRecords(m_Model, pageCode / 256);
  const int selected = SelectedBand(page);
  if (selected < 0 || selected >= kMaxRecords) return;
  const RecordControl& frequency = records.records[static_cast<std::size_t>(selected)].frequency;
  if (frequency.kind != WidgetKind::kEditBox) return;
  QWidget* edit = m_Table.Find(frequency.name, WidgetKind::kEditBox);
  PointBandEditor(edit ? Tag(edit) : frequency.address);
}

// ---------------------------------------------------------------------------------------------
// EQ reset.

void ControlBinding::EQResetBtnClick() {
  int m = CurrentModule();
  if (m == kMicA && m_Model.MicGroupB() != 0) m = kMicB;
  EqReset(m);
  const int page = CurrentPage();
  if (page < kEqPageCount) Redraw(SelectedBand(page), CurrentModule());
}

void ControlBinding::EqReset(int which) {
  for (int m = 0; m < kEqModules; ++m) {
    if (m == kReverb || (which != m && which != kResetAll)) continue;
    const int bands = EqBandCount[static_cast<std::size_t>(m)];
    const int first = FirstBandSlot[static_cast<std::size_t>(m)];
    for (int k = 0; k < bands; ++k) {
      for (int f = 0; f < kBandFields; ++f) {
        const int s = first + kBandFields * k + f;
        const int d =
            f == 1 ? DefaultFrequency(k, bands) : kBandDefaults[static_cast<std::size_t>(f)];
        if (which == kResetAll && m == kMusic) {
          // Both music banks; the dance bank's frequencies are spread differently.
          (void)m_Model.SetDeviceValue(kMusic, DeviceIndex(kMusic, s, 0), d);
          (void)m_Model.SetDeviceValue(kMusic, DeviceIndex(kMusic, s, 1),
                                       f == 1 ? DanceBankFrequency(k) : d);
        } else {
          (void)m_Model.SetDeviceValue(m, DeviceIndex(m, s, m_Model.BankSelect()), d);
          m_Model.SetValue(MakeAddress(m, s), d);
        }
      }
      if (which != kResetAll) {
        const ParamAddress shelfQ = MakeAddress(m, first + kBandFields * k + 4);
        m_Link.SendBand(shelfQ, m_Model.Value(shelfQ));
      }
    }
  }
  RefreshControls(which);
}

}  // namespace fenwave
