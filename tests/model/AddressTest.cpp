#include "model/Address.h"
#include "model/ParameterModel.h"

#include <gtest/gtest.h>

namespace fenwave {
namespace {

TEST(EqElementOf, ClassifiesBandsFiltersAndOtherSlots) {
  struct Case {
    ParamAddress address;
    int expected;
  };
  const Case cases[] = {
      {0x0107, 3},      // microphone band 1, peaking Q
      {0x0108, 4},      // microphone band 1, shelving Q
      {0x010A, 256 + 1},  // microphone band 2, frequency
      {0x0003, 255},    // music EQ pass
      {0x0004, 0},      // music band 1 type
      {0x0035, 9 * 256 + 4},  // music band 10, last field
      {0x0400, 65280},  // reverb has no curve
      {0x0407, 65280},
      {0x0100, 3840},   // microphone high-pass
      {0x0200, 3840},
      {0x0304, 768},    // echo high-pass
      {0x0305, 1024},   // echo low-pass
      {0x030C, 255},    // echo EQ pass
      {0x0510, 1280},   // main high-pass
      {0x0710, 1280},
      {0x0810, 1280},
      {0x0608, 768},    // subwoofer high-pass type
      {0x060C, 768},    // subwoofer high-pass user Q
      {0x060E, 1024},   // subwoofer low-pass type
      {0x0612, 1024},
      {0x061C, 0},      // subwoofer band 1 type
      {0x0500, 255},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EqElementOf(c.address), c.expected) << std::hex << c.address;
  }
}

TEST(DeviceIndex, InterleavesBanks) {
  struct Case {
    int module, slot, bank, expected;
  };
  const Case cases[] = {
      {0, 1, 1, 1},   {0, 0, 1, 0},   {0, 2, 1, 54},  {0, 53, 1, 105}, {0, 53, 0, 53},
      {5, 19, 1, 20}, {5, 20, 1, 20}, {5, 0, 1, 1},   {6, 19, 1, 20},  {7, 18, 1, 19},
      {8, 17, 1, 18}, {8, 18, 1, 18}, {1, 40, 1, 40}, {3, 7, 1, 7},    {9, 12, 1, 12},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DeviceIndex(c.module, c.slot, c.bank), c.expected)
        << c.module << "/" << c.slot << "/" << c.bank;
  }
}

TEST(PageOfAddress, MapsModulesToPages) {
  EXPECT_EQ(PageOfAddress(0x0004), 0);
  EXPECT_EQ(PageOfAddress(0x0210), 1);
  EXPECT_EQ(PageOfAddress(0x0401), 2);
  EXPECT_EQ(PageOfAddress(0x0500), 3);
  EXPECT_EQ(PageOfAddress(0x0700), 4);
  EXPECT_EQ(PageOfAddress(0x061D), 5);
  EXPECT_EQ(PageOfAddress(0x0800), 6);
  EXPECT_EQ(PageOfAddress(0x090C), 0);
}

TEST(ParameterModel, EffectiveQFollowsTheBandType) {
  ParameterModel model;
  EXPECT_EQ(model.EffectiveQAddress(0x0108), 0x0107);  // type 0: peaking Q in force
  model.SetValue(0x0104, 1);
  EXPECT_EQ(model.EffectiveQAddress(0x0108), 0x0108);
  EXPECT_EQ(model.EffectiveQAddress(0x0107), 0x0108);
  model.SetValue(0x0104, 2);
  EXPECT_EQ(model.EffectiveQAddress(0x0107), 0x0108);
  EXPECT_EQ(model.EffectiveQAddress(0x0105), 0x0105);  // frequency field unchanged
}

TEST(ParameterModel, StoreValueRedirectsToGroupB) {
  ParameterModel model;
  model.SetMicGroupB(1);
  model.StoreValue(0x0110, 7);
  EXPECT_EQ(model.Value(0x0110), 7);
  EXPECT_EQ(model.Value(0x0210), 7);
  EXPECT_EQ(model.DeviceValue(2, 16), 7);
  EXPECT_EQ(model.DeviceValue(1, 16), 0);
}

TEST(ParameterModel, StoreValueWritesTheBankInForce) {
  ParameterModel model;
  model.SetBankSelect(1);
  model.StoreValue(0x0005, 33);  // music band 1 frequency, dance bank
  EXPECT_EQ(model.DeviceValue(0, 57), 33);
  EXPECT_EQ(model.DeviceValue(0, 5), 0);
  model.StoreValue(0x0500, 40);  // main music level, dance partner
  EXPECT_EQ(model.DeviceValue(5, 1), 40);
  EXPECT_EQ(model.DeviceValue(5, 0), 0);
}

TEST(ParameterModel, ApplyDeviceImageMirrorsTheSelectedParts) {
  ParameterModel model;
  model.SetDeviceValue(1, 16, 3);
  model.SetDeviceValue(2, 16, 9);
  model.SetDeviceValue(0, 5, 11);
  model.SetDeviceValue(0, 57, 22);
  model.SetDeviceValue(5, 0, 50);
  model.SetDeviceValue(5, 1, 60);
  model.ApplyDeviceImage();
  EXPECT_EQ(model.Value(0x0110), 3);
  EXPECT_EQ(model.Value(0x0005), 11);
  EXPECT_EQ(model.Value(0x0500), 50);

  model.SetMicGroupB(1);
  model.SetBankSelect(1);
  model.ApplyDeviceImage();
  EXPECT_EQ(model.Value(0x0110), 9);
  EXPECT_EQ(model.Value(0x0210), 9);  // rows 1 and 2 agree for group B
  EXPECT_EQ(model.Value(0x0005), 22);
  EXPECT_EQ(model.Value(0x0500), 60);
}

TEST(ParameterModel, AccessOutsideTheImagesIsHarmless) {
  ParameterModel model;
  model.SetValue(MakeAddress(11, 0), 5);
  model.SetValue(MakeAddress(3, 86), 5);
  model.SetValue(-1, 5);
  EXPECT_EQ(model.Value(MakeAddress(3, 86)), 0);
  EXPECT_FALSE(model.SetDeviceValue(3, 113, 1));
  EXPECT_FALSE(model.SetDeviceValue(11, 0, 1));
  EXPECT_FALSE(model.SetDeviceValue(-1, 0, 1));
  EXPECT_EQ(model.DeviceValue(3, 113), 0);
}

}  // namespace
}  // namespace fenwave
