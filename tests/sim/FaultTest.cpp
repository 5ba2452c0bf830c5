// The faults the simulated device shows on request, each on its own, with time given
// explicitly.
#include <gtest/gtest.h>

#include "SimTestSupport.h"
#include "sim/Device.h"

namespace fenwave::sim {
namespace {

using namespace test;

const Bytes kKeepAlive = {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x30, 0x66, 0x00, 0xF3};
const Bytes kReadReverb = {0xFC, 0xB1, 0x06, 0xA0, 0x09, 0x10, 0x04, 0x00, 0x08};
const Bytes kReverbReply = {0xFC, 0xB1, 0x14, 0xA7, 0x04, 0x00, 0x01, 0x00, 0x3C, 0x00, 0x01, 0x00,
                            0x50, 0x00, 0x28, 0x00, 0x19, 0x00, 0x1E, 0x00, 0xAA, 0x00, 0x8F};

TEST(SimFaults, StopAfterNFramesGoesDeadForEverything) {
  FaultOptions faults;
  faults.stopAfterFrames = 2;
  Device device(faults);
  EXPECT_EQ(Exchange(device, kKeepAlive), kAck);
  EXPECT_EQ(Exchange(device, WriteValue(0x0500, 11)), kAck);
  EXPECT_TRUE(Exchange(device, kKeepAlive).empty());
  EXPECT_TRUE(Exchange(device, kReadReverb).empty());
  EXPECT_TRUE(Exchange(device, WriteValue(0x0500, 22)).empty());
  EXPECT_EQ(device.State().store[5][0], 11) << "a write after the stop is not taken";

  // Several frames in one chunk: only those up to the limit count.
  Device burst(faults);
  Bytes chunk = kKeepAlive;
  for (int i = 0; i < 3; ++i) chunk.insert(chunk.end(), kKeepAlive.begin(), kKeepAlive.end());
  EXPECT_EQ(Exchange(burst, chunk), (Bytes{0xFE, 0xBB, 0xFE, 0xBB}));
}

TEST(SimFaults, StopAfterZeroFramesNeverAnswers) {
  FaultOptions faults;
  faults.stopAfterFrames = 0;
  Device device(faults);
  EXPECT_TRUE(Exchange(device, {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x30, 0x11, 0x00, 0x5C}).empty());
}

TEST(SimFaults, EveryNthAcknowledgementIsDroppedButTheWriteTakesEffect) {
  FaultOptions faults;
  faults.dropEveryNthAck = 3;
  Device device(faults);
  std::vector<bool> acked;
  for (int i = 1; i <= 7; ++i) {
    acked.push_back(Exchange(device, WriteValue(0x0500, static_cast<std::uint16_t>(i))) == kAck);
    EXPECT_EQ(device.State().store[5][0], i);
  }
  EXPECT_EQ(acked, (std::vector<bool>{true, true, false, true, true, false, true}));
  // Replies are not acknowledgements: they are never dropped.
  EXPECT_EQ(Exchange(device, kReadReverb), kReverbReply);
  EXPECT_EQ(Exchange(device, kReadReverb), kReverbReply);
}

TEST(SimFaults, WrongCheckByteOnEveryNthReply) {
  struct Case {
    std::size_t every;
    std::vector<bool> checkOk;  // of five replies in a row
  };
  const Case cases[] = {
      {1, {false, false, false, false, false}},
      {2, {true, false, true, false, true}},
      {0, {true, true, true, true, true}},
  };
  for (const Case& c : cases) {
    FaultOptions faults;
    faults.badCheckEveryNthReply = c.every;
    Device device(faults);
    std::vector<bool> checkOk;
    for (int i = 0; i < 5; ++i) {
      const Bytes reply = Exchange(device, kReadReverb);
      ASSERT_EQ(reply.size(), kReverbReply.size());
      // Only the check byte differs.
      EXPECT_TRUE(std::equal(reply.begin(), reply.end() - 1, kReverbReply.begin()));
      checkOk.push_back(reply.back() == 0x8F);
      // Acknowledgements are not touched.
      EXPECT_EQ(Exchange(device, kKeepAlive), kAck);
    }
    EXPECT_EQ(checkOk, c.checkOk) << "every " << c.every;
  }
}

TEST(SimFaults, JunkBytesLeadEveryFrameSent) {
  FaultOptions faults;
  faults.junkBytes = 3;
  Device device(faults);
  EXPECT_EQ(Exchange(device, kKeepAlive), (Bytes{0x00, 0x55, 0xAA, 0xFE, 0xBB}));
  Bytes expected = {0x00, 0x55, 0xAA};
  expected.insert(expected.end(), kReverbReply.begin(), kReverbReply.end());
  EXPECT_EQ(Exchange(device, kReadReverb), expected);
}

TEST(SimFaults, JunkNeverLooksLikeAFrameStart) {
  for (const std::uint8_t b : JunkBytes(1000)) {
    EXPECT_NE(b, 0xFC);
    EXPECT_NE(b, 0xFE);
  }
}

TEST(SimFaults, ByteByByteDeliveryPacesEveryByte) {
  FaultOptions faults;
  faults.byteDelay = 2ms;
  Device device(faults);
  device.Receive(kReadReverb, 10ms);
  Bytes received;
  // The first byte leaves at once, each further one 2 ms after the one before.
  for (Millis t = 10ms; t <= 10ms + 2ms * 22; t += 1ms) {
    const Bytes out = device.TakeOutput(t);
    const bool onBeat = (t - 10ms).count() % 2 == 0;
    EXPECT_EQ(out.size(), onBeat ? 1u : 0u) << "at " << t.count() << " ms";
    received.insert(received.end(), out.begin(), out.end());
  }
  EXPECT_EQ(received, kReverbReply);
  EXPECT_FALSE(device.NextOutputTime().has_value());
}

TEST(SimFaults, ByteDelayKeepsFramesInOrderAndReportsTheNextDueTime) {
  FaultOptions faults;
  faults.byteDelay = 5ms;
  Device device(faults);
  device.Receive(kKeepAlive, 0ms);
  device.Receive(kKeepAlive, 1ms);  // before the first ack has left
  EXPECT_EQ(device.NextOutputTime(), 0ms);
  EXPECT_EQ(device.TakeOutput(0ms), (Bytes{0xFE}));
  EXPECT_EQ(device.NextOutputTime(), 5ms);
  EXPECT_EQ(device.TakeOutput(14ms), (Bytes{0xBB, 0xFE}));
  EXPECT_EQ(device.NextOutputTime(), 15ms);
  EXPECT_EQ(device.TakeOutput(15ms), (Bytes{0xBB}));
  // A frame long after the last byte leaves at once again.
  device.Receive(kKeepAlive, 100ms);
  EXPECT_EQ(device.TakeOutput(100ms), (Bytes{0xFE}));
}

TEST(SimFaults, AcknowledgementsLeaveLateAndNothingOvertakesThem) {
  FaultOptions faults;
  faults.ackDelay = 30ms;
  Device device(faults);
  device.Receive(kKeepAlive, 100ms);
  EXPECT_EQ(device.NextOutputTime(), 130ms);
  EXPECT_TRUE(device.TakeOutput(129ms).empty());
  EXPECT_EQ(device.TakeOutput(130ms), kAck);

  // A reply asked for while an ack is still held back waits behind it.
  device.Receive(kKeepAlive, 200ms);
  device.Receive(kReadReverb, 210ms);
  EXPECT_TRUE(device.TakeOutput(220ms).empty());
  Bytes expected = kAck;
  expected.insert(expected.end(), kReverbReply.begin(), kReverbReply.end());
  EXPECT_EQ(device.TakeOutput(230ms), expected);
  // Replies on their own are not delayed.
  EXPECT_EQ(Exchange(device, kReadReverb, 300ms), kReverbReply);
}

TEST(SimFaults, SilentDeviceTakesNothingUntilItAnswersAgain) {
  Device device;
  device.SetSilent(true);
  EXPECT_TRUE(Exchange(device, kKeepAlive).empty());
  EXPECT_TRUE(Exchange(device, WriteValue(0x0500, 5)).empty());
  EXPECT_NE(device.State().store[5][0], 5);
  device.SetSilent(false);
  EXPECT_EQ(Exchange(device, kKeepAlive), kAck);
}

TEST(SimFaults, GoingSilentStillDeliversBytesAlreadyOnTheirWay) {
  FaultOptions faults;
  faults.ackDelay = 10ms;
  Device device(faults);
  device.Receive(kKeepAlive, 0ms);
  device.SetSilent(true);
  EXPECT_EQ(device.TakeOutput(10ms), kAck);
}

}  // namespace
}  // namespace fenwave::sim
