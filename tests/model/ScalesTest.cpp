#include "model/Scales.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace fenwave {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ScaleTables, HoldTheDeviceTextsInRisingOrder) {
  ASSERT_EQ(QTable.size(), 101u);
  ASSERT_EQ(FrequencyTable.size(), 362u);
  ASSERT_EQ(RatioTable.size(), 41u);
  ASSERT_EQ(ReleaseTable.size(), 8u);
  ASSERT_EQ(AttackTable.size(), 16u);
  EXPECT_EQ(FrequencyTable[0], "19.7");
  EXPECT_EQ(FrequencyTable[142], "303.0");
  EXPECT_EQ(FrequencyTable[168], "500.0");
  EXPECT_EQ(FrequencyTable[204], "1000.0");
  EXPECT_EQ(FrequencyTable[240], "2000.0");
  EXPECT_EQ(FrequencyTable[361], "20600.0");
  EXPECT_EQ(QTable[23], "1.50");
  EXPECT_EQ(QTable[28], "2.00");
  EXPECT_EQ(QTable[100], "128.00");
  EXPECT_EQ(RatioTable[26], "11.4");
  EXPECT_EQ(RatioTable[27], "12");
  EXPECT_EQ(AttackTable[8], "8.0");
  EXPECT_EQ(AttackTable[9], "11");

  // The step searches walk the tables and need them strictly rising; the numeric twins must
  // be exactly what a run-time parser reads from the texts.
  auto check = [](const auto& texts, const auto& values, const char* name) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
      EXPECT_EQ(values[i], std::strtod(std::string(texts[i]).c_str(), nullptr)) << name << i;
      if (i > 0) {
        EXPECT_LT(values[i - 1], values[i]) << name << i;
      }
    }
  };
  check(QTable, QTableValues, "Q ");
  check(FrequencyTable, FrequencyTableValues, "frequency ");
  check(RatioTable, RatioTableValues, "ratio ");
  check(ReleaseTable, ReleaseTableValues, "release ");
  check(AttackTable, AttackTableValues, "attack ");
}

TEST(StepText, FormatsEachCode) {
  struct Case {
    int code;
    double step;
    const char* text;
  };
  const Case cases[] = {
      {0, 5, ""},
      {1, 2, ""},
      {5, 3, ""},
      {20, 1, ""},
      {-1, 1, ""},
      {2, 0, "19.7"},
      {2, 204, "1000.0"},
      {2, 361, "20600.0"},
      {2, 10.9, "23.9"},
      {3, 0, "-24.0"},
      {3, 1, "-23.8"},
      {3, 119, "-0.2"},
      {3, 120, "0.0"},
      {3, 180, "12.0"},
      {4, 0, "0.40"},
      {4, 100, "128.00"},
      {6, 0, "Off"},
      {6, 1, "19.7Hz"},
      {6, 143, "303.0Hz"},
      {6, 241, "2000.0Hz"},
      {13, 0, "Off"},
      {13, 241, "2000.0Hz"},
      {7, 0, "500.0Hz"},
      {7, 193, "20600.0Hz"},
      {7, 194, "Off"},
      {8, 0, "0"},
      {8, 100, "100"},
      {9, 100, "200"},
      {9, 200, "400"},
      {10, 0, "-50"},
      {10, 50, "0"},
      {10, 100, "50"},
      {11, 250, "500"},
      {12, 1, "63"},
      {12, 3, "188"},
      {12, 80, "5000"},
      {14, 0, "-20"},
      {14, 34, "14"},
      {15, 0, "1.0"},
      {15, 26, "11.4"},
      {15, 27, "12"},
      {15, 40, "100"},
      {16, 0, "2"},
      {16, 7, "32"},
      {17, 0, "0.5"},
      {17, 9, "11"},
      {17, 15, "90"},
      {18, 0, "0.0"},
      {18, 5, "0.5"},
      {18, 500, "50.0"},
      {19, 0, "0.40"},
      {19, 23, "1.50"},
      // Steps outside a table (shown unclamped) read the table's nearest end.
      {2, 400, "20600.0"},
      {2, -3, "19.7"},
      {2, kNaN, "19.7"},
      {4, 101, "128.00"},
      {6, 400, "20600.0Hz"},
      {7, 300, "20600.0Hz"},
      {15, 1e9, "100"},
      {19, -1, "0.40"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StepText(c.code, c.step), c.text) << "code " << c.code << " step " << c.step;
  }
}

TEST(ClampStep, HoldsValuesInTheCodesRange) {
  struct Case {
    int code;
    double value;
    bool shelf;
    double expected;
  };
  const Case cases[] = {
      {6, 300, false, 241},   {3, 181, false, 180},    {2, 400, false, 361},
      {4, 101, false, 100},   {4, 60, false, 60},      {4, 60, true, 28},
      {4, kInf, true, 28},    {2, -5, false, 0},       {2, kNaN, false, 0},
      {3, -kInf, false, 0},   {9, 250, false, 200},    {19, 30, false, 23},
      {8, 55.5, false, 55.5}, {0, -1, false, 0},       {0, 1e12, false, 65535},
      {1, 7, false, 7},       {7, 194, false, 194},    {18, 501, false, 500},
      {17, 16, false, 15},    {99, 1e9, false, 65535},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClampStep(c.code, c.value, c.shelf), c.expected)
        << "code " << c.code << " value " << c.value << " shelf " << c.shelf;
  }
}

TEST(StepBy, StepsBandFieldsWithinTheirEnds) {
  using D = StepDirection;
  struct Case {
    int code;
    double value;
    D direction;
    bool shelf;
    double expected;
  };
  const Case cases[] = {
      {2, 0, D::kDown, false, 0},   {2, 361, D::kUp, false, 361},  {2, 10, D::kUp, false, 11},
      {2, 10, D::kDown, false, 9},  {2, 400, D::kSet, false, 361}, {3, 180, D::kUp, false, 180},
      {3, 0, D::kDown, false, 0},   {4, 28, D::kUp, true, 28},     {4, 28, D::kUp, false, 29},
      {4, 100, D::kUp, false, 100}, {4, 40, D::kSet, true, 28},    {6, 10, D::kUp, false, 10},
      {9, 10, D::kDown, false, 10}, {2, kNaN, D::kUp, false, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StepBy(c.code, c.value, c.direction, c.shelf), c.expected)
        << "code " << c.code << " value " << c.value;
  }
}

TEST(FrequencyToStep, FindsTheNearestStepTiesGoingLow) {
  struct Case {
    double hz;
    int step;
  };
  const Case cases[] = {
      {1000, 204},  {1010, 204},  {1010.5, 205}, {991, 204},     {990.5, 203},
      {19, 0},      {1, 0},       {0, 0},        {-5, 0},        {19.7, 0},
      {20.1, 1},    {303, 142},   {20200, 360},  {20200.1, 361}, {20300, 361},
      {20600, 361}, {30000, 361}, {kInf, 361},   {kNaN, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FrequencyToStep(c.hz), c.step) << c.hz << " Hz";
  }
}

TEST(GainToStep, RoundsHalvesToEvenWithoutClamping) {
  struct Case {
    double db;
    double step;
  };
  const Case cases[] = {
      {0, 120},
      {12, 180},
      {-24, 0},
      {-23.5, 2},
      {-22.5, 8},
      {3.05, 135},
      {-23.9, 0}, // a decimal half: 0.5 exactly, not the 0.500000000000007
                  // of binary arithmetic
      {-23.7, 2},
      {20, 220},
      {-30, -30},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GainToStep(c.db), c.step) << c.db << " dB";
  }
  EXPECT_EQ(ClampStep(3, GainToStep(20), false), 180);
  EXPECT_EQ(ClampStep(3, GainToStep(kNaN), false), 0);
}

TEST(QToStep, TakesTheFirstStepNotBelow) {
  struct Case {
    double q;
    int step;
  };
  const Case cases[] = {
      {0.40, 0}, {0.41, 1},  {0.42, 1},  {0, 0},        {1.5, 23},
      {2.0, 28}, {2.05, 29}, {128, 100}, {128.01, 101}, {200, 101},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(QToStep(c.q), c.step) << "Q " << c.q;
  }
  EXPECT_EQ(ClampStep(4, QToStep(200), false), 100);
  EXPECT_EQ(ClampStep(4, QToStep(200), true), 28);
}

TEST(StepValues, ReadTablesAndLinearScales) {
  EXPECT_EQ(StepFrequency(0), 19.7);
  EXPECT_EQ(StepFrequency(204), 1000.0);
  EXPECT_EQ(StepFrequency(361), 20600.0);
  EXPECT_EQ(StepFrequency(362), 20600.0);
  EXPECT_EQ(StepFrequency(-1), 19.7);
  EXPECT_EQ(StepGain(0), -24.0);
  EXPECT_EQ(StepGain(120), 0.0);
  EXPECT_EQ(StepGain(180), 12.0);
  EXPECT_EQ(StepGain(121), 0.2);
  EXPECT_EQ(StepGain(1), -23.8);
  EXPECT_EQ(StepQ(0), 0.40);
  EXPECT_EQ(StepQ(23), 1.5);
  EXPECT_EQ(StepQ(100), 128.0);
  EXPECT_EQ(StepQ(101), 128.0);

  EXPECT_FALSE(HighPassFrequency(0).has_value());
  EXPECT_EQ(HighPassFrequency(1), 19.7);
  EXPECT_EQ(HighPassFrequency(143), 303.0);
  EXPECT_EQ(HighPassFrequency(241), 2000.0);
  EXPECT_FALSE(LowPassFrequency(194).has_value());
  EXPECT_EQ(LowPassFrequency(0), 500.0);
  EXPECT_EQ(LowPassFrequency(193), 20600.0);
  EXPECT_EQ(LowPassFrequency(INT_MAX), 20600.0);
}

TEST(FormatFloat, RoundsHalvesAwayFromZero) {
  struct Case {
    double value;
    int decimals;
    const char* text;
  };
  const Case cases[] = {
      {0.5, 0, "1"},
      {1.5, 0, "2"},
      {2.5, 0, "3"},
      {-0.5, 0, "-1"},
      {-2.5, 0, "-3"},
      {62.5, 0, "63"},
      {0.4999, 0, "0"},
      {0.05, 1, "0.1"},
      {-0.05, 1, "-0.1"},
      {0.15, 1, "0.2"},
      {-0.15, 1, "-0.2"},
      {0.25, 1, "0.3"},
      {1.005, 2, "1.01"},
      {-1.005, 2, "-1.01"},
      {2.675, 2, "2.68"},
      {0.125, 2, "0.13"},
      {-0.125, 2, "-0.13"},
      {0.001, 2, "0.00"},
      {0, 2, "0.00"},
      {0, 0, "0"},
      {-0.04, 1, "0.0"},
      {-0.0, 1, "0.0"},
      {-24, 1, "-24.0"},
      {12, 1, "12.0"},
      {0.2, 0, "0"},
      {1234.5, 0, "1235"},
      {-0.2, 1, "-0.2"},
      {50, 1, "50.0"},
      {1e20, 0, "100000000000000000000"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatFloat(c.value, c.decimals), c.text) << c.value << " / " << c.decimals;
  }
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour) {
  struct Case {
    double value;
    double expected;
  };
  const Case cases[] = {
      {0.5, 0},  {1.5, 2},    {2.5, 2},   {7.5, 8},
      {-0.5, 0}, {-1.5, -2},  {-2.5, -2}, {2.49, 2},
      {2.51, 3}, {-2.51, -3}, {3, 3},     {4503599627370497.0, 4503599627370497.0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RoundHalfEven(c.value), c.expected) << c.value;
  }
  EXPECT_EQ(RoundHalfEvenInt(135.25), 135);
  EXPECT_EQ(RoundHalfEvenInt(-3.5), -4);
  EXPECT_EQ(RoundHalfEvenInt(1e300), INT_MAX);
  EXPECT_EQ(RoundHalfEvenInt(-kInf), INT_MIN);
  EXPECT_EQ(RoundHalfEvenInt(kNaN), 0);
}

TEST(ParseTypedNumber, KeepsDigitsPointAndMinusThenReadsADecimal) {
  struct Case {
    const char* text;
    std::optional<double> value;
  };
  const Case cases[] = {
      {"-6.4dB", -6.4},
      {"-24.0dB", -24.0},
      {"3.05", 3.05},
      {" 12 ", 12},
      {"1a", 1},
      {".5", 0.5},
      {"5.", 5},
      {"-.5", -0.5},
      {"20 000 Hz", 20000},
      {"1e5", 15},
      {"Q:0.71", 0.71},
      {"1.2.3", std::nullopt},
      {"5-", std::nullopt},
      {"1-2", std::nullopt},
      {"--5", std::nullopt},
      {".-5", std::nullopt},
      {"", std::nullopt},
      {"dB", std::nullopt},
      {"-", std::nullopt},
      {".", std::nullopt},
      {"-.", std::nullopt},
      {"频率", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseTypedNumber(c.text), c.value) << '"' << c.text << '"';
  }
  EXPECT_EQ(ReduceNumberText("a-b.c1dB"), "-.1");

  // Numbers beyond the double range are still numbers; the clamps take over from there.
  EXPECT_EQ(ParseTypedNumber("1" + std::string(400, '0')), kInf);
  EXPECT_EQ(ParseTypedNumber("-1" + std::string(400, '0')), -kInf);
  EXPECT_EQ(ParseTypedNumber("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(TypedEqValues, BecomeClampedStepsAndNormalisedTexts) {
  // A typed gain of 3.05 dB is step 135 and reads back as "3.0".
  const double gain = GainToStep(*ParseTypedNumber("3.05"));
  EXPECT_EQ(gain, 135);
  EXPECT_EQ(StepText(3, ClampStep(3, gain)), "3.0");
  EXPECT_EQ(StepText(3, ClampStep(3, GainToStep(*ParseTypedNumber("+20dB")))), "12.0");
  EXPECT_EQ(StepText(2, ClampStep(2, FrequencyToStep(*ParseTypedNumber("30000Hz")))), "20600.0");
  EXPECT_EQ(StepText(4, ClampStep(4, QToStep(*ParseTypedNumber("200")), true)), "2.00");
}

} // namespace
} // namespace fenwave
