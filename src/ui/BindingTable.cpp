#include "ui/BindingTable.h"

#include <QComboBox>
#include <QScrollBar>
#include <QSlider>

#include "ui/BitmapButton.h"
#include "ui/ControlKinds.h"
#include "ui/ControlProps.h"
#include "ui/MainFrm.h"
#include "ui/PageBuilder.h"

namespace fenwave {
namespace {

const ResolvedControl kEmpty{};
const std::vector<ClickLabel*> kNoLabels;

// Whether `w` is the widget class the binding data names; a control of another class is no
// control of that slot (a handler would misread it).
bool IsKind(QWidget* w, WidgetKind kind) {
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
  case WidgetKind::kButton:
    return qobject_cast<QAbstractButton*>(w) != nullptr;
  case WidgetKind::kGroupBox:
    return qobject_cast<ColorGroupBox*>(w) != nullptr;
  case WidgetKind::kSpinButtons:
    return qobject_cast<SpinButtons*>(w) != nullptr;
  case WidgetKind::kNone:
    return false;
  }
  return false;
}

bool InTable(ParamAddress a) {
  return a >= 0 && ModuleOf(a) < kModuleCount && SlotOf(a) < kBindingSlots;
}

}  // namespace

QWidget* BindingTable::Find(std::string_view name, WidgetKind kind) const {
  if (!m_Window || name.empty()) return nullptr;
  QWidget* w = m_Window->Control(ToQString(name));
  return w && IsKind(w, kind) ? w : nullptr;
}

ResolvedControl BindingTable::Resolve(const BoundControl& control) {
  if (control.empty()) return {};
  QWidget* w = Find(control.name, control.kind);
  if (!w) {
    const QString name = ToQString(control.name);
    if (!m_Missing.contains(name)) m_Missing.append(name);
    return {};
  }
  return {w, control.kind, control.role};
}

void BindingTable::BuildBindingTable(const TForm1& window) {
  m_Window = &window;
  m_Missing.clear();

  // 1. The three tables.
  for (int m = 0; m < kModuleCount; ++m) {
    for (int s = 0; s < kBindingSlots; ++s) {
      const BindingEntry& e = BindingAt(m, s);
      Slot& slot = m_Slots[static_cast<std::size_t>(m)][static_cast<std::size_t>(s)];
      slot.value = Resolve(e.value);
      slot.companion = Resolve(e.companion);
      slot.step = Resolve(e.step);
    }
  }

  // 2. The per-page lists.
  m_PageButtons = window.PageButtons();
  for (int page = 0; page < kEqPageCount; ++page) {
    m_EqPointLabels[static_cast<std::size_t>(page)] = window.EqPointLabels(page);
    m_BandStripScrollBars[static_cast<std::size_t>(page)] = window.BandStripScrollBar(page);
  }

  // 3. The tags, in the binding rule's order (the later slot wins), then the radio buttons
  // outside the table with their group's address.
  for (const ControlTag& tag : ControlTags()) {
    if (QWidget* w = Find(tag.name, tag.kind)) SetTag(w, tag.address);
  }
  m_Built = true;
}

const ResolvedControl& BindingTable::ValueControl(ParamAddress a) const {
  if (!InTable(a)) return kEmpty;
  return m_Slots[static_cast<std::size_t>(ModuleOf(a))][static_cast<std::size_t>(SlotOf(a))].value;
}

const ResolvedControl& BindingTable::CompanionControl(ParamAddress a) const {
  if (!InTable(a)) return kEmpty;
  return m_Slots[static_cast<std::size_t>(ModuleOf(a))][static_cast<std::size_t>(SlotOf(a))]
      .companion;
}

const ResolvedControl& BindingTable::StepControl(ParamAddress a) const {
  if (!InTable(a)) return kEmpty;
  return m_Slots[static_cast<std::size_t>(ModuleOf(a))][static_cast<std::size_t>(SlotOf(a))].step;
}

const std::vector<ClickLabel*>& BindingTable::EqPointLabels(int page) const {
  if (page < 0 || page >= kEqPageCount) return kNoLabels;
  return m_EqPointLabels[static_cast<std::size_t>(page)];
}

QScrollBar* BindingTable::BandStripScrollBar(int page) const {
  if (page < 0 || page >= kEqPageCount) return nullptr;
  return m_BandStripScrollBars[static_cast<std::size_t>(page)];
}

}  // namespace fenwave
