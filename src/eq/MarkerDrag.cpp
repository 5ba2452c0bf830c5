#include "eq/MarkerDrag.h"

#include <algorithm>

#include "eq/GraphFrame.h"
#include "model/Scales.h"

namespace fenwave {
namespace {

constexpr double kLowestHz = 19;     // left limit of every marker and lowest target
constexpr double kHighestHz = 20600; // highest target ("20600.0", the last table step)
constexpr ParamAddress kEchoLowPassAddress = MakeAddress(kEcho, 5);

// Where a filter marker stops: once the step under it reaches `step` (from above or below),
// it is held at `hz` and does not move horizontally.
struct FilterStop {
  int marker;     // the marker it holds; −1 for every restricted marker of the page
  bool atOrAbove; // tentative step ≥ step (else ≤ step)
  int step;
  double hz;
};

// Per page: markers from `firstRestricted` on are filter markers that move only horizontally
// and stop as listed.
struct PageDragRule {
  int firstRestricted;
  std::array<FilterStop, 2> stops;
  int stopCount;
};

constexpr int kUnrestricted = kMarkerCount;
constexpr FilterStop kOutputStop{-1, true, 143, 309}; // microphone and output high-pass range

constexpr std::array<PageDragRule, 8> kPageDragRules = {{
    {kUnrestricted, {}, 0},                                                            // music
    {15, {kOutputStop}, 1},                                                            // microphone
    {3, {{{kHighPassMarker, true, 241, 2000}, {kLowPassMarker, false, 168, 500}}}, 2}, // effect
    {5, {kOutputStop}, 1},                                                             // main
    {5, {kOutputStop}, 1},                                                             // center
    {3, {kOutputStop}, 1},                                                             // subwoofer
    {5, {kOutputStop}, 1},                                                             // surround
    {kUnrestricted, {}, 0},                                                            // system
}};

const PageDragRule& RuleOfPage(int page) {
  static constexpr PageDragRule kFree{kUnrestricted, {}, 0};
  if (page < 0 || page >= static_cast<int>(kPageDragRules.size())) return kFree;
  return kPageDragRules[static_cast<std::size_t>(page)];
}

// Which record a filter marker's press draws (to show its label), by the page's module: the
// microphone's high-pass is record 15, the echo's and subwoofer's filters follow their three
// bands, the other outputs' high-pass follows their five.
int FilterRecordOfPress(int marker, int module) {
  switch (module) {
  case kMicA:
    return kHighPassRecord;
  case kEcho:
  case kSub:
    return marker - 12;
  case kMain:
  case kCenter:
  case kSurround:
    return 5;
  default:
    return -1;
  }
}

void Add(TickPlan& plan, const RecordControl& control, int value, bool send) {
  if (control.empty()) return; // a filter record has no gain control
  plan.calls[plan.count++] = {control, value, send};
}

} // namespace

PressAction MarkerDrag::Press(int markerIndex, MousePoint grab, bool startupComplete, int module) {
  m_Grab = grab;
  m_Dragging = true;
  m_StartupComplete = startupComplete;
  m_DraggedIndex = markerIndex >= 0 && markerIndex < kMarkerCount ? markerIndex : -1;
  if (m_DraggedIndex < 0 || !startupComplete) return {};
  if (m_DraggedIndex < kHighPassMarker) return {PressKind::kSelectBand, m_DraggedIndex};
  const int record = FilterRecordOfPress(m_DraggedIndex, module);
  if (record < 0) return {};
  return {PressKind::kShowFilter, record};
}

void MarkerDrag::StartFrom(const PageRecords& records, const ParameterModel& model) {
  if (m_DraggedIndex < 0 || !m_StartupComplete) return;
  const PageRecord& record = records.records[static_cast<std::size_t>(m_DraggedIndex)];
  if (record.frequency.empty()) return;
  int frequency = model.Value(record.frequency.address);
  // The echo low-pass pane holds its LowPassScale step; the drag aims at FrequencyTable steps.
  if (record.frequency.name == "EchoLPFrePane")
    frequency = frequency == kLowPassOff ? kFrequencyStepMax : frequency + kLowPassTableOffset;
  m_AppliedFrequencyStep = m_TargetFrequencyStep = frequency;
  if (!record.gain.empty())
    m_AppliedGainStep = m_TargetGainStep = model.Value(record.gain.address);
  else
    m_AppliedGainStep = m_TargetGainStep;
  m_DragRecord = m_DraggedIndex;
}

std::optional<MarkerMove> MarkerDrag::Move(const MoveInput& input) {
  if (!m_Dragging || !m_StartupComplete || m_DraggedIndex < 0) return std::nullopt;
  const int index = m_DraggedIndex;
  const int h = MarkerSize(index);
  const int half = h / 2;
  const SurfaceRect& s = input.surface;
  auto xOf = [&](double hz) { return s.left + FrequencyToX(hz, s.width); };
  auto hzAt = [&](double x) { return XToFrequency(x - s.left, s.width); };

  int dx = input.mouse.x - m_Grab.x;
  int dy = input.mouse.y - m_Grab.y;
  int left = input.marker.left;
  int top = input.marker.top;

  const int tentative = FrequencyToStep(hzAt(left + dx + half));
  const PageDragRule& rule = RuleOfPage(input.page);
  if (index >= rule.firstRestricted) {
    dy = 0;
    for (int i = 0; i < rule.stopCount; ++i) {
      const FilterStop& stop = rule.stops[static_cast<std::size_t>(i)];
      if (stop.marker >= 0 && stop.marker != index) continue;
      if (stop.atOrAbove ? tentative >= stop.step : tentative <= stop.step) {
        left = RoundHalfEvenInt(xOf(stop.hz) - half);
        dx = 0;
      }
    }
  }
  left += dx;
  top += dy;

  // The centre stays on the graph's rows.
  if (top < s.top - half) top = s.top - half;
  if (top > s.top + s.height - half) top = s.top + s.height - half;
  if (index == kLowPassMarker) {
    if (left > s.left + s.width - half) {
      left = s.left + s.width - half;
    } else if (left > s.left + s.width - h) {
      left = s.left + s.width - h;
    }
  }
  if (left < xOf(kLowestHz) - half) left = RoundHalfEvenInt(xOf(kLowestHz)) - half;

  const double hz = std::clamp(RoundHalfEven(hzAt(left + half)), kLowestHz, kHighestHz);
  const double db =
      std::clamp(YToGain(top + half - s.top, s.height), kGraphBottomGain, kGraphTopGain);
  m_DragRecord = index;
  m_TargetFrequencyStep = FrequencyToStep(hz);
  m_TargetGainStep = RoundHalfEvenInt(GainToStep(db));
  return MarkerMove{{left, top}, m_TargetFrequencyStep, m_TargetGainStep};
}

TickPlan MarkerDrag::ApplyTargets(const PageRecords& records) {
  TickPlan plan;
  const bool fc = m_AppliedFrequencyStep != m_TargetFrequencyStep;
  const bool gc = m_AppliedGainStep != m_TargetGainStep;
  if (!fc && !gc) return plan;

  const PageRecord& record = records.records[static_cast<std::size_t>(m_DragRecord)];
  const int frequency = record.frequency.address == kEchoLowPassAddress
                            ? EchoLowPassStep(m_TargetFrequencyStep)
                            : m_TargetFrequencyStep;
  if (fc && gc && !record.gain.empty()) {
    // The band frame sent for the gain carries all five fields, so the frequency only needs to
    // be shown and stored first.
    Add(plan, record.frequency, frequency, false);
    m_AppliedFrequencyStep = m_TargetFrequencyStep;
    m_AppliedGainStep = m_TargetGainStep;
    Add(plan, record.gain, m_TargetGainStep, true);
  } else if (fc) {
    // A filter has no gain to carry its frequency: it is sent on its own even when the gain
    // target moved too (left over from an earlier band drag).
    Add(plan, record.frequency, frequency, true);
    m_AppliedFrequencyStep = m_TargetFrequencyStep;
    m_AppliedGainStep = m_TargetGainStep;
  } else {
    m_AppliedGainStep = m_TargetGainStep;
    Add(plan, record.gain, m_TargetGainStep, true);
  }
  return plan;
}

std::optional<RedrawRequest> MarkerDrag::RedrawAfterChange(ParamAddress lastChangedAddress,
                                                           int lastChangedValue) {
  if (lastChangedAddress == m_LastDrawnAddress && lastChangedValue == m_LastDrawnValue) {
    return std::nullopt;
  }
  m_LastDrawnAddress = lastChangedAddress;
  m_LastDrawnValue = lastChangedValue;
  const int element = EqElementOf(lastChangedAddress) / 256;
  if (element == 255) return std::nullopt; // the reverb has no curve
  return RedrawRequest{element, ModuleOf(lastChangedAddress)};
}

int EchoLowPassStep(int frequencyStep) {
  if (frequencyStep == kFrequencyStepMax) return kLowPassOff;
  return std::max(frequencyStep - kLowPassTableOffset, 0);
}

} // namespace fenwave
