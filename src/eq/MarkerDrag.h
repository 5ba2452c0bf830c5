// Dragging the EQ graph's markers: what a press does, where a move puts the marker and which
// steps it aims at, and what the 10 ms tick applies and redraws. Decisions come back as plain
// data for the window to carry out.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>

#include "eq/Markers.h"
#include "eq/PageRecords.h"
#include "model/Address.h"
#include "model/ParameterModel.h"

namespace fenwave {

struct MousePoint {
  int x = 0;
  int y = 0;
};

// The drawing surface in the coordinates the markers are placed in (its parent panel's).
struct SurfaceRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

enum class PressKind {
  kNothing,
  kSelectBand, // click the page's numbered band label `index`
  kShowFilter, // DrawCurve with record `index` of the page's module, which shows its label
};

struct PressAction {
  PressKind kind = PressKind::kNothing;
  int index = 0;
  bool operator==(const PressAction&) const = default;
};

struct MoveInput {
  MousePoint mouse;      // the mouse position inside the marker
  MarkerPosition marker; // the marker's current top-left corner
  SurfaceRect surface;
  int page = 0; // the page shown (0..7)
};

struct MarkerMove {
  MarkerPosition position; // where the marker goes
  int frequencyStep = 0;   // FrequencyTable step under the marker's centre
  int gainStep = 0;        // GainStep under the marker's centre
};

// One ApplyValue for the window to run on a record's control.
struct ApplyCall {
  RecordControl control;
  int value = 0;     // the step shown (and stored, and sent unless display-only)
  bool send = false; // false: display-only
};

// The tick's ApplyValue calls, in the order they are to run.
struct TickPlan {
  std::array<ApplyCall, 2> calls{};
  std::size_t count = 0;
  [[nodiscard]] std::span<const ApplyCall> Calls() const { return {calls.data(), count}; }
};

struct RedrawRequest {
  int sel = 0; // record index for DrawCurve
  int module = 0;
  bool operator==(const RedrawRequest&) const = default;
};

// The drag state of the graph: one instance for the window's life. Targets and applied steps
// persist between drags.
class MarkerDrag {
public:
  // Mouse down on a control of the graph: `markerIndex` is the marker's table index, −1 when the
  // control pressed is no marker. Presses before start-up has completed do nothing.
  [[nodiscard]] PressAction Press(int markerIndex, MousePoint grab, bool startupComplete,
                                  int module);
  // Mouse move over the pressed marker: its new place and the targets, or nothing when no
  // marker drag is under way.
  [[nodiscard]] std::optional<MarkerMove> Move(const MoveInput& input);
  void Release() { m_Dragging = false; }
  // Starts the pressed marker's drag from what its record holds now, so that every position the
  // marker is dropped at differs from "applied" unless it is the stored value itself. Without
  // this the steps of an earlier drag stay "applied", and a jump straight to them is never sent.
  void StartFrom(const PageRecords& records, const ParameterModel& model);

  // The tick's first half: the values to apply to the drag record's controls (from the record
  // list of the last drawing). Several moves between two ticks give one application.
  [[nodiscard]] TickPlan ApplyTargets(const PageRecords& records);
  // The tick's second half, after the calls have run: the curve element to redraw when the last
  // recorded EQ change differs from the one drawn last.
  [[nodiscard]] std::optional<RedrawRequest> RedrawAfterChange(ParamAddress lastChangedAddress,
                                                               int lastChangedValue);

  [[nodiscard]] bool Dragging() const { return m_Dragging; }
  [[nodiscard]] int DraggedIndex() const { return m_DraggedIndex; }
  [[nodiscard]] int DragRecord() const { return m_DragRecord; }
  [[nodiscard]] int TargetFrequencyStep() const { return m_TargetFrequencyStep; }
  [[nodiscard]] int TargetGainStep() const { return m_TargetGainStep; }
  [[nodiscard]] int AppliedFrequencyStep() const { return m_AppliedFrequencyStep; }
  [[nodiscard]] int AppliedGainStep() const { return m_AppliedGainStep; }

private:
  bool m_Dragging = false;
  bool m_StartupComplete = false; // as of the press
  MousePoint m_Grab;
  int m_DraggedIndex = -1;
  int m_DragRecord = 0;
  int m_TargetFrequencyStep = 0;
  int m_TargetGainStep = 0;
  int m_AppliedFrequencyStep = 0;
  int m_AppliedGainStep = 0;
  ParamAddress m_LastDrawnAddress = 0;
  int m_LastDrawnValue = 0;
};

// The echo low-pass pane's LowPassScale step for a FrequencyTable step: 194 ("Off") for the
// last step, otherwise the step less 168 (not below 0).
[[nodiscard]] int EchoLowPassStep(int frequencyStep);

} // namespace fenwave
