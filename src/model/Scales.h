// Value scales: the device's display-string tables, the linear step rules, the DisplayFormat
// codes carried in control hints, and the conversions between steps, texts and typed numbers.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace fenwave {

// ---------------------------------------------------------------------------------------------
// Display-string tables. Index = step. The strings are the exact texts shown and also the
// physical values (decimal point "."); the numeric twins below are parsed from them at compile
// time, so the two can never disagree.

inline constexpr std::array<std::string_view, 101> QTable = {
    "0.40",   "0.42",  "0.45",  "0.47",  "0.50",  "0.53",  "0.56",   "0.59",   "0.63",   "0.67",
    "0.71",   "0.75",  "0.79",  "0.84",  "0.89",  "0.94",  "1.00",   "1.06",   "1.12",   "1.19",
    "1.26",   "1.30",  "1.40",  "1.50",  "1.60",  "1.70",  "1.80",   "1.90",   "2.00",   "2.10",
    "2.20",   "2.40",  "2.50",  "2.70",  "2.80",  "3.00",  "3.20",   "3.40",   "3.60",   "3.80",
    "4.00",   "4.20",  "4.50",  "4.80",  "5.00",  "5.30",  "5.70",   "6.00",   "6.30",   "6.70",
    "7.10",   "7.60",  "8.00",  "8.50",  "9.00",  "9.50",  "10.10",  "10.70",  "11.30",  "12.00",
    "12.70",  "13.50", "14.00", "15.00", "16.00", "17.00", "18.00",  "19.00",  "20.00",  "21.00",
    "23.00",  "24.00", "25.00", "27.00", "29.00", "30.00", "32.00",  "34.00",  "36.00",  "38.00",
    "40.00",  "43.00", "45.00", "48.00", "51.00", "54.00", "57.00",  "60.00",  "64.00",  "68.00",
    "72.00",  "76.00", "81.00", "85.00", "91.00", "96.00", "102.00", "108.00", "114.00", "121.00",
    "128.00",
};

// Frequencies in Hz, about 36 steps per octave; hand-rounded, so the list is the definition.
inline constexpr std::array<std::string_view, 362> FrequencyTable = {
    "19.7",    "20.1",    "20.5",    "20.9",    "21.3",    "21.7",    "22.1",    "22.5",
    "23.0",    "23.4",    "23.9",    "24.3",    "24.8",    "25.3",    "25.8",    "26.3",
    "26.8",    "27.3",    "27.8",    "28.4",    "28.9",    "29.5",    "30.1",    "30.7",
    "31.3",    "31.9",    "32.5",    "33.1",    "33.8",    "34.4",    "35.1",    "35.8",
    "36.5",    "37.2",    "37.9",    "38.6",    "39.4",    "40.1",    "40.9",    "41.7",
    "42.5",    "43.4",    "44.2",    "45.1",    "45.9",    "46.8",    "47.7",    "48.7",
    "49.6",    "50.6",    "51.6",    "52.6",    "53.6",    "54.6",    "55.7",    "56.8",
    "57.9",    "59.0",    "60.1",    "61.3",    "62.5",    "63.7",    "65.0",    "66.2",
    "67.5",    "68.8",    "70.2",    "71.5",    "72.9",    "74.3",    "75.8",    "77.2",
    "78.7",    "80.3",    "81.8",    "83.4",    "85.0",    "86.7",    "88.4",    "90.1",
    "91.9",    "94.0",    "95.0",    "97.0",    "99.0",    "101.0",   "103.0",   "105.0",
    "107.0",   "109.0",   "111.0",   "114.0",   "116.0",   "118.0",   "120.0",   "123.0",
    "125.0",   "127.0",   "130.0",   "132.0",   "135.0",   "138.0",   "140.0",   "143.0",
    "146.0",   "149.0",   "152.0",   "154.0",   "157.0",   "161.0",   "164.0",   "167.0",
    "170.0",   "173.0",   "177.0",   "180.0",   "184.0",   "187.0",   "191.0",   "195.0",
    "198.0",   "202.0",   "206.0",   "210.0",   "214.0",   "218.0",   "223.0",   "227.0",
    "231.0",   "236.0",   "241.0",   "245.0",   "250.0",   "255.0",   "260.0",   "265.0",
    "270.0",   "275.0",   "281.0",   "286.0",   "292.0",   "297.0",   "303.0",   "309.0",
    "315.0",   "321.0",   "327.0",   "334.0",   "340.0",   "347.0",   "354.0",   "360.0",
    "367.0",   "375.0",   "382.0",   "389.0",   "397.0",   "405.0",   "412.0",   "420.0",
    "429.0",   "437.0",   "445.0",   "454.0",   "463.0",   "472.0",   "481.0",   "490.0",
    "500.0",   "510.0",   "520.0",   "530.0",   "540.0",   "551.0",   "561.0",   "572.0",
    "583.0",   "595.0",   "606.0",   "618.0",   "630.0",   "642.0",   "655.0",   "667.0",
    "680.0",   "694.0",   "707.0",   "721.0",   "735.0",   "749.0",   "764.0",   "779.0",
    "794.0",   "809.0",   "825.0",   "841.0",   "857.0",   "874.0",   "891.0",   "908.0",
    "926.0",   "944.0",   "962.0",   "981.0",   "1000.0",  "1020.0",  "1040.0",  "1060.0",
    "1080.0",  "1100.0",  "1120.0",  "1140.0",  "1170.0",  "1190.0",  "1210.0",  "1240.0",
    "1260.0",  "1280.0",  "1310.0",  "1330.0",  "1360.0",  "1390.0",  "1410.0",  "1440.0",
    "1470.0",  "1500.0",  "1530.0",  "1560.0",  "1590.0",  "1620.0",  "1650.0",  "1680.0",
    "1710.0",  "1750.0",  "1780.0",  "1820.0",  "1850.0",  "1890.0",  "1920.0",  "1960.0",
    "2000.0",  "2040.0",  "2080.0",  "2120.0",  "2160.0",  "2200.0",  "2240.0",  "2290.0",
    "2330.0",  "2380.0",  "2420.0",  "2470.0",  "2520.0",  "2570.0",  "2620.0",  "2670.0",
    "2720.0",  "2770.0",  "2830.0",  "2880.0",  "2940.0",  "3000.0",  "3050.0",  "3110.0",
    "3170.0",  "3240.0",  "3300.0",  "3360.0",  "3430.0",  "3500.0",  "3560.0",  "3630.0",
    "3700.0",  "3780.0",  "3850.0",  "3920.0",  "4000.0",  "4080.0",  "4160.0",  "4240.0",
    "4320.0",  "4400.0",  "4490.0",  "4580.0",  "4670.0",  "4760.0",  "4850.0",  "4940.0",
    "5040.0",  "5140.0",  "5240.0",  "5340.0",  "5440.0",  "5550.0",  "5660.0",  "5770.0",
    "5880.0",  "5990.0",  "6110.0",  "6230.0",  "6350.0",  "6470.0",  "6600.0",  "6730.0",
    "6860.0",  "6990.0",  "7130.0",  "7270.0",  "7410.0",  "7550.0",  "7700.0",  "7850.0",
    "8000.0",  "8160.0",  "8310.0",  "8480.0",  "8640.0",  "8810.0",  "8980.0",  "9150.0",
    "9330.0",  "9510.0",  "9700.0",  "9890.0",  "10100.0", "10300.0", "10500.0", "10700.0",
    "10900.0", "11100.0", "11300.0", "11500.0", "11800.0", "12000.0", "12200.0", "12500.0",
    "12700.0", "12900.0", "13200.0", "13500.0", "13700.0", "14000.0", "14300.0", "14500.0",
    "14800.0", "15100.0", "15400.0", "15700.0", "16000.0", "16300.0", "16600.0", "17000.0",
    "17300.0", "17600.0", "18000.0", "18300.0", "18700.0", "19000.0", "19400.0", "19800.0",
    "20200.0", "20600.0",
};

// Compressor ratio; note "12" after "11.4": the text is shown exactly as stored.
inline constexpr std::array<std::string_view, 41> RatioTable = {
    "1.0", "1.2", "1.4",  "1.6",  "1.8",  "2.0", "2.4", "2.8", "3.2", "3.6", "4.0",
    "4.4", "4.8", "5.2",  "5.6",  "6.0",  "6.4", "6.8", "7.2", "7.6", "8.0", "8.4",
    "9.0", "9.6", "10.2", "10.8", "11.4", "12",  "13",  "14",  "15",  "16",  "17",
    "18",  "19",  "20",   "22",   "24",   "26",  "30",  "100",
};

// Compressor release as a multiple of the attack time.
inline constexpr std::array<std::string_view, 8> ReleaseTable = {"2",  "4",  "6",  "8",
                                                                 "12", "16", "24", "32"};

// Compressor attack time in ms; note "11" after "8.0".
inline constexpr std::array<std::string_view, 16> AttackTable = {
    "0.5", "0.7", "1.0", "1.4", "2.0", "2.8", "4.0", "5.7",
    "8.0", "11",  "16",  "23",  "32",  "45",  "64",  "90",
};

namespace scales_detail {
// Decimal text without exponent → double. mantissa / 10^k with both exact is one correctly
// rounded division, so the result equals what a run-time parser gives.
constexpr double ParseTableText(std::string_view s) {
  double mantissa = 0.0;
  double divisor = 1.0;
  bool fraction = false;
  for (char c : s) {
    if (c == '.') {
      fraction = true;
    } else {
      mantissa = mantissa * 10.0 + (c - '0');
      if (fraction) divisor *= 10.0;
    }
  }
  return mantissa / divisor;
}
template <std::size_t N>
constexpr std::array<double, N> ParseTable(const std::array<std::string_view, N>& texts) {
  std::array<double, N> values{};
  for (std::size_t i = 0; i < N; ++i)
    values[i] = ParseTableText(texts[i]);
  return values;
}
} // namespace scales_detail

inline constexpr std::array<double, 101> QTableValues = scales_detail::ParseTable(QTable);
inline constexpr std::array<double, 362> FrequencyTableValues =
    scales_detail::ParseTable(FrequencyTable);
inline constexpr std::array<double, 41> RatioTableValues = scales_detail::ParseTable(RatioTable);
inline constexpr std::array<double, 8> ReleaseTableValues = scales_detail::ParseTable(ReleaseTable);
inline constexpr std::array<double, 16> AttackTableValues = scales_detail::ParseTable(AttackTable);

// ---------------------------------------------------------------------------------------------
// Linear scales.

// GainStep: dB = step / 5 − 24; 0.2 dB per step.
inline constexpr int kGainStepMax = 180;
inline constexpr int kGainStepZeroDb = 120;
inline constexpr int kGainStepsPerDb = 5;
inline constexpr double kGainMinDb = -24.0;

// HighPassScale: step 0 is "Off", step n ≥ 1 is FrequencyTable[n − 1].
inline constexpr int kHighPassOff = 0;
inline constexpr int kHighPassMaxOutput = 143; // microphone and output pages ("303.0" Hz)
inline constexpr int kHighPassMaxEffect = 241; // echo and reverb ("2000.0" Hz)

// LowPassScale: step n ≤ 193 is FrequencyTable[n + 168], step 194 is "Off".
inline constexpr int kLowPassOff = 194;
inline constexpr int kLowPassTableOffset = 168;

inline constexpr int kFrequencyStepMax = 361;
inline constexpr int kPeakQStepMax = 100; // a peaking band may use the whole QTable
inline constexpr int kShelfQStepMax = 28; // shelving bands stop at "2.00"
inline constexpr int kUserQStepMax = 23;  // subwoofer USER filters, "0.40" .. "1.50"

// Physical value of a HighPassScale / LowPassScale step; empty for "Off". Steps outside the
// scale index the nearest table end.
[[nodiscard]] std::optional<double> HighPassFrequency(int step);
[[nodiscard]] std::optional<double> LowPassFrequency(int step);

// ---------------------------------------------------------------------------------------------
// DisplayFormat codes, carried as decimal text in the hint of value panes, EQ edit boxes and
// band-type lists. Plain ints on purpose: the code arrives as a number parsed from the hint.
enum DisplayFormat : int {
  kFormatNone = 0,            // plain edit or pane: nothing formatted
  kFormatBandType = 1,        // band-type list: item index
  kFormatFrequency = 2,       // EQ frequency edit
  kFormatGain = 3,            // EQ gain edit
  kFormatQ = 4,               // EQ Q edit (100, or 28 for a shelf band)
  kFormatNotValue = 5,        // not a value format
  kFormatHighPass = 6,        // high-pass frequency pane
  kFormatLowPass = 7,         // low-pass frequency pane
  kFormatLevel = 8,           // levels, repeat, short times
  kFormatOutputLevel = 9,     // output channel levels (2·x)
  kFormatDelayOffset = 10,    // echo right-channel delay offset (x − 50)
  kFormatEchoTime = 11,       // echo time, pre-delays (2·x)
  kFormatReverbTime = 12,     // reverb time (62.5·x)
  kFormatEffectHighPass = 13, // echo and reverb high-pass pane, as code 6
  kFormatThreshold = 14,      // compressor threshold (x − 20)
  kFormatRatio = 15,          // RatioTable
  kFormatRelease = 16,        // ReleaseTable
  kFormatAttack = 17,         // AttackTable
  kFormatChannelDelay = 18,   // channel delay (x / 10, one decimal)
  kFormatUserQ = 19,          // subwoofer user Q, QTable
};
inline constexpr int kDisplayFormatCount = 20;

// Largest step each code accepts; kNoMaximum where the code sets none.
inline constexpr int kNoMaximum = -1;
inline constexpr std::array<int, kDisplayFormatCount> DisplayFormatMax = {
    kNoMaximum, kNoMaximum, 361, 180, 100, kNoMaximum, 241, 194, 100, 200,
    100,        250,        80,  241, 34,  40,         7,   15,  500, 23,
};
// Steps are 16-bit words on the line; codes without a maximum are still held to that range so
// a huge typed number can never overflow the integer step it becomes.
inline constexpr int kStepWordMax = 65535;

// Spin-button direction; the values are the step codes of the control handlers.
enum class StepDirection : int { kSet = 0, kUp = 1, kDown = 11 };

// Text shown for a step under a code (the step normally clamped by ClampStep first). Codes
// 0, 1, 5 and unknown codes give "". Table indexes outside a table show its nearest end.
[[nodiscard]] std::string StepText(int code, double step);

// The value clamped to 0 .. the code's maximum (28 instead of 100 for code 4 when shelf is
// set). Negative values and NaN give 0.
[[nodiscard]] double ClampStep(int code, double value, bool shelf = false);

// One spin-button press, then ClampStep: codes 2, 3 and 4 move by one step up or down; every
// other code only clamps.
[[nodiscard]] double StepBy(int code, double value, StepDirection direction, bool shelf = false);

// Hz → nearest FrequencyTable step 0..361 (a tie goes to the lower step; above "20200.0"
// always 361).
[[nodiscard]] int FrequencyToStep(double hz);
// dB → GainStep, rounded to the nearest integer with halves to even; not clamped (the result
// may lie outside 0..180 and is NaN for NaN), ClampStep with code 3 limits it.
[[nodiscard]] double GainToStep(double db);
// Q → the first QTable step whose value is not below q; 101 when q is above "128.00".
[[nodiscard]] int QToStep(double q);

// Step → physical value. Frequency and Q steps outside the tables read the nearest end.
[[nodiscard]] double StepFrequency(int step);
[[nodiscard]] double StepGain(int step);
[[nodiscard]] double StepQ(int step);

// Text of value under the FormatFloat patterns "#0" (decimals 0), "#0.0" (1) and "#0.00" (2):
// halves away from zero, judged on the decimal value (a double just below x.x5 still rounds
// up), at least one digit before the point, "-" before negatives that do not round to zero.
[[nodiscard]] std::string FormatFloat(double value, int decimals);

// Nearest integer with halves to the even neighbour (steps, pixel coordinates).
[[nodiscard]] double RoundHalfEven(double value);
// The same as an int, saturated at the int range; NaN gives 0.
[[nodiscard]] int RoundHalfEvenInt(double value);

// A typed number: every character except "-", "." and the digits is dropped ("-6.4dB" →
// "-6.4"), then the rest must read as a decimal number: an optional leading "-", digits with
// at most one point, at least one digit. Anything else gives nullopt.
[[nodiscard]] std::string ReduceNumberText(std::string_view text);
[[nodiscard]] std::optional<double> ParseTypedNumber(std::string_view text);

} // namespace fenwave
