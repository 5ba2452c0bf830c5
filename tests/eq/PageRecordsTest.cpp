#include "eq/PageRecords.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>
#include <utility>

#include "model/ParameterModel.h"

namespace fenwave {
namespace {

using Slots = std::initializer_list<std::pair<int, int>>;

ParameterModel ModelWith(int module, Slots slots) {
  ParameterModel model;
  for (const auto& [slot, value] : slots)
    model.SetValue(module * 256 + slot, value);
  return model;
}

TEST(LoadPageRecords, MusicPageHasTenBandsAndNoFilter) {
  // Band 3 (k = 2) starts at slot 14, band 4 at slot 19.
  const ParameterModel model = ModelWith(0, {{14, 0},
                                             {15, 204},
                                             {16, 150},
                                             {17, 16},
                                             {18, 5},
                                             {19, 1},
                                             {20, 0},
                                             {21, 0},
                                             {22, 40},
                                             {23, 10}});
  const PageRecords page = LoadPageRecords(model, 0);
  EXPECT_EQ(page.bandCount, 10);
  EXPECT_EQ(page.filterCount, 0);
  EXPECT_EQ(page.CountCode(), 9);
  EXPECT_EQ(page.LastRecord(), 9);
  EXPECT_FALSE(page.highPass24);
  EXPECT_FALSE(page.lowPass24);

  const PageRecord& peaking = page.records[2];
  EXPECT_EQ(peaking.band.type, 0);
  EXPECT_DOUBLE_EQ(peaking.band.frequency, 1000.0);
  EXPECT_DOUBLE_EQ(peaking.band.gain, 6.0);
  EXPECT_DOUBLE_EQ(peaking.band.q, 1.00); // the peaking Q field
  EXPECT_EQ(peaking.frequency, (RecordControl{"MusFreEdit3", WidgetKind::kEditBox, 0x000F}));
  EXPECT_EQ(peaking.gain, (RecordControl{"MusGainEdit3", WidgetKind::kEditBox, 0x0010}));
  EXPECT_EQ(peaking.q, (RecordControl{"MusQEdit3", WidgetKind::kEditBox, 0x0011}));

  const PageRecord& shelf = page.records[3];
  EXPECT_EQ(shelf.band.type, 1);
  EXPECT_DOUBLE_EQ(shelf.band.frequency, 19.7);
  EXPECT_DOUBLE_EQ(shelf.band.gain, -24.0);
  EXPECT_DOUBLE_EQ(shelf.band.q, 0.71); // a shelf reads the shelving Q field
}

TEST(LoadPageRecords, BandTypesBeyondTheBandCodesDrawFlatAndNeverBecomeFilters) {
  // Microphone band 1 (slots 4..8) and band 2 (slots 9..13).
  const ParameterModel model =
      ModelWith(1, {{4, 57}, {5, 204}, {7, 40}, {8, 3}, {9, 150}, {10, 100}, {12, 40}, {13, 3}});
  const PageRecords page = LoadPageRecords(model, 1);
  EXPECT_EQ(page.records[0].band.type, 57);
  EXPECT_DOUBLE_EQ(page.records[0].band.q, 0.47);
  EXPECT_EQ(page.records[1].band.type, 3);
  EXPECT_DOUBLE_EQ(page.records[1].band.q, 0.47);
  EXPECT_EQ(page.filterCount, 1);
  EXPECT_FALSE(page.highPass24);
}

struct FilterCase {
  const char* what;
  int module;
  Slots slots;
  int record;
  int type;
  double frequency;
  double q;
  bool highPass24;
  bool lowPass24;
  std::string_view pane;
  int paneSlot;
};

TEST(LoadPageRecords, FilterRecordsFollowEachModulesRules) {
  // clang-format off
  const FilterCase cases[] = {
      // what, module, slots, record, type, Hz, Q (0: not checked), 24 dB flags, pane, pane slot
      {"microphone off", 1, {{0, 0}}, 15, 100, 19.0, 0, false, false, "MicHPFrePane", 0},
      {"microphone lowest", 1, {{0, 1}}, 15, 102, 19.7, 0, false, false, "MicHPFrePane", 0},
      {"microphone highest", 1, {{0, 143}}, 15, 102, 303.0, 0, false, false, "MicHPFrePane", 0},
      {"echo high-pass off", 3, {{4, 0}, {5, 194}}, 3, 100, 19.0, 0, false, false,
       "EchoHPFrePane", 4},
      {"echo low-pass off", 3, {{4, 0}, {5, 194}}, 4, 200, 20600.0, 0, false, false,
       "EchoLPFrePane", 5},
      {"echo high-pass top", 3, {{4, 241}, {5, 0}}, 3, 102, 2000.0, 0, false, false,
       "EchoHPFrePane", 4},
      {"echo low-pass bottom", 3, {{4, 241}, {5, 0}}, 4, 202, 500.0, 0, false, false,
       "EchoLPFrePane", 5},
      {"echo low-pass top", 3, {{5, 193}}, 4, 202, 20600.0, 0, false, false,
       "EchoLPFrePane", 5},
      {"main 12dB", 5, {{16, 50}, {18, 0}}, 5, 102, 50.6, 0, false, false,
       "MainMusHPFrePane", 16},
      {"main 24dB", 5, {{16, 50}, {18, 1}}, 5, 111, 50.6, 0, true, false,
       "MainMusHPFrePane", 16},
      {"main 24dB but off", 5, {{16, 0}, {18, 1}}, 5, 100, 19.0, 0, false, false,
       "MainMusHPFrePane", 16},
      {"center 24dB", 7, {{16, 10}, {18, 1}}, 5, 111, 23.4, 0, true, false,
       "CenterMusHPFrePane", 16},
      // Slot 18 of the surround is no slope switch.
      {"surround", 8, {{16, 10}, {18, 1}}, 5, 102, 23.4, 0, false, false,
       "SurMusHPFrePane", 16},
      // The subwoofer high-pass cases give the low-pass "USER 12dB", which sets no flag.
      {"sub high-pass Besell", 6, {{14, 3}, {8, 0}, {10, 50}, {12, 23}}, 3, 111, 50.6, 1.5,
       true, false, "SubMusHPFrePane", 10},
      {"sub high-pass Butterworth", 6, {{14, 3}, {8, 1}, {10, 50}}, 3, 112, 50.6, 0.4,
       true, false, "SubMusHPFrePane", 10},
      {"sub high-pass Link Riley", 6, {{14, 3}, {8, 2}, {10, 50}}, 3, 113, 50.6, 0.4,
       true, false, "SubMusHPFrePane", 10},
      {"sub high-pass USER 12dB", 6, {{14, 3}, {8, 3}, {10, 50}, {12, 16}}, 3, 104, 50.6, 1.0,
       false, false, "SubMusHPFrePane", 10},
      {"sub high-pass USER 24dB", 6, {{14, 3}, {8, 4}, {10, 50}}, 3, 115, 50.6, 0.4,
       true, false, "SubMusHPFrePane", 10},
      {"sub high-pass off", 6, {{14, 3}, {8, 0}, {10, 0}}, 3, 100, 19.0, 0.4,
       false, false, "SubMusHPFrePane", 10},
      {"sub high-pass unknown type", 6, {{14, 3}, {8, 9}, {10, 50}}, 3, 100, 50.6, 0.4,
       false, false, "SubMusHPFrePane", 10},
      {"sub low-pass Besell", 6, {{14, 0}, {16, 50}, {18, 23}}, 4, 211, 51.6, 1.5,
       false, true, "SubMusLPFrePane", 16},
      {"sub low-pass Link Riley", 6, {{14, 2}, {16, 50}}, 4, 213, 51.6, 0.4,
       false, true, "SubMusLPFrePane", 16},
      {"sub low-pass USER 12dB", 6, {{14, 3}, {16, 50}}, 4, 204, 51.6, 0.4,
       false, false, "SubMusLPFrePane", 16},
      {"sub low-pass USER 24dB", 6, {{14, 4}, {16, 50}}, 4, 215, 51.6, 0.4,
       false, true, "SubMusLPFrePane", 16},
      {"sub low-pass has no off step", 6, {{14, 0}, {16, 0}}, 4, 211, 19.7, 0.4,
       false, true, "SubMusLPFrePane", 16},
      {"sub low-pass unknown type", 6, {{14, 5}, {16, 50}}, 4, 200, 51.6, 0.4,
       false, false, "SubMusLPFrePane", 16},
  };
  // clang-format on
  for (const FilterCase& c : cases) {
    SCOPED_TRACE(c.what);
    const PageRecords page = LoadPageRecords(ModelWith(c.module, c.slots), c.module);
    const PageRecord& r = page.records[static_cast<std::size_t>(c.record)];
    EXPECT_EQ(r.band.type, c.type);
    EXPECT_DOUBLE_EQ(r.band.frequency, c.frequency);
    EXPECT_DOUBLE_EQ(r.band.gain, 0.0);
    if (c.q != 0) {
      EXPECT_DOUBLE_EQ(r.band.q, c.q);
    }
    EXPECT_EQ(page.highPass24, c.highPass24);
    EXPECT_EQ(page.lowPass24, c.lowPass24);
    const RecordControl pane{c.pane, WidgetKind::kValuePane, c.module * 256 + c.paneSlot};
    EXPECT_EQ(r.frequency, pane);
    EXPECT_TRUE(r.gain.empty());
    EXPECT_TRUE(r.q.empty());
    // The HPF and LPF markers look their pane up at 15 and 16.
    const bool lowPass = c.type >= 200;
    EXPECT_EQ(page.records[lowPass ? 16u : 15u].frequency, pane);
  }
}

TEST(LoadPageRecords, CountsPerModule) {
  const ParameterModel model;
  struct Count {
    int module;
    int bands;
    int filters;
    int code;
  };
  const Count counts[] = {
      {0, 10, 0, 9},  {1, 15, 1, 114}, {2, 15, 0, 14}, {3, 3, 2, 202}, {4, 0, 0, -1},
      {5, 5, 1, 104}, {6, 3, 2, 202},  {7, 5, 1, 104}, {8, 5, 1, 104}, {9, 0, 0, -1},
      {10, 0, 0, -1}, {-1, 0, 0, -1},  {11, 0, 0, -1},
  };
  for (const Count& c : counts) {
    SCOPED_TRACE(c.module);
    const PageRecords page = LoadPageRecords(model, c.module);
    EXPECT_EQ(page.bandCount, c.bands);
    EXPECT_EQ(page.filterCount, c.filters);
    EXPECT_EQ(page.CountCode(), c.code);
  }
}

TEST(LoadPageRecords, MicrophoneGroupBReadsItsOwnRowWithoutFilterOrControls) {
  ParameterModel model;
  model.SetValue(0x0100, 50); // group A's high-pass: not part of group B's page
  model.SetValue(0x0205, 204);
  model.SetValue(0x0206, 180);
  const PageRecords page = LoadPageRecords(model, 2);
  EXPECT_EQ(page.filterCount, 0);
  EXPECT_FALSE(page.highPass24);
  EXPECT_DOUBLE_EQ(page.records[0].band.frequency, 1000.0);
  EXPECT_DOUBLE_EQ(page.records[0].band.gain, 12.0);
  EXPECT_TRUE(page.records[0].frequency.empty());
  EXPECT_TRUE(page.records[0].gain.empty());
  EXPECT_TRUE(page.records[15].frequency.empty());
}

} // namespace
} // namespace fenwave
