// The widget side of the binding table: every name of the binding data resolved to the main
// window's control, the per-page control lists, and the address written into each control's tag.
#pragma once

#include <QStringList>
#include <array>
#include <vector>

#include "model/Address.h"
#include "model/BindingData.h"
#include "ui/PageTables.h"

class QScrollBar;
class QWidget;

namespace fenwave {

class BitmapButton;
class ClickLabel;
class TForm1;

// A resolved control of one slot: the widget (nullptr is the empty marker: no control, or a
// control the window does not hold) and what the binding data says it is.
struct ResolvedControl {
  QWidget* widget = nullptr;
  WidgetKind kind = WidgetKind::kNone;
  ButtonRole role = ButtonRole::kNone;
  [[nodiscard]] bool empty() const { return widget == nullptr; }
};

class BindingTable {
 public:
  BindingTable() = default;

  // Resolves every slot of the binding data against `window`, fills the per-page lists and
  // writes every control's tag (the later slot wins). Controls the window does not hold (yet)
  // stay empty and are listed in Missing().
  void BuildBindingTable(const TForm1& window);
  [[nodiscard]] bool Built() const { return m_Built; }

  [[nodiscard]] const ResolvedControl& ValueControl(ParamAddress a) const;
  [[nodiscard]] const ResolvedControl& CompanionControl(ParamAddress a) const;
  [[nodiscard]] const ResolvedControl& StepControl(ParamAddress a) const;

  [[nodiscard]] const std::array<BitmapButton*, kPageCount>& PageButtons() const {
    return m_PageButtons;
  }
  // The numbered band labels of EQ page 0..6, band 1 first; empty for any other page.
  [[nodiscard]] const std::vector<ClickLabel*>& EqPointLabels(int page) const;
  [[nodiscard]] QScrollBar* BandStripScrollBar(int page) const;

  // A control of the binding data's kind, by objectName; nullptr when the window has none.
  [[nodiscard]] QWidget* Find(std::string_view name, WidgetKind kind) const;
  // Names of the binding data that the window does not hold with the named kind.
  [[nodiscard]] const QStringList& Missing() const { return m_Missing; }

 private:
  ResolvedControl Resolve(const BoundControl& control);

  struct Slot {
    ResolvedControl value;
    ResolvedControl companion;
    ResolvedControl step;
  };
  const TForm1* m_Window = nullptr;
  std::array<std::array<Slot, kBindingSlots>, kModuleCount> m_Slots{};
  std::array<BitmapButton*, kPageCount> m_PageButtons{};
  std::array<std::vector<ClickLabel*>, kEqPageCount> m_EqPointLabels{};
  std::array<QScrollBar*, kEqPageCount> m_BandStripScrollBars{};
  QStringList m_Missing;
  bool m_Built = false;
};

}  // namespace fenwave
