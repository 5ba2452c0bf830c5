// The filter records of a page's EQ graph, read from the ParameterImage: the module's bands
// followed by its high-pass and low-pass filters, with the controls that edit each record.
#pragma once

#include <array>
#include <string_view>

#include "eq/BandResponse.h"
#include "model/Address.h"
#include "model/BindingData.h"

namespace fenwave {

class ParameterModel;

inline constexpr int kMaxRecords = 17;
// The HPF and LPF markers find their filter's frequency control at these record indices, on
// every page, whatever index the filter record itself has.
inline constexpr int kHighPassRecord = 15;
inline constexpr int kLowPassRecord = 16;

// Filter type codes the loader produces (EqBand type codes).
inline constexpr int kOtherBandCode = 3;       // a band type the graph draws flat
inline constexpr int kHighPassOffCode = 100;   // a high-pass at step 0 ("Off")
inline constexpr int kHighPass12Code = 102;    // fixed 12 dB high-pass
inline constexpr int kHighPass24Code = 111;    // main and center high-pass with slope "24dB"
inline constexpr int kLowPassOffCode = 200;    // echo low-pass at step 194 ("Off")
inline constexpr int kLowPass12Code = 202;     // echo low-pass
inline constexpr double kHighPassOffHz = 19.0; // where a high-pass that is off is drawn

// A control bound to one of a record's parameters.
struct RecordControl {
  std::string_view name; // objectName; empty when the record has no such control
  WidgetKind kind = WidgetKind::kNone;
  ParamAddress address = 0; // the slot the control is bound to
  [[nodiscard]] bool empty() const { return name.empty(); }
  bool operator==(const RecordControl&) const = default;
};

// One record: the filter as the graph draws it and the controls a dragged marker applies to.
// Band records name the frequency, gain and Q edit boxes; filter records name the value pane of
// their frequency slider and have no gain or Q control.
struct PageRecord {
  EqBand band;
  RecordControl frequency;
  RecordControl gain;
  RecordControl q;
};

struct PageRecords {
  std::array<PageRecord, kMaxRecords> records{};
  int bandCount = 0;       // n: band records 0 .. n − 1
  int filterCount = 0;     // f: filter records n .. n + f − 1
  bool highPass24 = false; // the high-pass record gets a second section (HighPassSecond)
  bool lowPass24 = false;  // the low-pass record gets a second section (LowPassSecond)

  // Index of the last record that takes part in the curve; −1 for a page without records.
  [[nodiscard]] int LastRecord() const { return bandCount - 1 + filterCount; }
  // The loader's summary of the page: n − 1 + 100 × f (114 for the microphone page).
  [[nodiscard]] int CountCode() const { return bandCount - 1 + 100 * filterCount; }
};

// The record list of the module's page from the ParameterImage. Modules without a curve (the
// reverb, the system module and anything outside 0..8) give an empty list.
[[nodiscard]] PageRecords LoadPageRecords(const ParameterModel& model, int module);

} // namespace fenwave
