#include "eq/PageRecords.h"

#include <cstddef>

#include "model/ParameterModel.h"
#include "model/Scales.h"

namespace fenwave {
namespace {

// How a module's high-pass record reads its type.
enum class HighPassRule {
  kNone,
  kFixed12,     // always the 12 dB section
  kSlopeSwitch, // slope slot: 0 "12dB", anything else "24dB"
  kTypeList,    // subwoofer type list
};
// How a module's low-pass record reads its type and frequency.
enum class LowPassRule {
  kNone,
  kEcho,     // 12 dB section on LowPassScale, step 194 "Off"
  kTypeList, // subwoofer type list, FrequencyTable step without an off state
};

// The slots of one filter; −1 where the filter has no such slot.
struct FilterSlots {
  int frequency = -1;
  int mode = -1; // slope switch or type list
  int userQ = -1;
};

struct PageLayout {
  int bands = 0;
  HighPassRule highPass = HighPassRule::kNone;
  FilterSlots highPassSlots;
  LowPassRule lowPass = LowPassRule::kNone;
  FilterSlots lowPassSlots;
};

constexpr PageLayout kNoCurve{};

// Per module 0..8. The reverb (4) has no curve of its own: the effect page draws the echo.
constexpr std::array<PageLayout, kEqModules> kPageLayouts = {{
    {10, HighPassRule::kNone, {}, LowPassRule::kNone, {}},
    {15, HighPassRule::kFixed12, {0, -1, -1}, LowPassRule::kNone, {}},
    {15, HighPassRule::kNone, {}, LowPassRule::kNone, {}}, // group B: its filter is A's
    {3, HighPassRule::kFixed12, {4, -1, -1}, LowPassRule::kEcho, {5, -1, -1}},
    kNoCurve,
    {5, HighPassRule::kSlopeSwitch, {16, 18, -1}, LowPassRule::kNone, {}},
    {3, HighPassRule::kTypeList, {10, 8, 12}, LowPassRule::kTypeList, {16, 14, 18}},
    {5, HighPassRule::kSlopeSwitch, {16, 18, -1}, LowPassRule::kNone, {}},
    {5, HighPassRule::kFixed12, {16, -1, -1}, LowPassRule::kNone, {}},
}};

// Subwoofer type list items "Besell 24dB", "Butterworth 24dB", "Link Riley 24dB", "USER 12dB",
// "USER 24dB": the last two digits of the filter code and whether a second section follows.
struct SubwooferType {
  int kind;
  bool fourthOrder;
};
constexpr std::array<SubwooferType, 5> kSubwooferTypes = {{
    {11, true},
    {12, true},
    {13, true},
    {4, false},
    {15, true},
}};

RecordControl ValueControlOf(int module, int slot) {
  const BoundControl& c = BindingAt(module, slot).value;
  return {c.name, c.kind, MakeAddress(module, slot)};
}

// The value pane beside a filter's frequency slider.
RecordControl PaneOf(int module, int slot) {
  const BoundControl& c = BindingAt(module, slot).companion;
  return {c.name, c.kind, MakeAddress(module, slot)};
}

PageRecord BandRecord(const ParameterModel& model, int module, int k) {
  const int d = FirstBandSlot[static_cast<std::size_t>(module)] + kBandFields * k;
  auto at = [&](int slot) { return model.Value(MakeAddress(module, slot)); };
  const int type = at(d);
  PageRecord r;
  // A type value from the device beyond the band codes must not turn a band into a filter
  // (codes from 100 on are high-pass and low-pass records with their own markers).
  r.band.type = type >= 0 && type < kHighPassBase ? type : kOtherBandCode;
  r.band.frequency = StepFrequency(at(d + 1));
  r.band.gain = StepGain(at(d + 2));
  r.band.q = StepQ(at(type == kPeakingCode ? d + 3 : d + 4));
  r.frequency = ValueControlOf(module, d + 1);
  r.gain = ValueControlOf(module, d + 2);
  r.q = ValueControlOf(module, d + 3);
  return r;
}

// The subwoofer's list value v as a filter code and second-section flag. A value outside the
// list is drawn as a filter that is off rather than as some unrelated code.
int SubwooferCode(int base, int v, bool& fourthOrder) {
  fourthOrder = false;
  if (v < 0 || v >= static_cast<int>(kSubwooferTypes.size())) return base;
  const SubwooferType& t = kSubwooferTypes[static_cast<std::size_t>(v)];
  fourthOrder = t.fourthOrder;
  return base + t.kind;
}

// What every filter record starts with: its frequency pane, no gain, the user Q where the filter
// has one, and no second section.
PageRecord FilterRecordStart(const ParameterModel& model, int module, const FilterSlots& s,
                             bool& fourthOrder) {
  PageRecord r;
  r.frequency = PaneOf(module, s.frequency);
  r.band.gain = 0;
  r.band.q = s.userQ >= 0 ? StepQ(model.Value(MakeAddress(module, s.userQ))) : 0;
  fourthOrder = false;
  return r;
}

PageRecord HighPassRecord(const ParameterModel& model, int module, const PageLayout& layout,
                          bool& fourthOrder) {
  auto at = [&](int slot) { return model.Value(MakeAddress(module, slot)); };
  const FilterSlots& s = layout.highPassSlots;
  PageRecord r = FilterRecordStart(model, module, s, fourthOrder);
  const int step = at(s.frequency);
  if (step == kHighPassOff) {
    r.band.type = kHighPassOffCode;
    r.band.frequency = kHighPassOffHz;
    return r;
  }
  r.band.frequency = StepFrequency(step - 1);
  switch (layout.highPass) {
  case HighPassRule::kSlopeSwitch:
    fourthOrder = at(s.mode) != 0;
    r.band.type = fourthOrder ? kHighPass24Code : kHighPass12Code;
    break;
  case HighPassRule::kTypeList:
    r.band.type = SubwooferCode(kHighPassBase, at(s.mode), fourthOrder);
    break;
  default:
    r.band.type = kHighPass12Code;
    break;
  }
  return r;
}

PageRecord LowPassRecord(const ParameterModel& model, int module, const PageLayout& layout,
                         bool& fourthOrder) {
  auto at = [&](int slot) { return model.Value(MakeAddress(module, slot)); };
  const FilterSlots& s = layout.lowPassSlots;
  PageRecord r = FilterRecordStart(model, module, s, fourthOrder);
  const int step = at(s.frequency);
  if (layout.lowPass == LowPassRule::kEcho) {
    if (step == kLowPassOff) {
      r.band.type = kLowPassOffCode;
      r.band.frequency = StepFrequency(kFrequencyStepMax);
    } else {
      r.band.type = kLowPass12Code;
      r.band.frequency = StepFrequency(step + kLowPassTableOffset);
    }
    return r;
  }
  // The subwoofer low-pass slot holds the FrequencyTable step itself and is never off.
  r.band.type = SubwooferCode(kLowPassBase, at(s.mode), fourthOrder);
  r.band.frequency = StepFrequency(step);
  return r;
}

} // namespace

PageRecords LoadPageRecords(const ParameterModel& model, int module) {
  PageRecords page;
  if (module < 0 || module >= kEqModules) return page;
  const PageLayout& layout = kPageLayouts[static_cast<std::size_t>(module)];
  page.bandCount = layout.bands;
  for (int k = 0; k < layout.bands; ++k)
    page.records[static_cast<std::size_t>(k)] = BandRecord(model, module, k);

  int next = layout.bands;
  if (layout.highPass != HighPassRule::kNone) {
    const PageRecord r = HighPassRecord(model, module, layout, page.highPass24);
    page.records[static_cast<std::size_t>(next++)] = r;
    page.records[kHighPassRecord].frequency = r.frequency;
  }
  if (layout.lowPass != LowPassRule::kNone) {
    const PageRecord r = LowPassRecord(model, module, layout, page.lowPass24);
    page.records[static_cast<std::size_t>(next++)] = r;
    page.records[kLowPassRecord].frequency = r.frequency;
  }
  page.filterCount = next - layout.bands;
  return page;
}

} // namespace fenwave
