// What the simulated device answers to each command of the serial line, and where the
// writes land in its store.
#include <gtest/gtest.h>

#include "SimTestSupport.h"
#include "sim/Device.h"

namespace fenwave::sim {
namespace {

using namespace test;

TEST(SimProtocol, EveryWriteFrameIsAcknowledgedOnce) {
  struct Case {
    const char* what;
    Bytes frame;
  };
  const Case cases[] = {
      {"connect request", {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x30, 0x11, 0x00, 0x5C}},
      {"keep-alive", {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x30, 0x66, 0x00, 0xF3}},
      {"parameter 0x0500 = 50", {0xFC, 0xB1, 0x06, 0xA7, 0x05, 0x00, 0x32, 0x00, 0x6B}},
      {"parameter 0x0102 = 300", {0xFC, 0xB1, 0x06, 0xA7, 0x01, 0x02, 0x2C, 0x01, 0x62}},
      {"band 2 of the main output",
       {0xFC, 0xB1, 0x10, 0xA7, 0x05, 0x1C, 0x02, 0x00, 0x00, 0x00, 0x2C,
        0x01, 0x82, 0x00, 0x32, 0x00, 0x0A, 0x00, 0x00}},
      {"block write of module 4", Write(0x090F, Bytes(2 + 16, 0x01))},
      {"mode save 4 \"Duet\"",
       {0xFC, 0xB1, 0x0A, 0xA7, 0x09, 0x01, 0x04, 0x00, 0x24, 0x55, 0x45, 0x54, 0x72}},
      {"mode recall 4", {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x02, 0x04, 0x00, 0x03}},
      {"system password",
       {0xFC, 0xB1, 0x0A, 0xA7, 0x09, 0x04, 0x09, 0x08, 0x07, 0x06, 0x05, 0x04, 0x66}},
      {"keypad password", {0xFC, 0xB1, 0x08, 0xA7, 0x09, 0x05, 0x00, 0x04, 0x02, 0x07, 0x0F}},
      {"user level", WriteValue(0x090C, 1)},
  };
  Device device;
  for (const Case& c : cases) EXPECT_EQ(Exchange(device, c.frame), kAck) << c.what;
}

TEST(SimProtocol, DisconnectRequestGetsNoAnswer) {
  Device device;
  EXPECT_TRUE(Exchange(device, {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x30, 0xAA, 0x00, 0x37}).empty());
  EXPECT_FALSE(device.NextOutputTime().has_value());
  // The device is still there for the next connect request.
  EXPECT_EQ(Exchange(device, {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x30, 0x11, 0x00, 0x5C}), kAck);
}

TEST(SimProtocol, ReverbBlockReplyIsByteExact) {
  Device device;
  // Reverb: phase +, level 60, direct phase +, direct level 80, time 40, pre-delay 25,
  // high-pass 30, low-pass 170.
  const Bytes expected = {0xFC, 0xB1, 0x14, 0xA7, 0x04, 0x00, 0x01, 0x00, 0x3C, 0x00, 0x01, 0x00,
                          0x50, 0x00, 0x28, 0x00, 0x19, 0x00, 0x1E, 0x00, 0xAA, 0x00, 0x8F};
  EXPECT_EQ(Exchange(device, {0xFC, 0xB1, 0x06, 0xA0, 0x09, 0x10, 0x04, 0x00, 0x08}), expected);
}

TEST(SimProtocol, BlockReplyCarriesTheModulesEntriesFromSlotZero) {
  // Module 0 answers with both banks (54 + 52 entries).
  const int expectedCounts[] = {106, 79, 79, 28, 8, 55, 43, 53, 53};
  Device device;
  const DeviceState start = StartingState();
  for (int m = 0; m < 9; ++m) {
    const Bytes reply = Exchange(device, ReadBlock(m));
    const ParsedFrame parsed = ParseFrame(reply);
    ASSERT_TRUE(parsed.valid) << "module " << m;
    EXPECT_TRUE(parsed.checkOk) << "module " << m;
    EXPECT_EQ(parsed.module, m);
    EXPECT_EQ(parsed.slot, 0);
    EXPECT_EQ(reply[2], 4 + 2 * expectedCounts[m]) << "LEN of module " << m;
    const std::vector<int> words = Words(parsed);
    ASSERT_EQ(words.size(), static_cast<std::size_t>(expectedCounts[m]));
    for (std::size_t i = 0; i < words.size(); ++i)
      EXPECT_EQ(words[i], start.store[static_cast<std::size_t>(m)][i]) << m << "/" << i;
  }
}

// The device files a parameter write under the bank its own bank switch (block 0 entry 1)
// holds, at the entry where the application's DeviceImage keeps it, so a full read gives
// the application back what it wrote.
TEST(SimProtocol, ParameterWriteReadsBackWhereTheApplicationLooks) {
  struct Case {
    int bank;
    ParamAddress address;
    int block;
    int entry;  // where the value must appear; every other entry stays as it was
  };
  const Case cases[] = {
      {0, 0x0500, 5, 0},    // main music level, sing
      {1, 0x0500, 5, 1},    // ... dance: the odd partner
      {1, 0x0514, 5, 20},   // main slot 20 exists once
      {0, 0x0810, 8, 16},   // surround high-pass, sing
      {1, 0x0810, 8, 17},   // ... dance
      {1, 0x0812, 8, 18},   // surround slot 18 exists once
      {0, 0x0004, 0, 4},    // music band 1 type, sing
      {1, 0x0004, 0, 56},   // ... dance bank at entries 54..105
      {1, 0x0035, 0, 105},  // last field of the last music band, dance
      {1, 0x0000, 0, 0},    // operating mode exists once
      {0, 0x0110, 1, 16},   // microphone group A
      {1, 0x0210, 2, 16},   // microphone group B: the application writes module 2
      {1, 0x0618, 6, 24},   // subwoofer delay
  };
  for (const Case& c : cases) {
    Device device;
    ASSERT_EQ(Exchange(device, WriteValue(0x0001, static_cast<std::uint16_t>(c.bank))), kAck);
    const std::vector<int> before = BlockReply(device, c.block);
    ASSERT_EQ(Exchange(device, WriteValue(c.address, 7)), kAck);
    const std::vector<int> after = BlockReply(device, c.block);
    SCOPED_TRACE(::testing::Message() << "address 0x" << std::hex << c.address << " bank "
                                      << c.bank);
    EXPECT_EQ(after[static_cast<std::size_t>(c.entry)], 7);
    for (std::size_t i = 0; i < after.size(); ++i)
      if (static_cast<int>(i) != c.entry) {
        EXPECT_EQ(after[i], before[i]) << "entry " << i;
      }
  }
}

TEST(SimProtocol, BankSwitchWriteIsReadBackAtEntryOne) {
  Device device;
  EXPECT_EQ(BlockReply(device, 0)[1], 0);
  ASSERT_EQ(Exchange(device, WriteValue(0x0001, 1)), kAck);
  EXPECT_EQ(BlockReply(device, 0)[1], 1);
  EXPECT_EQ(CurrentBank(device.State()), 1);
}

TEST(SimProtocol, BandWriteStoresTheFiveFieldsOfTheBandInForce) {
  struct Case {
    int bank;
    ParamAddress frameAddress;
    int band;
    int block;
    int firstEntry;
  };
  const Case cases[] = {
      {0, 0x051C, 2, 5, 40},   // main output band 3: slots 40..44
      {1, 0x051C, 2, 5, 40},   // outputs keep their bands once
      {0, 0x0002, 0, 0, 4},    // music band 1, sing
      {1, 0x0002, 0, 0, 56},   // ... dance
      {1, 0x0002, 9, 0, 101},  // music band 10, dance
      {0, 0x0202, 14, 2, 74},  // microphone group B, band 15
      {0, 0x030B, 1, 3, 18},   // echo band 2
  };
  for (const Case& c : cases) {
    Device device;
    ASSERT_EQ(Exchange(device, WriteValue(0x0001, static_cast<std::uint16_t>(c.bank))), kAck);
    const std::vector<int> before = BlockReply(device, c.block);
    const Bytes payload = {static_cast<std::uint8_t>(c.band), 0x00, 0x02, 0x00, 0x2C, 0x01,
                           0x82, 0x00, 0x32, 0x00, 0x0A, 0x00};
    ASSERT_EQ(Exchange(device, Write(c.frameAddress, payload)), kAck);
    const std::vector<int> after = BlockReply(device, c.block);
    SCOPED_TRACE(::testing::Message() << "block " << c.block << " band " << c.band << " bank "
                                      << c.bank);
    const int expected[] = {2, 300, 130, 50, 10};
    for (int f = 0; f < 5; ++f)
      EXPECT_EQ(after[static_cast<std::size_t>(c.firstEntry + f)], expected[f]) << "field " << f;
    for (std::size_t i = 0; i < after.size(); ++i) {
      const int e = static_cast<int>(i);
      if (e < c.firstEntry || e >= c.firstEntry + 5) {
        EXPECT_EQ(after[i], before[i]) << i;
      }
    }
  }
}

TEST(SimProtocol, BandWriteBeyondTheModulesBandsChangesNothing) {
  Device device;
  const DeviceState before = device.State();
  // Echo has three bands; band 3 does not exist. The reverb has none.
  EXPECT_EQ(Exchange(device, Write(0x030B, Bytes{3, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0})), kAck);
  EXPECT_EQ(Exchange(device, Write(0x0408, Bytes{0, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0})), kAck);
  EXPECT_EQ(device.State().store, before.store);
}

TEST(SimProtocol, BlockWriteReadsBack) {
  struct Case {
    int module;
    int entries;
  };
  const Case cases[] = {{0, 106}, {3, 28}, {8, 53}};
  for (const Case& c : cases) {
    Device device;
    Bytes payload = {static_cast<std::uint8_t>(c.module), 0x00};
    std::vector<int> values;
    for (int i = 0; i < c.entries; ++i) {
      values.push_back(1000 + 3 * i);  // above 255, so both bytes matter
      AppendWord(payload, static_cast<std::uint32_t>(values.back()));
    }
    ASSERT_EQ(Exchange(device, Write(0x090F, payload)), kAck);
    EXPECT_EQ(BlockReply(device, c.module), values) << "module " << c.module;
  }
}

TEST(SimProtocol, ModeSaveThenRecallRestoresTheSavedSettings) {
  Device device;
  ASSERT_EQ(Exchange(device, WriteValue(0x0500, 33)), kAck);
  ASSERT_EQ(Exchange(device, WriteValue(0x0110, 44)), kAck);
  const std::vector<int> savedMain = BlockReply(device, 5);
  // Save as mode 5 (index 4) under "Duet".
  ASSERT_EQ(Exchange(device, {0xFC, 0xB1, 0x0A, 0xA7, 0x09, 0x01, 0x04, 0x00, 0x24, 0x55, 0x45,
                              0x54, 0x72}),
            kAck);
  EXPECT_EQ(device.State().modes[4].name, "Duet");

  // Recall another mode, then mode 4 again.
  ASSERT_EQ(Exchange(device, WriteValue(0x0902, 0)), kAck);
  EXPECT_NE(BlockReply(device, 5)[0], 33);
  ASSERT_EQ(Exchange(device, {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x02, 0x04, 0x00, 0x03}), kAck);
  EXPECT_EQ(BlockReply(device, 5), savedMain);
  EXPECT_EQ(BlockReply(device, 1)[16], 44);
  // The recall is filed as the device mode setting.
  EXPECT_EQ(Words(ParseFrame(Exchange(device, Read(0x0902)))), std::vector<int>{4});
  // The name reads back, each byte 0x20 below its character.
  EXPECT_EQ(Exchange(device, {0xFC, 0xB1, 0x06, 0xA0, 0x09, 0x00, 0x04, 0x00, 0x18}),
            (Bytes{0xFC, 0xB1, 0x08, 0xA7, 0x09, 0x00, 0x24, 0x55, 0x45, 0x54, 0x0F}));
}

TEST(SimProtocol, RecallingAStoredModeChangesWhatAFullReadSees) {
  Device device;
  const DeviceState start = StartingState();
  for (int k = 0; k < 15; ++k) {
    ASSERT_EQ(Exchange(device, WriteValue(0x0902, static_cast<std::uint16_t>(k))), kAck);
    const Store& mode = start.modes[static_cast<std::size_t>(k)].parameters;
    for (int m = 0; m < 9; ++m)
      EXPECT_EQ(device.State().store[static_cast<std::size_t>(m)],
                mode[static_cast<std::size_t>(m)])
          << "mode " << k << " block " << m;
    // The system block keeps its settings; only the device mode changes.
    Block system = start.store[9];
    system[2] = static_cast<std::uint16_t>(k);
    EXPECT_EQ(device.State().store[9], system) << "mode " << k;
  }
  // A recall of a mode the device does not have is taken and changes nothing.
  const Store before = device.State().store;
  EXPECT_EQ(Exchange(device, WriteValue(0x0902, 15)), kAck);
  EXPECT_EQ(device.State().store, before);
}

TEST(SimProtocol, ModeNameReply) {
  Device device;
  // Mode 1 is "KTV": K T V are 0x4B 0x54 0x56, sent as 0x2B 0x34 0x36.
  EXPECT_EQ(Exchange(device, {0xFC, 0xB1, 0x06, 0xA0, 0x09, 0x00, 0x00, 0x00, 0x14}),
            (Bytes{0xFC, 0xB1, 0x07, 0xA7, 0x09, 0x00, 0x2B, 0x34, 0x36, 0xF0}));
  // A space goes as 0x00, and the name keeps at most 20 characters.
  const std::string longName = "A very long mode name here";
  Bytes save = {0x07, 0x00};
  for (const char c : longName) save.push_back(static_cast<std::uint8_t>(c - 0x20));
  ASSERT_EQ(Exchange(device, Write(0x0901, save)), kAck);
  const ParsedFrame reply = ParseFrame(Exchange(device, Read(0x0900, Bytes{0x07, 0x00})));
  ASSERT_EQ(reply.payload.size(), 20u);
  EXPECT_EQ(reply.payload[1], 0x00);
  EXPECT_EQ(device.State().modes[7].name, "A very long mode nam");
}

TEST(SimProtocol, PasswordWritesReadBackAsDigitBytes) {
  Device device;
  // Starting system password 314159.
  EXPECT_EQ(Exchange(device, {0xFC, 0xB1, 0x04, 0xA0, 0x09, 0x04, 0x18}),
            (Bytes{0xFC, 0xB1, 0x0A, 0xA7, 0x09, 0x04, 0x03, 0x01, 0x04, 0x01, 0x05, 0x09, 0x76}));
  ASSERT_EQ(Exchange(device, {0xFC, 0xB1, 0x0A, 0xA7, 0x09, 0x04, 0x09, 0x08, 0x07, 0x06, 0x05,
                              0x04, 0x66}),
            kAck);
  EXPECT_EQ(Exchange(device, {0xFC, 0xB1, 0x04, 0xA0, 0x09, 0x04, 0x18}),
            (Bytes{0xFC, 0xB1, 0x0A, 0xA7, 0x09, 0x04, 0x09, 0x08, 0x07, 0x06, 0x05, 0x04, 0x66}));
  EXPECT_EQ(device.State().systemPassword, "987654");

  ASSERT_EQ(Exchange(device, {0xFC, 0xB1, 0x08, 0xA7, 0x09, 0x05, 0x00, 0x04, 0x02, 0x07, 0x0F}),
            kAck);
  EXPECT_EQ(Exchange(device, {0xFC, 0xB1, 0x04, 0xA0, 0x09, 0x05, 0x1B}),
            (Bytes{0xFC, 0xB1, 0x08, 0xA7, 0x09, 0x05, 0x00, 0x04, 0x02, 0x07, 0x0F}));
  EXPECT_EQ(device.State().keypadPassword, "0427");
}

TEST(SimProtocol, MalformedPasswordIsTakenButNotStored) {
  const Bytes bad[] = {
      Write(0x0904, Bytes{1, 2, 3, 4, 5}),         // five digits for the six-digit password
      Write(0x0904, Bytes{1, 2, 3, 4, 5, 10}),     // not a digit
      Write(0x0905, Bytes{1, 2, 3, 4, 5, 6}),      // six digits for the four-digit password
      Write(0x0905, Bytes{'1', '2', '3', '4'}),    // characters instead of digit values
  };
  Device device;
  for (const Bytes& frame : bad) EXPECT_EQ(Exchange(device, frame), kAck);
  EXPECT_EQ(device.State().systemPassword, "314159");
  EXPECT_EQ(device.State().keypadPassword, "2718");
}

TEST(SimProtocol, ManagementCodeReply) {
  Device device;
  EXPECT_EQ(Exchange(device, {0xFC, 0xB1, 0x04, 0xA0, 0x09, 0x40, 0x54}),
            (Bytes{0xFC, 0xB1, 0x08, 0xA7, 0x09, 0x40, 0x5A, 0x3C, 0x9E, 0x17, 0x86}));
}

TEST(SimProtocol, SystemItemsReplyWithTheirAddressAndOneValue) {
  Device device;
  EXPECT_EQ(Exchange(device, {0xFC, 0xB1, 0x04, 0xA0, 0x09, 0x07, 0x1D}),
            (Bytes{0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x07, 0x46, 0x00, 0x48}));  // music max 70
  EXPECT_EQ(Exchange(device, {0xFC, 0xB1, 0x04, 0xA0, 0x09, 0x22, 0x76}),
            (Bytes{0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x22, 0x30, 0x00, 0x4F}));  // effect normal 48

  const DeviceState start = StartingState();
  std::vector<ParamAddress> items;
  for (ParamAddress a = 0x0901; a <= 0x090E; ++a)
    if (a != 0x0904 && a != 0x0905) items.push_back(a);
  items.insert(items.end(), {0x0920, 0x0921, 0x0922});
  for (const ParamAddress a : items) {
    const ParsedFrame reply = ParseFrame(Exchange(device, Read(a)));
    ASSERT_TRUE(reply.valid && reply.checkOk) << std::hex << a;
    EXPECT_EQ(reply.module, 9);
    EXPECT_EQ(reply.slot, a & 0xFF);
    EXPECT_EQ(Words(reply), std::vector<int>{start.store[9][static_cast<std::size_t>(a & 0xFF)]})
        << std::hex << a;
  }
  // A system parameter write reads back as its item.
  ASSERT_EQ(Exchange(device, WriteValue(0x090C, 1)), kAck);
  EXPECT_EQ(Words(ParseFrame(Exchange(device, Read(0x090C)))), std::vector<int>{1});
}

TEST(SimProtocol, EveryReadRequestGetsExactlyOneReply) {
  struct Case {
    Bytes request;
    ParamAddress replyAddress;
    std::size_t payloadSize;
  };
  const Case cases[] = {
      {ReadBlock(9), 0x0900, 70},        // system block, 35 entries
      {ReadBlock(10), 0x0A00, 0},        // reserved module: no entries
      {ReadBlock(12), 0x0C00, 0},        // no such module
      {Read(0x0910), 0x0910, 0},         // block read without a module
      {Read(0x0900), 0x0900, 0},         // mode name without an index
      {Read(0x0900, Bytes{15, 0}), 0x0900, 0},  // no mode 16
      {Read(0x0C05), 0x0C05, 0},         // nothing at all there
  };
  Device device;
  for (const Case& c : cases) {
    const Bytes out = Exchange(device, c.request);
    const ParsedFrame reply = ParseFrame(out);
    ASSERT_TRUE(reply.valid && reply.checkOk) << std::hex << c.replyAddress;
    EXPECT_EQ(reply.module * 256 + reply.slot, c.replyAddress);
    EXPECT_EQ(reply.payload.size(), c.payloadSize) << std::hex << c.replyAddress;
    EXPECT_EQ(out.size(), c.payloadSize + 7) << "one frame only";
  }
}

TEST(SimProtocol, FramesOfOtherTypesOrWithABadCheckAreIgnored) {
  Device device;
  EXPECT_TRUE(Exchange(device, BuildFrame(0xA5, 0x0500, Bytes{0x10, 0x00})).empty());
  EXPECT_TRUE(Exchange(device, {0xFC, 0xB1, 0x06, 0xA7, 0x05, 0x00, 0x32, 0x00, 0x6C}).empty());
  EXPECT_EQ(device.State().store, StartingState().store);
  EXPECT_EQ(device.FramesTaken(), 1u);  // only the well-formed frame of unknown type
}

TEST(SimProtocol, RevisionCountsChangesOnly) {
  Device device;
  (void)Exchange(device, {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x30, 0x66, 0x00, 0xF3});
  (void)Exchange(device, ReadBlock(0));
  EXPECT_EQ(device.Revision(), 0u);
  (void)Exchange(device, WriteValue(0x0500, 1));
  EXPECT_EQ(device.Revision(), 1u);
  (void)Exchange(device, Write(0x0905, Bytes{1, 2, 3, 4}));
  (void)Exchange(device, WriteValue(0x0902, 3));
  EXPECT_EQ(device.Revision(), 3u);
}

}  // namespace
}  // namespace fenwave::sim
