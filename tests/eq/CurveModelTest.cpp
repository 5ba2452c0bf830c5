#include "eq/CurveModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>

#include "model/ParameterModel.h"

namespace fenwave {
namespace {

constexpr SurfaceSize kSurface{950, 208};
constexpr LabelSize kLabel{80, 39};
constexpr EqPassStates kNoPass{};

// Every band peaking at 0 dB (frequency steps 5, 25, 45, ...) and every filter that can be off
// switched off; the subwoofer low-pass, which has no off state, at "USER 12dB" 303 Hz.
ParameterModel FlatModel() {
  ParameterModel model;
  constexpr int kBands[] = {10, 15, 15, 3, 0, 5, 3, 5, 5};
  constexpr int kFirst[] = {4, 4, 4, 13, 0, 30, 28, 28, 28};
  for (int m = 0; m < 9; ++m) {
    for (int k = 0; k < kBands[m]; ++k) {
      const int d = m * 256 + kFirst[m] + 5 * k;
      model.SetValue(d, 0);
      model.SetValue(d + 1, 5 + 20 * k);
      model.SetValue(d + 2, 120);
      model.SetValue(d + 3, 30);
      model.SetValue(d + 4, 10);
    }
  }
  model.SetValue(0x0100, 0);   // microphone high-pass off
  model.SetValue(0x0304, 0);   // echo high-pass off
  model.SetValue(0x0305, 194); // echo low-pass off
  model.SetValue(0x0510, 0);
  model.SetValue(0x0710, 0);
  model.SetValue(0x0810, 0);
  model.SetValue(0x060A, 0);
  model.SetValue(0x060E, 3);
  model.SetValue(0x0610, 143);
  return model;
}

CurveRequest Request(int sel, int module) {
  return {sel, module, kSurface, kLabel};
}

TEST(DrawCurve, FlatPagesDrawTheZeroDecibelLine) {
  const ParameterModel model = FlatModel();
  for (int module : {0, 1, 2, 3, 5, 7, 8}) {
    SCOPED_TRACE(module);
    CurveModel curves;
    const DrawnCurve d = curves.DrawCurve(Request(kAllRecords, module), model, kNoPass);
    ASSERT_TRUE(d.drawn);
    for (std::size_t p = 0; p < 513; ++p)
      ASSERT_EQ(d.points[p].y, 69) << "point " << p;
    // x = i × 950 / 512 to the nearest pixel, halves to even.
    EXPECT_EQ(d.points[0].x, 0);
    EXPECT_EQ(d.points[1].x, 2);
    EXPECT_EQ(d.points[128].x, 238); // 237.5
    EXPECT_EQ(d.points[384].x, 712); // 712.5
    EXPECT_EQ(d.points[512].x, 950);
  }
}

TEST(DrawCurve, MusicPageShowsItsTenBandMarkersOnly) {
  ParameterModel model = FlatModel();
  model.SetValue(0x0005, 204); // band 1 at 1000 Hz
  CurveModel curves;
  const DrawnCurve d = curves.DrawCurve(Request(kAllRecords, 0), model, kNoPass);
  for (std::size_t i = 0; i < 10; ++i) {
    EXPECT_EQ(d.markers[i].visible, true) << "EP" << i + 1;
    EXPECT_TRUE(d.markers[i].position.has_value()) << "EP" << i + 1;
  }
  for (std::size_t i = 10; i < 17; ++i) {
    EXPECT_EQ(d.markers[i].visible, false) << i;
    EXPECT_FALSE(d.markers[i].position.has_value()) << i;
  }
  // Centred on 1000 Hz (x 562.1) and 0 dB (y 69).
  EXPECT_EQ(d.markers[0].position, (MarkerPosition{555, 62}));
  EXPECT_FALSE(d.label.has_value());
  EXPECT_FALSE(d.eqPassVisible);
}

TEST(DrawCurve, OneRecordMovesOnlyItsOwnMarker) {
  const ParameterModel model = FlatModel();
  CurveModel curves;
  (void)curves.DrawCurve(Request(kAllRecords, 5), model, kNoPass);
  const DrawnCurve d = curves.DrawCurve(Request(2, 5), model, kNoPass);
  for (std::size_t i : {0u, 1u, 3u, 4u}) {
    EXPECT_FALSE(d.markers[i].visible.has_value()) << i;
    EXPECT_FALSE(d.markers[i].position.has_value()) << i;
  }
  EXPECT_TRUE(d.markers[2].position.has_value());
  for (std::size_t i = 5; i < 15; ++i)
    EXPECT_EQ(d.markers[i].visible, false) << i;
  // The high-pass marker is shown but stays where the full drawing put it.
  EXPECT_EQ(d.markers[15].visible, true);
  EXPECT_FALSE(d.markers[15].position.has_value());
  EXPECT_EQ(d.markers[16].visible, false);
}

TEST(DrawCurve, FiltersThatAreOffShowOffJustAboveTheirMarkersLowerEdge) {
  const ParameterModel model = FlatModel();
  CurveModel curves;
  (void)curves.DrawCurve(Request(kAllRecords, 3), model, kNoPass);

  const DrawnCurve high = curves.DrawCurve(Request(3, 3), model, kNoPass);
  EXPECT_EQ(high.markers[15].position, (MarkerPosition{66, 57})); // 19 Hz, 0 dB
  EXPECT_EQ(high.markers[3].visible, false);                      // EP4 is no echo band
  ASSERT_TRUE(high.label.has_value());
  EXPECT_EQ(high.label->text, "OFF");
  EXPECT_EQ(high.label->top, 57 + 24 - 5);
  EXPECT_EQ(high.label->left, 66 + 12 - 40);

  const DrawnCurve low = curves.DrawCurve(Request(4, 3), model, kNoPass);
  EXPECT_EQ(low.markers[16].position, (MarkerPosition{919, 57})); // 20600 Hz
  ASSERT_TRUE(low.label.has_value());
  EXPECT_EQ(low.label->text, "OFF");
  EXPECT_EQ(low.label->top, 76);
  EXPECT_EQ(low.label->left, 891);
}

TEST(DrawCurve, FilterThatIsOnShowsItsFrequency) {
  ParameterModel model = FlatModel();
  model.SetValue(0x0100, 10); // "23.4Hz"
  CurveModel curves;
  const DrawnCurve d = curves.DrawCurve(Request(15, 1), model, kNoPass);
  ASSERT_TRUE(d.label.has_value());
  EXPECT_EQ(d.label->text, "23.40Hz");
}

TEST(DrawCurve, BandLabelSitsBelowAPositiveBandAndAboveANegativeOne) {
  struct Case {
    int gainStep;
    int qStep;
    const char* text;
    int markerTop;
    int labelTop;
  };
  const Case cases[] = {
      {90, 30, "-6.0dB\rQ:2.20\r1000.00Hz", 96, 96 - 39 - 1}, // 103.5 − 7 = 96.5 → 96
      {120, 30, "0.0dB\rQ:2.20\r1000.00Hz", 62, 62 + 14},
      {180, 16, "12.0dB\rQ:1.00\r1000.00Hz", -7, -7 + 14},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ParameterModel model = FlatModel();
    model.SetValue(0x0005, 204);
    model.SetValue(0x0006, c.gainStep);
    model.SetValue(0x0007, c.qStep);
    CurveModel curves;
    const DrawnCurve d = curves.DrawCurve(Request(0, 0), model, kNoPass);
    EXPECT_EQ(d.markers[0].position, (MarkerPosition{555, c.markerTop}));
    ASSERT_TRUE(d.label.has_value());
    EXPECT_EQ(d.label->text, c.text);
    EXPECT_EQ(d.label->left, 555 + 7 - 40);
    EXPECT_EQ(d.label->top, c.labelTop);
  }
}

TEST(DrawCurve, RecordOutsideThePageLeavesTheLabelAlone) {
  CurveModel curves;
  const DrawnCurve d = curves.DrawCurve(Request(12, 3), FlatModel(), kNoPass);
  EXPECT_TRUE(d.drawn);
  EXPECT_FALSE(d.label.has_value());
}

TEST(DrawCurve, SingleRecordDrawingKeepsTheOtherRecordsCurves) {
  ParameterModel model = FlatModel();
  model.SetValue(0x0006, 150); // band 1 +6 dB
  model.SetValue(0x000B, 150); // band 2 +6 dB
  CurveModel curves;
  (void)curves.DrawCurve(Request(kAllRecords, 0), model, kNoPass);
  const ResponseCurve second = curves.RecordCurve(1);

  model.SetValue(0x0006, 90); // both to −6 dB, but only band 1 is drawn
  model.SetValue(0x000B, 90);
  (void)curves.DrawCurve(Request(0, 0), model, kNoPass);
  EXPECT_EQ(curves.RecordCurve(1), second);
  const auto peak = [](const ResponseCurve& c) {
    float lowest = 0;
    for (float v : c)
      lowest = std::min(lowest, v);
    return lowest;
  };
  EXPECT_NEAR(peak(curves.RecordCurve(0)), -6.0f, 0.01f);
  for (std::size_t p = 0; p < 513; ++p) {
    ASSERT_FLOAT_EQ(curves.Total()[p], curves.RecordCurve(0)[p] + second[p]) << p;
  }
}

TEST(DrawCurve, MainSlope24DoublesTheAttenuationBelowTheCorner) {
  ParameterModel model = FlatModel();
  model.SetValue(0x0510, 50); // 50.6 Hz
  CurveModel curves;

  model.SetValue(0x0512, 1);
  (void)curves.DrawCurve(Request(kAllRecords, 5), model, kNoPass);
  EXPECT_TRUE(curves.Records().highPass24);
  const ResponseCurve steep = curves.Total();

  // Drawn after the 24 dB slope: the second section is kept but no longer added.
  model.SetValue(0x0512, 0);
  (void)curves.DrawCurve(Request(kAllRecords, 5), model, kNoPass);
  EXPECT_FALSE(curves.Records().highPass24);
  const ResponseCurve gentle = curves.Total();

  for (std::size_t p : {20u, 40u, 60u}) { // about 16, 22 and 28 Hz
    SCOPED_TRACE(p);
    EXPECT_LT(gentle[p], -3.0f);
    EXPECT_GT(steep[p] / gentle[p], 1.6f);
    EXPECT_LT(steep[p] / gentle[p], 2.4f);
  }
  EXPECT_NEAR(steep[300], 0.0f, 0.05f); // both flat far above the corner
  EXPECT_NEAR(gentle[300], 0.0f, 0.05f);
}

TEST(DrawCurve, SubwooferSecondSectionComesFromThe24dBHighPassOnly) {
  ParameterModel model = FlatModel();
  model.SetValue(0x0608, 0);  // high-pass "Besell 24dB"
  model.SetValue(0x060A, 50); // 50.6 Hz
  model.SetValue(0x060E, 3);  // low-pass "USER 12dB"
  model.SetValue(0x0610, 143);
  model.SetValue(0x0612, 16);
  CurveModel curves;
  (void)curves.DrawCurve(Request(kAllRecords, 6), model, kNoPass);
  ASSERT_TRUE(curves.Records().highPass24);
  ASSERT_FALSE(curves.Records().lowPass24);

  ResponseCurve expected{};
  BandResponse({104, 51, 0, 0.8}, expected); // 50.6 Hz taken to the whole hertz
  EXPECT_EQ(curves.HighPassSecond(), expected);
  EXPECT_EQ(curves.LowPassSecond(), ResponseCurve{});
  for (std::size_t p = 0; p < 513; ++p) {
    float sum = 0;
    for (int i = 0; i < 5; ++i)
      sum += curves.RecordCurve(i)[p];
    ASSERT_NEAR(curves.Total()[p], sum + expected[p], 1e-4f) << p;
  }
}

TEST(DrawCurve, Subwoofer24dBLowPassGetsItsSecondSection) {
  ParameterModel model = FlatModel();
  model.SetValue(0x060E, 1); // "Butterworth 24dB"
  model.SetValue(0x0610, 143);
  CurveModel curves;
  (void)curves.DrawCurve(Request(kAllRecords, 6), model, kNoPass);
  ASSERT_TRUE(curves.Records().lowPass24);
  ResponseCurve expected{};
  BandResponse({204, 309, 0, 0.8}, expected);
  EXPECT_EQ(curves.LowPassSecond(), expected);
  EXPECT_EQ(curves.HighPassSecond(), ResponseCurve{});
}

TEST(DrawCurve, ModulesWithoutAGraphDrawNothingAndKeepTheRecords) {
  const ParameterModel model = FlatModel();
  CurveModel curves;
  (void)curves.DrawCurve(Request(kAllRecords, 1), model, kNoPass);
  for (int module : {9, 10, -1}) {
    const DrawnCurve d = curves.DrawCurve(Request(kAllRecords, module), model, kNoPass);
    EXPECT_FALSE(d.drawn) << module;
    EXPECT_EQ(curves.Records().bandCount, 15) << module;
  }
}

TEST(DrawCurve, EqPassOverlayFollowsTheModulesPassState) {
  EqPassStates pass{};
  pass[3] = 1;
  CurveModel curves;
  EXPECT_TRUE(curves.DrawCurve(Request(kAllRecords, 3), FlatModel(), pass).eqPassVisible);
  EXPECT_FALSE(curves.DrawCurve(Request(kAllRecords, 0), FlatModel(), pass).eqPassVisible);
}

TEST(CurveColours, OrangeOnlyForMicrophoneGroupBOnTheMicrophonePage) {
  const CurveColours orange{{255, 255, 102, 0}, {255, 102, 0}};
  const CurveColours cyan{{255, 0, 204, 255}, {199, 255, 255}};
  EXPECT_EQ(CurveColoursFor(1, true), orange);
  EXPECT_EQ(CurveColoursFor(1, false), cyan);
  EXPECT_EQ(CurveColoursFor(0, true), cyan);
  EXPECT_EQ(CurveColoursFor(2, true), cyan);
}

} // namespace
} // namespace fenwave
