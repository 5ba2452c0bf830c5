#include "eq/MarkerDrag.h"

#include <gtest/gtest.h>

#include <optional>

#include "model/ParameterModel.h"

namespace fenwave {
namespace {

constexpr SurfaceRect kSurface{0, 0, 950, 208};
constexpr MousePoint kBandGrab{7, 7};
constexpr MousePoint kFilterGrab{12, 12};

// Moves the pressed marker by (dx, dy) from `from`.
std::optional<MarkerMove> MoveBy(MarkerDrag& drag, MousePoint grab, MarkerPosition from, int dx,
                                 int dy, int page) {
  return drag.Move({{grab.x + dx, grab.y + dy}, from, kSurface, page});
}

PageRecords Page(int module) {
  ParameterModel model;
  model.SetValue(0x0305, 194);
  return LoadPageRecords(model, module);
}

TEST(MarkerPress, BandMarkersSelectTheirBandAndFilterMarkersDrawTheirRecord) {
  struct Case {
    int marker;
    int module;
    bool startup;
    PressAction action;
  };
  const Case cases[] = {
      {0, 0, true, {PressKind::kSelectBand, 0}},
      {14, 1, true, {PressKind::kSelectBand, 14}},
      {15, 1, true, {PressKind::kShowFilter, 15}},
      {15, 3, true, {PressKind::kShowFilter, 3}},
      {16, 3, true, {PressKind::kShowFilter, 4}},
      {15, 6, true, {PressKind::kShowFilter, 3}},
      {16, 6, true, {PressKind::kShowFilter, 4}},
      {15, 5, true, {PressKind::kShowFilter, 5}},
      {15, 7, true, {PressKind::kShowFilter, 5}},
      {15, 8, true, {PressKind::kShowFilter, 5}},
      {15, 0, true, {}}, // no filter on the music page
      {-1, 0, true, {}}, // not a marker
      {17, 0, true, {}},
      {3, 0, false, {}}, // before start-up has completed
      {15, 1, false, {}},
  };
  for (const Case& c : cases) {
    MarkerDrag drag;
    EXPECT_EQ(drag.Press(c.marker, {5, 5}, c.startup, c.module), c.action)
        << c.marker << " on module " << c.module;
  }
}

TEST(MarkerMove, NothingMovesWithoutAMarkerPressAfterStartUp) {
  MarkerDrag drag;
  EXPECT_FALSE(MoveBy(drag, kBandGrab, {555, 62}, 10, 10, 0).has_value()); // no press yet
  (void)drag.Press(-1, kBandGrab, true, 0);
  EXPECT_FALSE(MoveBy(drag, kBandGrab, {555, 62}, 10, 10, 0).has_value());
  (void)drag.Press(0, kBandGrab, false, 0);
  EXPECT_FALSE(MoveBy(drag, kBandGrab, {555, 62}, 10, 10, 0).has_value());
  (void)drag.Press(0, kBandGrab, true, 0);
  drag.Release();
  EXPECT_FALSE(MoveBy(drag, kBandGrab, {555, 62}, 10, 10, 0).has_value());
}

struct MoveCase {
  const char* what;
  int page;
  int marker;
  MarkerPosition from;
  int dx;
  int dy;
  MarkerPosition to;
  int frequencyStep;
  int gainStep;
};

TEST(MarkerMove, PositionsAndTargets) {
  const MoveCase cases[] = {
      // The centre stops on the graph's top row and at 19 Hz: "19.7" (step 0) and +12 dB.
      {"band to the top-left corner", 0, 0, {555, 62}, -2000, -2000, {71, -7}, 0, 180},
      {"band below the graph", 0, 0, {555, 62}, 0, 1000, {555, 201}, 204, 0},
      {"band right of the graph", 0, 9, {555, 62}, 2000, 0, {2555, 62}, 361, 120},
      {"free band on the effect page", 2, 2, {555, 62}, 0, 35, {555, 97}, 204, 90},
      {"free band on the main page", 3, 4, {555, 62}, 0, 35, {555, 97}, 204, 90},
      // The microphone and output filters end at 309 Hz, the last high-pass step.
      {"microphone HPF to the right", 1, 15, {66, 57}, 600, 0, {407, 57}, 143, 120},
      {"main HPF to the right", 3, 15, {66, 57}, 600, 0, {407, 57}, 143, 120},
      {"subwoofer LPF to the right", 5, 16, {186, 57}, 600, 0, {407, 57}, 143, 120},
      {"microphone HPF below 309 Hz", 1, 15, {66, 57}, 120, 0, {186, 57}, 49, 120},
      {"echo HPF dropped at 1000 Hz", 2, 15, {66, 57}, 484, 0, {550, 57}, 204, 120},
      {"echo HPF beyond 2000 Hz", 2, 15, {66, 57}, 700, 0, {635, 57}, 240, 120},
      {"echo LPF to the far right", 2, 16, {919, 57}, 500, 0, {938, 57}, 361, 120},
      {"echo LPF near the right edge", 2, 16, {919, 57}, 11, 0, {926, 57}, 361, 120},
      {"echo LPF at 20200 Hz", 2, 16, {919, 57}, -3, 0, {916, 57}, 360, 120},
      {"echo LPF left of 500 Hz", 2, 16, {919, 57}, -700, 0, {465, 57}, 168, 120},
      {"filter left of 19 Hz", 1, 15, {186, 57}, -500, 0, {66, 57}, 0, 120},
  };
  for (const MoveCase& c : cases) {
    SCOPED_TRACE(c.what);
    MarkerDrag drag;
    const MousePoint grab = c.marker >= 15 ? kFilterGrab : kBandGrab;
    (void)drag.Press(c.marker, grab, true, 0);
    const std::optional<MarkerMove> move = MoveBy(drag, grab, c.from, c.dx, c.dy, c.page);
    ASSERT_TRUE(move.has_value());
    EXPECT_EQ(move->position, c.to);
    EXPECT_EQ(move->frequencyStep, c.frequencyStep);
    EXPECT_EQ(move->gainStep, c.gainStep);
    EXPECT_EQ(drag.DragRecord(), c.marker);
  }
}

TEST(MarkerMove, FilterMarkersNeverMoveVertically) {
  const struct {
    int page;
    int marker;
  } cases[] = {{1, 15}, {2, 15}, {2, 16}, {3, 15}, {4, 15}, {5, 15}, {5, 16}, {6, 15}};
  for (const auto& c : cases) {
    MarkerDrag drag;
    (void)drag.Press(c.marker, kFilterGrab, true, 0);
    for (int dy : {-80, 40, 300}) {
      const std::optional<MarkerMove> move = MoveBy(drag, kFilterGrab, {400, 57}, -2, dy, c.page);
      ASSERT_TRUE(move.has_value());
      EXPECT_EQ(move->position.top, 57) << "page " << c.page << " marker " << c.marker;
      EXPECT_EQ(move->gainStep, 120);
    }
  }
}

TEST(MarkerMove, SurfaceOffsetShiftsEveryLimit) {
  MarkerDrag drag;
  (void)drag.Press(0, kBandGrab, true, 0);
  const std::optional<MarkerMove> move =
      drag.Move({{-2000, -2000}, {565, 72}, {10, 10, 950, 208}, 0});
  ASSERT_TRUE(move.has_value());
  EXPECT_EQ(move->position, (MarkerPosition{81, 3}));
  EXPECT_EQ(move->frequencyStep, 0);
  EXPECT_EQ(move->gainStep, 180);
}

TEST(DragTick, PressWithoutMoveAppliesNothing) {
  const PageRecords page = Page(0);
  MarkerDrag drag;
  (void)drag.Press(2, kBandGrab, true, 0);
  drag.Release();
  EXPECT_EQ(drag.ApplyTargets(page).count, 0u);
}

TEST(DragTick, SeveralMovesBetweenTicksGiveOneApplication) {
  const PageRecords page = Page(0);
  MarkerDrag drag;
  (void)drag.Press(2, kBandGrab, true, 0);
  (void)MoveBy(drag, kBandGrab, {555, 62}, -100, 10, 0);
  (void)MoveBy(drag, kBandGrab, {555, 62}, 30, 20, 0);
  (void)MoveBy(drag, kBandGrab, {555, 62}, 0, 35, 0); // 1000 Hz, −6 dB
  drag.Release(); // released before the tick: the last position still counts

  const TickPlan plan = drag.ApplyTargets(page);
  ASSERT_EQ(plan.count, 2u);
  EXPECT_EQ(plan.calls[0].control.name, "MusFreEdit3");
  EXPECT_EQ(plan.calls[0].value, 204);
  EXPECT_FALSE(plan.calls[0].send); // shown and stored; the gain's band frame carries it
  EXPECT_EQ(plan.calls[1].control.name, "MusGainEdit3");
  EXPECT_EQ(plan.calls[1].value, 90);
  EXPECT_TRUE(plan.calls[1].send);
  EXPECT_EQ(drag.AppliedFrequencyStep(), 204);
  EXPECT_EQ(drag.AppliedGainStep(), 90);

  EXPECT_EQ(drag.ApplyTargets(page).count, 0u);
}

TEST(DragTick, AJumpBackToAnEarlierDragsStepIsStillApplied) {
  ParameterModel model;
  model.SetValue(0x0005, 100);  // music band 1 at FrequencyTable step 100 ("135.0")
  model.SetValue(0x0006, 120);
  const PageRecords page = LoadPageRecords(model, 0);
  MarkerDrag drag;  // a fresh drag state counts step 0 as applied
  (void)drag.Press(0, kBandGrab, true, 0);
  drag.StartFrom(page, model);
  (void)MoveBy(drag, kBandGrab, {150, 62}, -2000, 0, 0);  // straight to the left edge
  const TickPlan plan = drag.ApplyTargets(page);
  ASSERT_EQ(plan.count, 1u);
  EXPECT_EQ(plan.calls[0].control.name, "MusFreEdit1");
  EXPECT_EQ(plan.calls[0].value, 0);
  EXPECT_TRUE(plan.calls[0].send);
}

TEST(DragTick, APressAfterAnEarlierDragStartsFromTheStoredValues) {
  ParameterModel model;
  model.SetValue(0x0305, 20);  // echo low-pass at LowPassScale step 20
  const PageRecords page = LoadPageRecords(model, 3);
  MarkerDrag drag;
  (void)drag.Press(16, kFilterGrab, true, 3);
  drag.StartFrom(page, model);
  EXPECT_EQ(drag.AppliedFrequencyStep(), 188);
  drag.Release();
  EXPECT_EQ(drag.ApplyTargets(page).count, 0u);
}

TEST(DragTick, OneChangedStepIsSentAlone) {
  const PageRecords page = Page(0);
  MarkerDrag drag;
  (void)drag.Press(0, kBandGrab, true, 0);
  (void)MoveBy(drag, kBandGrab, {555, 62}, 0, 35, 0);
  (void)drag.ApplyTargets(page);

  (void)MoveBy(drag, kBandGrab, {555, 97}, 0, -35, 0); // gain only
  TickPlan plan = drag.ApplyTargets(page);
  ASSERT_EQ(plan.count, 1u);
  EXPECT_EQ(plan.calls[0].control.name, "MusGainEdit1");
  EXPECT_EQ(plan.calls[0].value, 120);
  EXPECT_TRUE(plan.calls[0].send);

  (void)MoveBy(drag, kBandGrab, {555, 62}, -5, 0, 0); // frequency only
  plan = drag.ApplyTargets(page);
  ASSERT_EQ(plan.count, 1u);
  EXPECT_EQ(plan.calls[0].control.name, "MusFreEdit1");
  EXPECT_EQ(plan.calls[0].value, 202);
  EXPECT_TRUE(plan.calls[0].send);
}

TEST(DragTick, FilterFrequenciesReachTheirPanes) {
  struct Case {
    const char* what;
    int module;
    int page;
    int marker;
    MarkerPosition from;
    int dx;
    const char* pane;
    int value;
  };
  const Case cases[] = {
      {"microphone high-pass", 1, 1, 15, {66, 57}, 600, "MicHPFrePane", 143},
      {"echo high-pass at 1000 Hz", 3, 2, 15, {66, 57}, 484, "EchoHPFrePane", 204},
      {"echo low-pass off", 3, 2, 16, {919, 57}, 500, "EchoLPFrePane", 194},
      {"echo low-pass at 20200 Hz", 3, 2, 16, {919, 57}, -3, "EchoLPFrePane", 192},
      {"echo low-pass at 500 Hz", 3, 2, 16, {919, 57}, -700, "EchoLPFrePane", 0},
      {"main high-pass", 5, 3, 15, {66, 57}, 120, "MainMusHPFrePane", 49},
      {"subwoofer low-pass", 6, 5, 16, {66, 57}, 120, "SubMusLPFrePane", 49},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MarkerDrag drag;
    (void)drag.Press(c.marker, kFilterGrab, true, c.module);
    (void)MoveBy(drag, kFilterGrab, c.from, c.dx, 0, c.page);
    const TickPlan plan = drag.ApplyTargets(Page(c.module));
    ASSERT_EQ(plan.count, 1u);
    EXPECT_EQ(plan.calls[0].control.name, c.pane);
    EXPECT_EQ(plan.calls[0].value, c.value);
    EXPECT_TRUE(plan.calls[0].send);
  }
}

TEST(DragTick, FilterAfterABandDragStillSendsItsFrequency) {
  // The band drag leaves the applied gain at −6 dB; the filter's target gain is 0 dB, but the
  // filter has no gain control, so its frequency must go out on its own.
  MarkerDrag drag;
  (void)drag.Press(0, kBandGrab, true, 5);
  (void)MoveBy(drag, kBandGrab, {555, 62}, 0, 35, 3);
  (void)drag.ApplyTargets(Page(5));

  (void)drag.Press(15, kFilterGrab, true, 5);
  (void)MoveBy(drag, kFilterGrab, {66, 57}, 120, 0, 3);
  const TickPlan plan = drag.ApplyTargets(Page(5));
  ASSERT_EQ(plan.count, 1u);
  EXPECT_EQ(plan.calls[0].control.name, "MainMusHPFrePane");
  EXPECT_EQ(plan.calls[0].value, 49);
  EXPECT_TRUE(plan.calls[0].send);
  EXPECT_EQ(drag.AppliedGainStep(), 120);
  EXPECT_EQ(drag.ApplyTargets(Page(5)).count, 0u);
}

TEST(DragTick, RedrawFollowsTheLastRecordedChange) {
  struct Step {
    ParamAddress address;
    int value;
    std::optional<RedrawRequest> redraw;
  };
  const Step steps[] = {
      {0x0000, 0, std::nullopt},                                     // nothing changed since start
      {0x0100, 5, RedrawRequest{15, 1}},  {0x0100, 5, std::nullopt}, // drawn already
      {0x0100, 6, RedrawRequest{15, 1}},  {0x0406, 3, std::nullopt}, // the reverb has no curve
      {0x0406, 3, std::nullopt},          {0x0305, 100, RedrawRequest{4, 3}},
      {0x0610, 20, RedrawRequest{4, 6}},  {0x0531, 7, RedrawRequest{3, 5}},
      {0x0005, 204, RedrawRequest{0, 0}},
  };
  MarkerDrag drag;
  for (const Step& s : steps) {
    EXPECT_EQ(drag.RedrawAfterChange(s.address, s.value), s.redraw)
        << std::hex << s.address << " = " << std::dec << s.value;
  }
}

TEST(EchoLowPassStep, ConvertsFrequencyStepsToTheLowPassScale) {
  const struct {
    int frequencyStep;
    int lowPassStep;
  } cases[] = {{361, 194}, {360, 192}, {169, 1}, {168, 0}, {100, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(EchoLowPassStep(c.frequencyStep), c.lowPassStep) << c.frequencyStep;
}

} // namespace
} // namespace fenwave
