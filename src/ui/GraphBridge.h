// How the control handlers and the EQ graph reach each other: the handlers ask the graph to
// redraw a page's curve; the graph's marker drag applies values through the control binding
// and reads the binding's state.
#pragma once

class QWidget;

namespace fenwave {

inline constexpr int kAllCurveElements = 20;

// The EQ graph as the control handlers see it.
class CurveDrawing {
 public:
  virtual ~CurveDrawing() = default;
  // Redraws the response curve of `module`'s page: the record `sel`, or every record for 20.
  virtual void DrawCurve(int sel, int module) = 0;
};

// The control binding as the EQ graph sees it.
class BindingForGraph {
 public:
  virtual ~BindingForGraph() = default;
  // Shows, clamps, stores and (unless displayOnly) sends a value through its control: an EQ
  // edit box, a value pane or a band-type list. step: 0 none, 1 one step up, 11 one step down.
  virtual void ApplyValue(QWidget* control, int step, bool displayOnly, double x) = 0;
  // The last EQ-relevant change recorded by ApplyValue.
  [[nodiscard]] virtual int LastChangedAddress() const = 0;
  [[nodiscard]] virtual int LastChangedValue() const = 0;
  // True while every control is being refreshed from the images.
  [[nodiscard]] virtual bool Refreshing() const = 0;
  // The band selected on an EQ page (0..6).
  [[nodiscard]] virtual int SelectedBand(int page) const = 0;
  // The EQ pass value last set for a module (the graph shows "EQ PASS" while it is not 0).
  [[nodiscard]] virtual int EqPassState(int module) const = 0;
  // The click on a numbered band label: selects the band without sending anything.
  virtual void EqPointLabelClick(QWidget* label) = 0;
};

}  // namespace fenwave
