// The page's combined EQ response as the graph shows it: the record curves kept between drawings,
// the 513 curve points, the marker placements, the value label and the curve colours.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "eq/BandResponse.h"
#include "eq/GraphFrame.h"
#include "eq/Markers.h"
#include "eq/PageRecords.h"
#include "model/Address.h"

namespace fenwave {

class ParameterModel;

inline constexpr int kAllRecords = 20; // the record index that recomputes every record
inline constexpr double kSecondSectionQ = 0.8;
inline constexpr int kHighPassSecondCode = 104;
inline constexpr int kLowPassSecondCode = 204;

// The EQ pass value last set for each module; a module whose entry is not 0 shows "EQ PASS".
using EqPassStates = std::array<int, kModuleCount>;

struct LabelSize {
  int width = 0;
  int height = 0;
};

struct CurveRequest {
  int sel = kAllRecords; // the record whose marker and label are updated, or kAllRecords
  int module = 0;        // the page's EQ module
  SurfaceSize surface{950, 208};
  LabelSize label; // the value label's current size, for centring it on its marker
};

struct CurvePoint {
  int x = 0;
  int y = 0;
  bool operator==(const CurvePoint&) const = default;
};

// What a drawing does to one marker; an empty field leaves that property as it was.
struct MarkerUpdate {
  std::optional<bool> visible;
  std::optional<MarkerPosition> position;
};

// The value label's new text (lines separated by "\r") and top-left corner.
struct ValueLabel {
  std::string text;
  int left = 0;
  int top = 0;
};

struct DrawnCurve {
  bool drawn = false;         // false: the module has no graph and nothing changes at all
  bool eqPassVisible = false; // the "EQ PASS" overlay
  std::array<CurvePoint, kGridPoints> points{}; // the smooth curve runs through these
  std::array<MarkerUpdate, kMarkerCount> markers{};
  std::optional<ValueLabel> label; // empty: the label stays as it is
};

// Owns the record list of the page last drawn and the curve of every record, so that a drawing
// for one record recomputes only that record (and its second section) and adds the kept rest.
class CurveModel {
public:
  // One drawing of the graph's curve: reloads the page's records, recomputes the requested ones
  // and returns everything the widgets show. The frame under the curve is FrameLines.
  [[nodiscard]] DrawnCurve DrawCurve(const CurveRequest& request, const ParameterModel& model,
                                       const EqPassStates& eqPass);

  // The record list as the last drawing loaded it (the dragged markers' controls come from it).
  [[nodiscard]] const PageRecords& Records() const { return m_Records; }
  [[nodiscard]] const ResponseCurve& RecordCurve(int index) const;
  [[nodiscard]] const ResponseCurve& HighPassSecond() const { return m_HighPassSecond; }
  [[nodiscard]] const ResponseCurve& LowPassSecond() const { return m_LowPassSecond; }
  // The summed response of the last drawing, in dB per grid point.
  [[nodiscard]] const ResponseCurve& Total() const { return m_Total; }

private:
  void Recompute(int index);
  [[nodiscard]] MarkerPosition Place(int marker, const EqBand& band, SurfaceSize surface) const;

  PageRecords m_Records;
  std::array<ResponseCurve, kMaxRecords> m_Curves{};
  ResponseCurve m_HighPassSecond{};
  ResponseCurve m_LowPassSecond{};
  ResponseCurve m_Total{};
};

struct Argb {
  int alpha;
  int red;
  int green;
  int blue;
  bool operator==(const Argb&) const = default;
};

struct CurveColours {
  Argb curve;
  Rgb label; // the value label's text
  bool operator==(const CurveColours&) const = default;
};

inline constexpr CurveColours kGroupBColours{{255, 255, 102, 0}, {255, 102, 0}};
inline constexpr CurveColours kDefaultColours{{255, 0, 204, 255}, {199, 255, 255}};

// Orange while the microphone page (page 1) shows microphone group B, cyan otherwise.
[[nodiscard]] CurveColours CurveColoursFor(int page, bool micGroupB);

} // namespace fenwave
