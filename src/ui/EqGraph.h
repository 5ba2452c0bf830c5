// The EQ graph of the main window: draws the page's response curve over the frame with its
// markers and value label, and drags markers, applying the targets on the 10 ms tick.
#pragma once

#include <QObject>
#include <QPoint>

#include "eq/CurveModel.h"
#include "eq/MarkerDrag.h"
#include "ui/GraphBridge.h"

namespace fenwave {

class EqMarker;
class ParameterModel;
class TForm1;
class TickTimer;

inline constexpr int kGraphTickMs = 10;

class EqGraph final : public QObject, public CurveDrawing {
  Q_OBJECT

 public:
  // Connects the window's seventeen markers to the drag handlers and the timer to the tick.
  // The binding is only used once the graph draws or ticks, so the binding may be constructed
  // after the graph (and hold the graph as its CurveDrawing).
  EqGraph(TForm1& window, const ParameterModel& model, BindingForGraph& binding, TickTimer& timer1);
  ~EqGraph() override;
  Q_DISABLE_COPY_MOVE(EqGraph)

  // Redraws the curve of `module`'s page: the record `sel` (its marker and value label), or
  // every record for kAllCurveElements. Nothing happens while the controls are being refreshed
  // or for a module without a graph.
  void DrawCurve(int sel, int module) override;
  // The page switch's and the resize's redraw: every record of the page's module, then the
  // page's selected band so that its value label is placed.
  void RedrawPage(int pageCode);

  // Start-up: the 10 ms tick runs from now on.
  void Start();
  // The tick: applies the latest drag targets through the binding, then redraws the element of
  // the last recorded EQ change when it differs from the one drawn last.
  void Timer1Timer();

  // Shared handlers of EP1..EP15, HPF and LPF; positions are in the marker's own coordinates.
  void EP1MouseDown(EqMarker* marker, Qt::MouseButton button, QPoint position);
  void EP1MouseMove(EqMarker* marker, QPoint position);
  void EP1MouseUp(EqMarker* marker, Qt::MouseButton button, QPoint position);

  [[nodiscard]] const CurveModel& Curve() const { return m_Curve; }
  [[nodiscard]] const MarkerDrag& Drag() const { return m_Drag; }

 private:
  void ShowDrawing(const DrawnCurve& drawing);
  [[nodiscard]] int Module() const;

  TForm1& m_Window;
  const ParameterModel& m_Model;
  BindingForGraph& m_Binding;
  TickTimer& m_Timer1;
  CurveModel m_Curve;
  MarkerDrag m_Drag;
};

}  // namespace fenwave
