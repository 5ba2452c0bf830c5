#include "eq/CurveModel.h"

#include <cstddef>
#include <utility>

#include "model/ParameterModel.h"
#include "model/Scales.h"

namespace fenwave {
namespace {

constexpr char kLineBreak = '\r';
constexpr int kFilterLabelLift = 5; // a filter's label overlaps its marker's lower edge
// The 24 dB families whose records carry a second section: high-pass 111..199, low-pass 211 on.
constexpr int kHighPass24From = kHighPass24Code;
constexpr int kLowPass24From = 211;

// The marker a record is shown by: its own band marker, the HPF or the LPF marker; −1 for a code
// that has none.
int MarkerOfRecord(int index, int code) {
  if (code < kHighPassBase) return index;
  if (code < kLowPassBase) return kHighPassMarker;
  if (code < kLowPassBase + 100) return kLowPassMarker;
  return -1;
}

std::string BandLabelText(const EqBand& band) {
  std::string text = FormatFloat(band.gain, 1) + "dB";
  text += kLineBreak;
  text += "Q:" + FormatFloat(band.q, 2);
  text += kLineBreak;
  text += FormatFloat(band.frequency, 2) + "Hz";
  return text;
}

std::string FilterLabelText(const EqBand& band) {
  if (band.type == kHighPassOffCode || band.type == kLowPassOffCode) return "OFF";
  return FormatFloat(band.frequency, 2) + "Hz";
}

// The response of a record with its frequency taken to the nearest whole hertz first.
void ResponseAtWholeHertz(EqBand band, ResponseCurve& curve) {
  band.frequency = RoundHalfEven(band.frequency);
  BandResponse(band, curve);
}

} // namespace

const ResponseCurve& CurveModel::RecordCurve(int index) const {
  if (index < 0 || index >= kMaxRecords) index = 0;
  return m_Curves[static_cast<std::size_t>(index)];
}

void CurveModel::Recompute(int index) {
  const EqBand& band = m_Records.records[static_cast<std::size_t>(index)].band;
  if (band.type >= kLowPass24From && m_Records.lowPass24) {
    ResponseAtWholeHertz({kLowPassSecondCode, band.frequency, band.gain, kSecondSectionQ},
                         m_LowPassSecond);
  } else if (band.type >= kHighPass24From && band.type < kLowPassBase && m_Records.highPass24) {
    ResponseAtWholeHertz({kHighPassSecondCode, band.frequency, band.gain, kSecondSectionQ},
                         m_HighPassSecond);
  }
  ResponseAtWholeHertz(band, m_Curves[static_cast<std::size_t>(index)]);
}

MarkerPosition CurveModel::Place(int marker, const EqBand& band, SurfaceSize surface) const {
  const int half = MarkerSize(marker) / 2;
  return {RoundHalfEvenInt(FrequencyToX(band.frequency, surface.width) - half),
          RoundHalfEvenInt(GainToY(band.gain, surface.height) - half)};
}

DrawnCurve CurveModel::DrawCurve(const CurveRequest& request, const ParameterModel& model,
                                   const EqPassStates& eqPass) {
  DrawnCurve out;
  if (request.module < 0 || request.module >= kSystem) return out;
  out.drawn = true;
  out.eqPassVisible = eqPass[static_cast<std::size_t>(request.module)] != 0;

  m_Records = LoadPageRecords(model, request.module);
  const int last = m_Records.LastRecord();

  for (int i = m_Records.bandCount; i < kMarkerCount; ++i)
    out.markers[static_cast<std::size_t>(i)].visible = false;
  if (m_Records.filterCount >= 1) out.markers[kHighPassMarker].visible = true;
  if (m_Records.filterCount == 2) out.markers[kLowPassMarker].visible = true;

  int anchor = -1; // the marker the value label is placed against
  for (int i = 0; i <= last; ++i) {
    if (request.sel != kAllRecords && request.sel != i) continue;
    Recompute(i);
    const EqBand& band = m_Records.records[static_cast<std::size_t>(i)].band;
    const int marker = MarkerOfRecord(i, band.type);
    if (marker < 0) continue;
    MarkerUpdate& m = out.markers[static_cast<std::size_t>(marker)];
    m.position = Place(marker, band, request.surface);
    m.visible = true;
    if (i == request.sel) anchor = marker;
  }

  // A record index outside the page has no marker to hang the label on; the label stays.
  if (request.sel != kAllRecords && anchor >= 0) {
    const EqBand& band = m_Records.records[static_cast<std::size_t>(request.sel)].band;
    const MarkerPosition at = *out.markers[static_cast<std::size_t>(anchor)].position;
    const int size = MarkerSize(anchor);
    ValueLabel label;
    label.left = at.left + size / 2 - request.label.width / 2;
    if (band.type < kHighPassBase) {
      label.text = BandLabelText(band);
      label.top = band.gain >= 0 ? at.top + size : at.top - request.label.height - 1;
    } else {
      label.text = FilterLabelText(band);
      label.top = at.top + size - kFilterLabelLift;
    }
    out.label = std::move(label);
  }

  const int width = request.surface.width;
  const int height = request.surface.height;
  for (std::size_t p = 0; p < kGridPoints; ++p) {
    double sum = 0;
    for (int i = 0; i <= last; ++i)
      sum += m_Curves[static_cast<std::size_t>(i)][p];
    if (m_Records.highPass24) sum += m_HighPassSecond[p];
    if (m_Records.lowPass24) sum += m_LowPassSecond[p];
    m_Total[p] = static_cast<float>(sum);
    out.points[p] = {RoundHalfEvenInt(static_cast<double>(p) * width / kGridSize),
                     RoundHalfEvenInt(GainToY(sum, height))};
  }
  return out;
}

CurveColours CurveColoursFor(int page, bool micGroupB) {
  return page == 1 && micGroupB ? kGroupBColours : kDefaultColours;
}

} // namespace fenwave
