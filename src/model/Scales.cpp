// Steps to texts and physical values and back, for every DisplayFormat code.
#include "model/Scales.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <span>
#include <system_error>

namespace fenwave {
namespace {

// Index into a table of `size` entries for a step: truncated toward zero, and held inside the
// table so that a value shown unclamped (straight from the device) can never read past it.
std::size_t TableIndex(double step, std::size_t size) {
  if (!(step > 0.0)) return 0; // negatives, NaN
  const double last = static_cast<double>(size - 1);
  if (step >= last) return size - 1;
  return static_cast<std::size_t>(step);
}

template <std::size_t N> std::size_t IntIndex(int step, const std::array<double, N>&) {
  if (step <= 0) return 0;
  return static_cast<std::size_t>(step) >= N ? N - 1 : static_cast<std::size_t>(step);
}

// How a code turns a step into text.
enum class TextRule { kNone, kNumber, kTable, kHighPass, kLowPass };

struct FormatRule {
  TextRule rule = TextRule::kNone;
  std::span<const std::string_view> table{};
  // kNumber: FormatFloat(x × multiplier / divisor + offset, decimals).
  double multiplier = 1.0;
  double divisor = 1.0;
  double offset = 0.0;
  int decimals = 0;
};

constexpr FormatRule Number(double multiplier, double divisor, double offset, int decimals) {
  return {TextRule::kNumber, {}, multiplier, divisor, offset, decimals};
}
constexpr FormatRule Table(std::span<const std::string_view> table) {
  return {TextRule::kTable, table};
}

constexpr std::array<FormatRule, kDisplayFormatCount> kFormatRules = {
    FormatRule{},                    // 0 nothing formatted
    FormatRule{},                    // 1 band-type list: no text
    Table(FrequencyTable),           // 2
    Number(1, 5, -24, 1),            // 3 dB = x / 5 − 24
    Table(QTable),                   // 4
    FormatRule{},                    // 5
    FormatRule{TextRule::kHighPass}, // 6
    FormatRule{TextRule::kLowPass},  // 7
    Number(1, 1, 0, 0),              // 8
    Number(2, 1, 0, 0),              // 9
    Number(1, 1, -50, 0),            // 10
    Number(2, 1, 0, 0),              // 11
    Number(62.5, 1, 0, 0),           // 12
    FormatRule{TextRule::kHighPass}, // 13
    Number(1, 1, -20, 0),            // 14
    Table(RatioTable),               // 15
    Table(ReleaseTable),             // 16
    Table(AttackTable),              // 17
    Number(1, 10, 0, 1),             // 18
    Table(QTable),                   // 19
};

// The value rounded to `digits` significant decimal digits. Binary noise of a few ulps
// (1.005 × 100 = 100.49999999999999) disappears, so decimal halves are judged as decimals.
double RoundSignificant(double value, int digits) {
  if (!std::isfinite(value) || value == 0.0) return value;
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                     std::chars_format::scientific, digits - 1);
  double rounded = value;
  std::from_chars(buffer, written.ptr, rounded);
  return rounded;
}

constexpr int kSignificantDigits = 12;

std::string IntegerDigits(std::uint64_t n) {
  char buffer[24];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, n);
  return std::string(buffer, written.ptr);
}

} // namespace

std::optional<double> HighPassFrequency(int step) {
  if (step == kHighPassOff) return std::nullopt;
  return StepFrequency(step > 0 ? step - 1 : 0);
}

std::optional<double> LowPassFrequency(int step) {
  if (step == kLowPassOff) return std::nullopt;
  return StepFrequency(step > kLowPassOff ? kFrequencyStepMax : step + kLowPassTableOffset);
}

std::string StepText(int code, double step) {
  if (code < 0 || code >= kDisplayFormatCount) return {};
  const FormatRule& r = kFormatRules[static_cast<std::size_t>(code)];
  switch (r.rule) {
  case TextRule::kNone:
    return {};
  case TextRule::kNumber:
    return FormatFloat(step * r.multiplier / r.divisor + r.offset, r.decimals);
  case TextRule::kTable:
    return std::string(r.table[TableIndex(step, r.table.size())]);
  case TextRule::kHighPass:
    if (step == 0.0) return "Off";
    return std::string(FrequencyTable[TableIndex(std::trunc(step - 1.0), FrequencyTable.size())]) +
           "Hz";
  case TextRule::kLowPass:
    if (step == static_cast<double>(kLowPassOff)) return "Off";
    return std::string(FrequencyTable[TableIndex(std::trunc(step) + kLowPassTableOffset,
                                                 FrequencyTable.size())]) +
           "Hz";
  }
  return {};
}

double ClampStep(int code, double value, bool shelf) {
  if (!(value > 0.0)) return 0.0; // negatives, −0 and NaN
  int max = code >= 0 && code < kDisplayFormatCount
                ? DisplayFormatMax[static_cast<std::size_t>(code)]
                : kNoMaximum;
  if (code == kFormatQ && shelf) max = kShelfQStepMax;
  if (max == kNoMaximum) max = kStepWordMax;
  return value > max ? static_cast<double>(max) : value;
}

double StepBy(int code, double value, StepDirection direction, bool shelf) {
  if (code == kFormatFrequency || code == kFormatGain || code == kFormatQ) {
    if (direction == StepDirection::kUp) value += 1.0;
    if (direction == StepDirection::kDown) value -= 1.0;
  }
  return ClampStep(code, value, shelf);
}

int FrequencyToStep(double hz) {
  constexpr int kSteps = static_cast<int>(FrequencyTableValues.size());
  int i = 0;
  while (i < kSteps && FrequencyTableValues[static_cast<std::size_t>(i)] < hz)
    ++i;
  if (i >= kFrequencyStepMax) return kFrequencyStepMax;
  if (i == 0) return 0;
  const double below = FrequencyTableValues[static_cast<std::size_t>(i - 1)];
  const double above = FrequencyTableValues[static_cast<std::size_t>(i)];
  return hz - below <= above - hz ? i - 1 : i;
}

double GainToStep(double db) {
  // Typed gains are decimals: −23.9 dB is step 0.5 exactly (→ 0), not 0.500000000000007.
  return RoundHalfEven(RoundSignificant((db - kGainMinDb) * kGainStepsPerDb, kSignificantDigits));
}

int QToStep(double q) {
  int i = 0;
  while (i < static_cast<int>(QTableValues.size()) && QTableValues[static_cast<std::size_t>(i)] < q)
    ++i;
  return i;
}

double StepFrequency(int step) {
  return FrequencyTableValues[IntIndex(step, FrequencyTableValues)];
}

// (step − 120) / 5 rather than step / 5 − 24: one rounding, so 0.2 dB steps read as 0.2.
double StepGain(int step) {
  return (static_cast<double>(step) - kGainStepZeroDb) / kGainStepsPerDb;
}

double StepQ(int step) {
  return QTableValues[IntIndex(step, QTableValues)];
}

std::string FormatFloat(double value, int decimals) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (decimals < 0) decimals = 0;
  if (decimals > 9) decimals = 9;
  const double scaled = RoundSignificant(value * std::pow(10.0, decimals), kSignificantDigits);
  const double n = std::round(scaled); // halves away from zero
  if (std::fabs(n) >= 1e15) {
    // Far beyond any step's value; plain fixed notation is all that is needed.
    char buffer[400];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, written.ptr);
  }
  std::string digits = IntegerDigits(static_cast<std::uint64_t>(std::fabs(n)));
  const auto width = static_cast<std::size_t>(decimals) + 1;
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  if (decimals > 0) digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
  return n < 0 ? "-" + digits : digits;
}

double RoundHalfEven(double value) {
  const double below = std::floor(value);
  const double diff = value - below; // exact for every finite double
  if (diff > 0.5) return below + 1.0;
  if (diff < 0.5) return below;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

int RoundHalfEvenInt(double value) {
  const double r = RoundHalfEven(value);
  if (std::isnan(r)) return 0;
  if (r >= static_cast<double>(std::numeric_limits<int>::max()))
    return std::numeric_limits<int>::max();
  if (r <= static_cast<double>(std::numeric_limits<int>::min()))
    return std::numeric_limits<int>::min();
  return static_cast<int>(r);
}

std::string ReduceNumberText(std::string_view text) {
  std::string kept;
  for (char c : text) {
    if (c == '-' || c == '.' || (c >= '0' && c <= '9')) kept.push_back(c);
  }
  return kept;
}

std::optional<double> ParseTypedNumber(std::string_view text) {
  const std::string t = ReduceNumberText(text);
  bool point = false;
  bool digit = false;
  bool integerNonZero = false; // a non-zero digit before the point
  for (std::size_t i = 0; i < t.size(); ++i) {
    const char c = t[i];
    if (c == '-') {
      if (i != 0) return std::nullopt; // a minus anywhere but in front
    } else if (c == '.') {
      if (point) return std::nullopt; // a second point
      point = true;
    } else {
      digit = true;
      if (!point && c != '0') integerNonZero = true;
    }
  }
  if (!digit) return std::nullopt;
  const char* first = t.data();
  const char* last = t.data() + t.size();
  const bool negative = t.front() == '-';
  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(first, last, value);
  if (ec == std::errc::result_out_of_range) {
    // No exponent is possible here: too large means a huge integer part, else it underflowed.
    value = integerNonZero ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
  }
  if (ec != std::errc{} || ptr != last) return std::nullopt;
  return value;
}

} // namespace fenwave
