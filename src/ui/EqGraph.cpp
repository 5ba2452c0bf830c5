#include "ui/EqGraph.h"

#include <QLabel>
#include <cstddef>

#include "model/Address.h"
#include "platform/TickTimer.h"
#include "ui/ControlKinds.h"
#include "ui/ControlProps.h"
#include "ui/CurvePainter.h"
#include "ui/GraphWidgets.h"
#include "ui/MainFrm.h"

namespace fenwave {

EqGraph::EqGraph(TForm1& window, const ParameterModel& model, BindingForGraph& binding,
                 TickTimer& timer1)
    : m_Window(window), m_Model(model), m_Binding(binding), m_Timer1(timer1) {
  for (EqMarker* marker : m_Window.EqMarkerTable()) {
    connect(marker, &EqMarker::MouseDown, this, &EqGraph::EP1MouseDown);
    connect(marker, &EqMarker::MouseMoved, this, &EqGraph::EP1MouseMove);
    connect(marker, &EqMarker::MouseUp, this, &EqGraph::EP1MouseUp);
  }
  m_Timer1.SetTick([this] { Timer1Timer(); });
}

EqGraph::~EqGraph() {
  // The timer outlives the graph; it must not call back into it.
  m_Timer1.Stop();
  m_Timer1.SetTick({});
}

int EqGraph::Module() const {
  return m_Window.PageCode() / 256;
}

void EqGraph::Start() {
  m_Timer1.Start(std::chrono::milliseconds(kGraphTickMs));
}

// ---------------------------------------------------------------------------------------------
// Drawing.

void EqGraph::DrawCurve(int sel, int module) {
  if (m_Binding.Refreshing() || module < 0 || module >= kSystem) return;

  // The frame first: it paints over the previous curve, so nothing stale survives.
  m_Window.DrawFrame(true);

  EqPassStates eqPass{};
  for (std::size_t m = 0; m < eqPass.size(); ++m)
    eqPass[m] = m_Binding.EqPassState(static_cast<int>(m));
  const QImage& picture = m_Window.Image1()->Picture();
  const QLabel* label = m_Window.EQlabel();
  const CurveRequest request{sel, module, SurfaceSize{picture.width(), picture.height()},
                             LabelSize{label->width(), label->height()}};
  const DrawnCurve drawing = m_Curve.DrawCurve(request, m_Model, eqPass);
  if (!drawing.drawn) return;
  ShowDrawing(drawing);
}

void EqGraph::ShowDrawing(const DrawnCurve& drawing) {
  m_Window.EQPassLabel()->setVisible(drawing.eqPassVisible);

  // Markers live on AdvPanel2, which the surface fills from (0, 0): surface coordinates are
  // the markers' own.
  const auto& markers = m_Window.EqMarkerTable();
  for (std::size_t i = 0; i < markers.size(); ++i) {
    const MarkerUpdate& update = drawing.markers[i];
    if (update.position) markers[i]->move(update.position->left, update.position->top);
    if (update.visible) markers[i]->setVisible(*update.visible);
  }

  if (drawing.label) {
    QLabel* label = m_Window.EQlabel();
    // The value's lines are separated by carriage returns; a QLabel breaks lines at "\n".
    label->setText(
        QString::fromStdString(drawing.label->text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    label->move(drawing.label->left, drawing.label->top);
  }

  GraphSurface* surface = m_Window.Image1();
  PaintCurve(surface->Picture(), drawing.points, m_Window.CurveColour());
  surface->update();
}

void EqGraph::RedrawPage(int pageCode) {
  const int module = pageCode / 256;
  const int page = pageCode & 0xFF;
  DrawCurve(kAllCurveElements, module);
  if (page >= 0 && page < kEqPageCount) DrawCurve(m_Binding.SelectedBand(page), module);
}

// ---------------------------------------------------------------------------------------------
// Marker dragging.

void EqGraph::EP1MouseDown(EqMarker* marker, Qt::MouseButton, QPoint position) {
  if (!marker) return;
  marker->setCursor(Qt::CrossCursor);
  const auto& table = m_Window.EqMarkerTable();
  const int tag = Tag(marker);
  const bool inTable =
      tag >= 0 && tag < kEqMarkerCount && table[static_cast<std::size_t>(tag)] == marker;
  const int module = Module();
  const PressAction action =
      m_Drag.Press(inTable ? tag : -1, MousePoint{position.x(), position.y()},
                   m_Window.StartupComplete(), module);
  m_Drag.StartFrom(m_Curve.Records(), m_Model);
  switch (action.kind) {
  case PressKind::kSelectBand: {
    const auto& labels = m_Window.EqPointLabels(m_Window.CurrentPage());
    if (action.index < static_cast<int>(labels.size()))
      m_Binding.EqPointLabelClick(labels[static_cast<std::size_t>(action.index)]);
    break;
  }
  case PressKind::kShowFilter:
    DrawCurve(action.index, module);
    break;
  case PressKind::kNothing:
    break;
  }
}

void EqGraph::EP1MouseMove(EqMarker* marker, QPoint position) {
  if (!marker || !m_Drag.Dragging()) return;
  const QRect surface = m_Window.Image1()->geometry();
  const MoveInput input{MousePoint{position.x(), position.y()},
                        MarkerPosition{marker->x(), marker->y()},
                        SurfaceRect{surface.x(), surface.y(), surface.width(), surface.height()},
                        m_Window.CurrentPage()};
  if (const std::optional<MarkerMove> move = m_Drag.Move(input))
    marker->move(move->position.left, move->position.top);
}

void EqGraph::EP1MouseUp(EqMarker* marker, Qt::MouseButton, QPoint) {
  m_Drag.Release();
  if (marker) marker->unsetCursor();
}

void EqGraph::Timer1Timer() {
  // The record list of the last drawing names the controls the targets go to.
  const TickPlan plan = m_Drag.ApplyTargets(m_Curve.Records());
  for (const ApplyCall& call : plan.Calls()) {
    if (QWidget* control = m_Window.Control(ToQString(call.control.name)))
      m_Binding.ApplyValue(control, 0, !call.send, call.value);
  }
  if (const std::optional<RedrawRequest> redraw =
          m_Drag.RedrawAfterChange(m_Binding.LastChangedAddress(), m_Binding.LastChangedValue()))
    DrawCurve(redraw->sel, redraw->module);
}

}  // namespace fenwave
