// Parameter and band sending, the paced queues and the 20 ms hold tick.
#include <gtest/gtest.h>

#include "support/LinkHarness.h"

namespace fenwave {
namespace {

using fakes::LinkHarness;

const Bytes kKeepAlive = {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x30, 0x66, 0x00, 0xF3};

// The value a 9-byte parameter frame carries.
int ValueOf(const Bytes& frame) {
  return frame.at(6) | (frame.at(7) << 8);
}
ParamAddress AddressOf(const Bytes& frame) {
  return frame.at(4) * 256 + frame.at(5);
}

// A connected link on an open port whose device has taken the last frame.
class Transmit : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(h.port.Open("COM1"));
    h.link.RunLinkAction(1);
    h.Ack();
    h.port.ClearWrites();
  }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i)
      h.link.HoldTick();
  }
  // The device takes the last frame and the next tick sends whatever is due.
  void AckAndTick() {
    h.Ack();
    h.link.HoldTick();
  }
  const std::vector<Bytes>& Writes() const { return h.port.Writes(); }

  LinkHarness h;
};

TEST_F(Transmit, QuietLinkWritesAChangeAtOnceAndStoresItInBothImages) {
  struct Case {
    ParamAddress address;
    std::int32_t value;
    int micGroupB;
    Bytes frame;
    int block, entry;
  };
  const Case cases[] = {
      {0x0500, 50, 0, {0xFC, 0xB1, 0x06, 0xA7, 0x05, 0x00, 0x32, 0x00, 0x6B}, 5, 0},
      {0x0102, 300, 0, {0xFC, 0xB1, 0x06, 0xA7, 0x01, 0x02, 0x2C, 0x01, 0x62}, 1, 2},
      // Microphone group B: the device knows the setting by module 2.
      {0x0102, 300, 1, {0xFC, 0xB1, 0x06, 0xA7, 0x02, 0x02, 0x2C, 0x01, 0x65}, 2, 2},
  };
  for (const Case& c : cases) {
    h.model.SetMicGroupB(c.micGroupB);
    h.Ack();
    h.port.ClearWrites();
    h.link.SendParameter(c.address, c.value);
    ASSERT_EQ(Writes().size(), 1u) << std::hex << c.address;
    EXPECT_EQ(Writes()[0], c.frame);
    EXPECT_EQ(h.model.Value(c.address), c.value);
    EXPECT_EQ(h.model.DeviceValue(c.block, c.entry), c.value);
    EXPECT_FALSE(h.link.AckReceived());
  }
}

TEST_F(Transmit, ChangesOfOneAddressWhileUnacknowledgedMergeIntoTheNewestEntry) {
  h.link.SendParameter(0x0500, 1);
  for (int v = 2; v <= 11; ++v)
    h.link.SendParameter(0x0500, v);
  EXPECT_EQ(Writes().size(), 1u);
  ASSERT_EQ(h.link.SendQueueState().Pending(), 1u);
  EXPECT_EQ(h.link.SendQueueState().At(1).value, 11);
}

TEST_F(Transmit, ChangesAlternatingBetweenTwoAddressesAreAllQueuedInOrder) {
  h.link.SendParameter(0x0500, 1);  // written at once
  const std::pair<ParamAddress, int> queued[] = {
      {0x0504, 2}, {0x0500, 3}, {0x0504, 4}, {0x0500, 5}};
  for (const auto& [a, v] : queued)
    h.link.SendParameter(a, v);
  ASSERT_EQ(h.link.SendQueueState().Pending(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(h.link.SendQueueState().At(i + 1).address, queued[i].first);
    EXPECT_EQ(h.link.SendQueueState().At(i + 1).value, queued[i].second);
  }
  for (int i = 0; i < 6; ++i)
    AckAndTick();
  ASSERT_EQ(Writes().size(), 6u);  // the first, four drained, the last once more
  EXPECT_EQ(ValueOf(Writes()[4]), 5);
  EXPECT_EQ(Writes()[5], Writes()[4]);
}

TEST_F(Transmit, TheLastFrameOfADrainedBurstIsWrittenTwiceAQuietChangeOnce) {
  h.link.SendParameter(0x0500, 1);
  h.link.SendParameter(0x0500, 2);
  AckAndTick();
  AckAndTick();
  AckAndTick();
  AckAndTick();
  ASSERT_EQ(Writes().size(), 3u);
  EXPECT_EQ(ValueOf(Writes()[0]), 1);
  EXPECT_EQ(ValueOf(Writes()[1]), 2);
  EXPECT_EQ(Writes()[2], Writes()[1]);

  h.port.ClearWrites();
  h.link.SendParameter(0x0504, 7);
  AckAndTick();
  AckAndTick();
  EXPECT_EQ(Writes().size(), 1u);
}

TEST_F(Transmit, OneAckedTickSendsAtMostOneFrameParameterBeforeBand) {
  h.link.SendParameter(0x0500, 1);  // written; the device has not answered yet
  h.link.SendParameter(0x0504, 2);
  h.link.SendBand(0x000B, 90);  // band queue: nothing pending, but no ack either
  ASSERT_EQ(h.link.BandQueueState().Pending(), 1u);
  AckAndTick();
  ASSERT_EQ(Writes().size(), 2u);
  EXPECT_EQ(AddressOf(Writes()[1]), 0x0504);
  AckAndTick();  // the repeat of 0x0504 still goes before the band
  AckAndTick();
  ASSERT_EQ(Writes().size(), 4u);
  EXPECT_EQ(Writes()[3].size(), 19u);
}

TEST_F(Transmit, BurstOfSliderMovesProducesOnlyTheFramesTheMergeRuleAllows) {
  for (int position = 0; position < 100; ++position)
    h.link.SendParameter(0x0500, position);
  for (int i = 0; i < 10; ++i)
    AckAndTick();
  ASSERT_EQ(Writes().size(), 3u);  // the first move, the merged last one, its repeat
  EXPECT_EQ(ValueOf(Writes()[0]), 0);
  EXPECT_EQ(ValueOf(Writes()[1]), 99);
  EXPECT_EQ(ValueOf(Writes()[2]), 99);

  // Moves spread over ticks with the device answering now and then: no frame goes out without
  // an acknowledgement for the one before, and the device ends with the last position.
  h.port.ClearWrites();
  h.Ack();
  std::size_t acks = 1;
  for (int position = 0; position < 100; ++position) {
    h.link.SendParameter(0x0504, position);
    if (position % 3 == 0) {
      AckAndTick();
      ++acks;
    }
  }
  for (int i = 0; i < 5; ++i)
    AckAndTick();
  EXPECT_LE(Writes().size(), acks + 5);
  EXPECT_LT(Writes().size(), 50u);
  EXPECT_EQ(ValueOf(Writes().back()), 99);
}

TEST_F(Transmit, BandFrameCarriesTheWholeBandAsTheImageHoldsItWhenBuilt) {
  h.link.SendBand(0x000B, 90);  // music band 1, gain
  ASSERT_EQ(Writes().size(), 1u);
  EXPECT_EQ(Writes()[0], (Bytes{0xFC, 0xB1, 0x10, 0xA7, 0x00, 0x02, 0x01, 0x00, 0x00, 0x00, 0x00,
                                0x00, 0x5A, 0x00, 0x00, 0x00, 0x00, 0x00, 0xB1}));

  // Queued twice for the same band: never merged, each frame built from the values it finds.
  h.link.SendBand(0x000B, 91);
  h.link.SendBand(0x000A, 200);  // frequency of the same band
  ASSERT_EQ(h.link.BandQueueState().Pending(), 2u);
  AckAndTick();
  ASSERT_EQ(Writes().size(), 2u);
  EXPECT_EQ(Writes()[1][10], 200);  // frequency low byte
  EXPECT_EQ(Writes()[1][12], 91);   // gain
  h.model.StoreValue(0x000B, 92);
  AckAndTick();
  ASSERT_EQ(Writes().size(), 3u);
  EXPECT_EQ(Writes()[2][12], 92);
  EXPECT_EQ(h.link.Memo2().Lines(), (std::deque<std::string>{"2:2 1", "2:1 1"}));
}

TEST_F(Transmit, IdenticalBandEditsAreNeverMerged) {
  h.link.SendBand(0x0521, 3);  // main band 0 written at once
  for (int i = 0; i < 5; ++i)
    h.link.SendBand(0x0521, 3);
  EXPECT_EQ(h.link.BandQueueState().Pending(), 5u);
  for (int i = 0; i < 8; ++i)
    AckAndTick();
  EXPECT_EQ(Writes().size(), 6u);  // band frames are not repeated at the end
}

TEST_F(Transmit, NothingIsWrittenWhileSuppressedOrNotReadyButTheImagesChange) {
  struct Case {
    const char* name;
    bool suppressed;
    bool ready;
  };
  for (const Case c : {Case{"suppressed", true, true}, Case{"not ready", false, false}}) {
    LinkHarness fresh;
    ASSERT_TRUE(fresh.port.Open("COM1"));
    if (c.ready) fresh.link.RunLinkAction(1);
    fresh.Ack();
    fresh.link.SetSendSuppressed(c.suppressed);
    fresh.link.SendParameter(0x0500, 42);
    fresh.link.SendBand(0x0533, 17);
    for (int i = 0; i < 100; ++i)
      fresh.link.HoldTick();
    EXPECT_EQ(fresh.model.Value(0x0500), 42) << c.name;
    EXPECT_EQ(fresh.model.DeviceValue(5, 0), 42) << c.name;
    EXPECT_EQ(fresh.model.Value(0x0533), 17) << c.name;
    EXPECT_EQ(fresh.link.SendQueueState().Pending(), 0u) << c.name;
    EXPECT_EQ(fresh.link.BandQueueState().Pending(), 0u) << c.name;
    for (const Bytes& w : fresh.port.Writes())
      EXPECT_EQ(w, kKeepAlive) << c.name;
    if (!c.ready) {
      EXPECT_TRUE(fresh.port.Writes().empty());
    }
  }
}

TEST_F(Transmit, AnAcknowledgedQuietLinkExchangesOneKeepAlivePerSecond) {
  Ticks(49);
  EXPECT_TRUE(Writes().empty());
  h.link.HoldTick();
  ASSERT_EQ(Writes().size(), 1u);
  EXPECT_EQ(Writes()[0], kKeepAlive);
  for (int second = 0; second < 5; ++second) {
    h.Ack();
    Ticks(50);
  }
  EXPECT_EQ(Writes().size(), 6u);
  EXPECT_EQ(h.link.State(), LinkState::Ready);
}

TEST_F(Transmit, SilenceRepeatsTheUnansweredFrameAt3_6_9SecondsAndLosesTheLinkAt11) {
  h.link.SendParameter(0x0500, 5);  // written, never answered
  h.link.SendParameter(0x0504, 6);  // waits behind it
  std::vector<int> writtenAt;
  for (int tick = 1; tick <= 550; ++tick) {
    const std::size_t before = Writes().size();
    h.link.HoldTick();
    if (Writes().size() != before) writtenAt.push_back(tick);
    if (tick == 549) {
      EXPECT_TRUE(h.dialogs.ShownBoxes().empty());
    }
  }
  EXPECT_EQ(writtenAt, (std::vector<int>{150, 300, 450}));
  for (std::size_t i = 1; i < Writes().size(); ++i)
    EXPECT_EQ(Writes()[i], Writes()[0]);

  ASSERT_EQ(h.dialogs.ShownBoxes().size(), 1u);
  EXPECT_EQ(h.dialogs.ShownBoxes()[0].caption, "提示");
  EXPECT_EQ(h.dialogs.ShownBoxes()[0].text, "已断开连接!");
  EXPECT_EQ(h.link.State(), LinkState::NotReady);
  EXPECT_FALSE(h.timers.IsRunning(LinkTimer::HoldTimer));
  EXPECT_EQ(h.link.LinkStatusText(), "设备未连接");
  EXPECT_EQ(h.view.linkLabel, "设备未连接");
  EXPECT_EQ(h.view.linkLook.back(), LinkButton::UnLinkBtn);
}

TEST_F(Transmit, SilenceWithNothingQueuedRepeatsKeepAlives) {
  Ticks(50);  // the keep-alive of the first quiet second, never answered
  h.port.ClearWrites();
  Ticks(549);
  EXPECT_EQ(Writes(), (std::vector<Bytes>{kKeepAlive, kKeepAlive, kKeepAlive}));
  EXPECT_EQ(h.link.State(), LinkState::Ready);
  h.link.HoldTick();
  EXPECT_EQ(h.link.State(), LinkState::NotReady);
}

TEST_F(Transmit, FullQueuesKeepTheNewestChange) {
  h.link.SendParameter(0x0300, 0);  // written at once
  for (int slot = 1; slot <= 40; ++slot)
    h.link.SendParameter(0x0300 + slot, slot);
  const SendQueue& queue = h.link.SendQueueState();
  ASSERT_EQ(queue.Pending(), 31u);
  EXPECT_EQ(queue.At(31).address, 0x0328);  // the newest stays at the tail
  EXPECT_EQ(queue.At(1).address, 0x030A);   // the oldest gave way

  for (int i = 0; i < 60; ++i)
    h.link.SendBand(0x0105 + 5 * (i % 15), i);
  ASSERT_EQ(h.link.BandQueueState().Pending(), 49u);
  EXPECT_EQ(h.link.BandQueueState().At(49).band, 59 % 15);
}

TEST_F(Transmit, AFullQueueGivesUpSupersededEntriesBeforeDistinctOnes) {
  h.link.SendParameter(0x0500, 0);
  // 31 waiting entries alternating between two addresses.
  for (int i = 1; i <= 31; ++i)
    h.link.SendParameter(i % 2 ? 0x0504 : 0x0508, i);
  h.link.SendParameter(0x050C, 100);
  const SendQueue& queue = h.link.SendQueueState();
  ASSERT_EQ(queue.Pending(), 31u);
  EXPECT_EQ(queue.At(31).address, 0x050C);
  EXPECT_EQ(queue.At(30).value, 31);
  EXPECT_EQ(queue.At(29).value, 30);
}

TEST_F(Transmit, AWaitingModeRecallStartsTheReloadWhenItLeavesTheQueue) {
  h.link.SendParameter(0x0500, 1);
  h.link.SendParameter(0x0902, 3);  // has to wait
  EXPECT_EQ(h.link.State(), LinkState::Ready);
  AckAndTick();
  ASSERT_EQ(Writes().size(), 2u);
  EXPECT_EQ(Writes()[1], (Bytes{0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x02, 0x03, 0x00, 0x00}));
  EXPECT_EQ(h.link.State(), LinkState::NotReady);
  EXPECT_EQ(h.link.LinkStatusText(), "加载中...");
  EXPECT_EQ(h.link.PendingLinkAction(), 2);

  AckAndTick();  // the reload begins; the recall is not sent a second time
  ASSERT_EQ(Writes().size(), 3u);
  EXPECT_EQ(Writes()[2], (Bytes{0xFC, 0xB1, 0x06, 0xA0, 0x09, 0x10, 0x00, 0x00, 0x04}));
  EXPECT_TRUE(h.timers.IsRunning(LinkTimer::Timer2));
  EXPECT_FALSE(h.timers.IsRunning(LinkTimer::HoldTimer));
}

TEST_F(Transmit, AFailedWriteOfATwoByteFrameIsIgnoredALongerOneIsReported) {
  h.port.SetErrorText("Write error");
  h.port.FailNextWrite();
  h.link.SendParameter(0x0500, 1);
  EXPECT_TRUE(h.view.writeErrors.empty());

  h.Ack();
  h.port.FailNextWrite();
  h.link.SendBand(0x000B, 90);
  EXPECT_EQ(h.view.writeErrors, (std::vector<std::string>{"Write error"}));

  // The link carries on: the band's acknowledgement never comes, so the next one waits.
  h.link.SendBand(0x000B, 91);
  EXPECT_EQ(h.link.BandQueueState().Pending(), 1u);
  AckAndTick();
  EXPECT_EQ(Writes().size(), 1u);
}

TEST_F(Transmit, TextsAreRefusedWhenTheyCannotTravel) {
  struct Case {
    ParamAddress address;
    std::string text;
    bool sent;
    Bytes frame;
  };
  const Case cases[] = {
      {0x0901,
       std::string("\x03\x00"
                   "ABCD",
                   6),
       true,
       {0xFC, 0xB1, 0x0A, 0xA7, 0x09, 0x01, 0x03, 0x00, 0x21, 0x22, 0x23, 0x24, 0x8B}},
      {0x0901,
       std::string("\x03\x00", 2),
       true,
       {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x01, 0x03, 0x00, 0x01}},
      {0x0904,
       "123456",
       true,
       {0xFC, 0xB1, 0x0A, 0xA7, 0x09, 0x04, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x74}},
      {0x0905, "1111", true, {0xFC, 0xB1, 0x08, 0xA7, 0x09, 0x05, 0x01, 0x01, 0x01, 0x01, 0x04}},
      {0x0904, "12a456", false, {}},
      {0x0905, "12 4", false, {}},
      {0x0500, "1", false, {}},
  };
  for (const Case& c : cases) {
    h.port.ClearWrites();
    EXPECT_EQ(h.link.SendText(c.address, c.text), c.sent) << c.text;
    if (c.sent) {
      ASSERT_EQ(Writes().size(), 1u);
      EXPECT_EQ(Writes()[0], c.frame);
    } else {
      EXPECT_TRUE(Writes().empty());
    }
  }
}

TEST_F(Transmit, ClosedPortWritesNothingAndReportsNothing) {
  h.port.Close();
  h.link.SendParameter(0x0500, 9);
  h.link.SendBand(0x000B, 9);
  EXPECT_TRUE(Writes().empty());
  EXPECT_TRUE(h.view.writeErrors.empty());
  EXPECT_EQ(h.model.Value(0x0500), 9);
}

}  // namespace
}  // namespace fenwave
