// The simulated device's out-of-the-box contents: every setting inside the range its control
// can show, both banks and both microphone groups distinct, fifteen usable modes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "sim/DeviceState.h"

namespace fenwave::sim {
namespace {

struct Range {
  int module;
  int slot;
  int max;
};

// The largest value each non-band setting may take (the smallest is always 0).
constexpr Range kRanges[] = {
    {0, 0, 1},   {0, 1, 1},   {0, 3, 1},                                   // music
    {1, 0, 143}, {1, 1, 3},   {1, 3, 1},   {2, 0, 143}, {2, 1, 3}, {2, 3, 1},  // microphones
    {3, 0, 1},   {3, 1, 100}, {3, 2, 1},   {3, 3, 100}, {3, 4, 241}, {3, 5, 194},
    {3, 6, 125}, {3, 7, 250}, {3, 8, 90},  {3, 9, 100}, {3, 10, 50}, {3, 12, 1},  // echo
    {4, 0, 1},   {4, 1, 100}, {4, 2, 1},   {4, 3, 100}, {4, 4, 80},  {4, 5, 100},
    {4, 6, 241}, {4, 7, 194},                                                    // reverb
    {5, 0, 100}, {5, 2, 1},   {5, 4, 100}, {5, 6, 1},   {5, 8, 100}, {5, 10, 1},
    {5, 12, 100}, {5, 14, 1}, {5, 16, 143}, {5, 18, 1}, {5, 20, 15}, {5, 21, 7},
    {5, 22, 34}, {5, 23, 40}, {5, 24, 500}, {5, 25, 500}, {5, 26, 1}, {5, 27, 1},
    {5, 29, 1},                                                                  // main
    {6, 0, 200}, {6, 2, 1},   {6, 4, 200}, {6, 6, 1},   {6, 8, 4},   {6, 10, 143},
    {6, 12, 23}, {6, 14, 4},  {6, 16, 143}, {6, 18, 23}, {6, 20, 15}, {6, 21, 7},
    {6, 22, 34}, {6, 23, 40}, {6, 24, 500}, {6, 25, 1}, {6, 27, 1},              // subwoofer
    {7, 0, 100}, {7, 2, 1},   {7, 4, 100}, {7, 6, 1},   {7, 8, 100}, {7, 10, 1},
    {7, 12, 100}, {7, 14, 1}, {7, 16, 143}, {7, 18, 1}, {7, 20, 15}, {7, 21, 7},
    {7, 22, 34}, {7, 23, 40}, {7, 24, 500}, {7, 25, 1}, {7, 27, 1},              // center
    {8, 0, 100}, {8, 2, 1},   {8, 4, 100}, {8, 6, 1},   {8, 8, 100}, {8, 10, 1},
    {8, 12, 100}, {8, 14, 1}, {8, 16, 143}, {8, 18, 15}, {8, 19, 7}, {8, 20, 34},
    {8, 21, 40}, {8, 22, 500}, {8, 23, 500}, {8, 24, 1}, {8, 25, 1}, {8, 27, 1},  // surround
    {9, 3, 2},   {9, 6, 84},  {9, 7, 84},  {9, 8, 84},  {9, 9, 84},  {9, 10, 84},
    {9, 11, 84}, {9, 12, 1},  {9, 13, 1},  {9, 14, 1},  {9, 32, 84}, {9, 33, 84},
    {9, 34, 84},                                                                 // system
};

constexpr int kBandFieldMax[5] = {2, 361, 180, 100, 28};

int Value(const Store& store, int module, int slot, int bank) {
  return store[static_cast<std::size_t>(module)]
              [static_cast<std::size_t>(DeviceIndex(module, slot, bank))];
}

// Every setting of both banks inside its range.
void ExpectInRange(const Store& store, const std::string& what) {
  for (int bank = 0; bank < 2; ++bank) {
    for (const Range& r : kRanges)
      EXPECT_LE(Value(store, r.module, r.slot, bank), r.max)
          << what << ": module " << r.module << " slot " << r.slot << " bank " << bank;
    for (int m = 0; m < 9; ++m) {
      for (int band = 0; band < EqBandCount[static_cast<std::size_t>(m)]; ++band) {
        for (int f = 0; f < 5; ++f) {
          const int slot = FirstBandSlot[static_cast<std::size_t>(m)] + 5 * band + f;
          EXPECT_LE(Value(store, m, slot, bank), kBandFieldMax[f])
              << what << ": module " << m << " band " << band << " field " << f;
        }
      }
    }
  }
}

TEST(SimStartingState, SettingsLieInsideTheirRanges) {
  const DeviceState state = StartingState();
  ExpectInRange(state.store, "start");
  for (int k = 0; k < 15; ++k)
    ExpectInRange(state.modes[static_cast<std::size_t>(k)].parameters,
                  "mode " + std::to_string(k));
}

TEST(SimStartingState, VolumesStartAndStayBelowTheirMaximum) {
  const Store store = StartingState().store;
  // (start, maximum, everyday) slots of music, microphone and effect.
  const int volumes[3][3] = {{6, 7, 32}, {8, 9, 33}, {10, 11, 34}};
  for (const auto& v : volumes) {
    EXPECT_LE(store[9][static_cast<std::size_t>(v[0])], store[9][static_cast<std::size_t>(v[1])]);
    EXPECT_LE(store[9][static_cast<std::size_t>(v[2])], store[9][static_cast<std::size_t>(v[1])]);
  }
  EXPECT_EQ(store[9][12], 0) << "the device starts at the user level";
}

TEST(SimStartingState, EveryBlockHoldsValuesAndTheCopiesDiffer) {
  const Store store = StartingState().store;
  for (int m = 0; m < 10; ++m) {
    int nonZero = 0;
    for (int i = 0; i < ModuleSlotCount[static_cast<std::size_t>(m)]; ++i)
      if (store[static_cast<std::size_t>(m)][static_cast<std::size_t>(i)] != 0) ++nonZero;
    EXPECT_GT(nonZero, ModuleSlotCount[static_cast<std::size_t>(m)] / 3) << "block " << m;
  }
  // The music bands of the two banks, and the two microphone groups, are told apart.
  EXPECT_FALSE(std::equal(store[0].begin() + 4, store[0].begin() + 54, store[0].begin() + 56));
  EXPECT_FALSE(std::equal(store[1].begin(), store[1].begin() + 79, store[2].begin()));
  // So are the sing and dance values of the output levels.
  EXPECT_NE(store[5][0], store[5][1]);
  // Frequencies rise from band to band.
  for (int band = 1; band < 10; ++band)
    EXPECT_GT(Value(store, 0, 4 + 5 * band + 1, 0), Value(store, 0, 4 + 5 * (band - 1) + 1, 0));
}

TEST(SimStartingState, IsTheSameEveryTime) {
  const DeviceState a = StartingState();
  const DeviceState b = StartingState();
  EXPECT_EQ(a.store, b.store);
  for (std::size_t k = 0; k < a.modes.size(); ++k) {
    EXPECT_EQ(a.modes[k].name, b.modes[k].name);
    EXPECT_EQ(a.modes[k].parameters, b.modes[k].parameters);
  }
}

TEST(SimStartingState, FifteenNamedModesEachDifferentFromTheStart) {
  const DeviceState state = StartingState();
  for (std::size_t k = 0; k < state.modes.size(); ++k) {
    const StoredMode& mode = state.modes[k];
    EXPECT_FALSE(mode.name.empty()) << k;
    EXPECT_LE(mode.name.size(), 20u) << k;
    for (const char c : mode.name) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << k;
    for (int m = 0; m < 9; ++m)
      EXPECT_NE(mode.parameters[static_cast<std::size_t>(m)],
                state.store[static_cast<std::size_t>(m)])
          << "mode " << k << " block " << m;
    if (k > 0) {
      EXPECT_NE(mode.parameters, state.modes[k - 1].parameters) << k;
    }
  }
}

TEST(SimStartingState, PasswordsAndManagementCode) {
  const DeviceState state = StartingState();
  EXPECT_EQ(state.systemPassword, "314159");
  EXPECT_EQ(state.keypadPassword, "2718");
  EXPECT_EQ(state.managementCode, (std::array<std::uint8_t, 4>{0x5A, 0x3C, 0x9E, 0x17}));
}

}  // namespace
}  // namespace fenwave::sim
