// The receive side: assembling frames from arriving bytes and applying the replies.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <tuple>

#include "support/LinkHarness.h"

namespace fenwave {
namespace {

using fakes::LinkHarness;

// A CommandFrame with its check byte worked out here, independently of the code under test.
Bytes Frame(std::uint8_t type, int module, int slot, const Bytes& payload) {
  Bytes frame = {0xFC,
                 0xB1,
                 static_cast<std::uint8_t>(payload.size() + 4),
                 type,
                 static_cast<std::uint8_t>(module),
                 static_cast<std::uint8_t>(slot)};
  frame.insert(frame.end(), payload.begin(), payload.end());
  unsigned sum = 0xFC + type + static_cast<unsigned>(module) + static_cast<unsigned>(slot);
  for (const std::uint8_t b : payload)
    sum += b;
  frame.push_back(static_cast<std::uint8_t>((sum & 0xFF) ^ 0xB1));
  return frame;
}

class Receive : public ::testing::Test {
 protected:
  void Feed(const Bytes& bytes) { h.link.OnBytesArrived(bytes); }
  LinkHarness h;
};

TEST_F(Receive, DropRulesOfTheAssembler) {
  struct Case {
    const char* name;
    Bytes bytes;
    bool ack;
    int storedAt0500;  // DeviceImage block 5 entry 0 afterwards
  };
  const Case cases[] = {
      {"FE BB", {0xFE, 0xBB}, true, 0},
      {"FE AA", {0xFE, 0xAA}, true, 0},
      {"FE with another byte", {0xFE, 0x00}, false, 0},
      {"FE takes a following FC with it",
       {0xFE, 0xFC, 0xB1, 0x06, 0xA7, 0x05, 0x00, 0x32, 0x00, 0x6B},
       false,
       0},
      {"junk before FC",
       {0x00, 0x11, 0xB1, 0xFC, 0xB1, 0x06, 0xA7, 0x05, 0x00, 0x32, 0x00, 0x6B},
       false,
       50},
      {"bad type drops four bytes", {0xFC, 0xB1, 0xFE, 0xBB}, false, 0},
      {"hunting resumes after the four", {0xFC, 0xB1, 0x06, 0x55, 0xFE, 0xBB}, true, 0},
      {"bad second header byte", {0xFC, 0x00, 0x06, 0xA7, 0x05, 0x00, 0x32, 0x00, 0x6B}, false, 0},
      {"LEN below 4 expects no body",
       {0xFC, 0xB1, 0x03, 0xA7, 0xFC, 0xB1, 0x06, 0xA7, 0x05, 0x00, 0x32, 0x00, 0x6B},
       false,
       50},
  };
  for (const Case& c : cases) {
    LinkHarness fresh;
    fresh.link.OnBytesArrived(c.bytes);
    EXPECT_EQ(fresh.link.AckReceived(), c.ack) << c.name;
    EXPECT_EQ(fresh.link.HandshakeSeen(), c.ack) << c.name;
    EXPECT_EQ(fresh.model.DeviceValue(5, 0), c.storedAt0500) << c.name;
    EXPECT_EQ(fresh.link.Memo2().Lines().empty(), c.storedAt0500 == 0) << c.name;
  }
}

TEST_F(Receive, OnlyArrivedBytesCountAndAFollowingAckInTheSameBurstIsTakenAtOnce) {
  const Bytes frame = {0xFC, 0xB1, 0x0A, 0xA7, 0x03, 0x02, 0x01,
                       0x00, 0x02, 0x00, 0x03, 0x00, 0x1F};
  for (std::size_t i = 0; i + 1 < frame.size(); ++i) {
    Feed({frame[i]});
    EXPECT_EQ(h.model.DeviceValue(3, 2), 0);
  }
  Feed({frame.back()});
  EXPECT_EQ(h.model.DeviceValue(3, 2), 1);
  EXPECT_EQ(h.link.Memo2().Lines().back(), "缓存长度K:C:L=9 9 9");

  Bytes burst = Frame(0xA7, 4, 1, {0x09, 0x00});
  burst.insert(burst.end(), {0xFE, 0xBB});
  Feed(burst);
  EXPECT_EQ(h.model.DeviceValue(4, 1), 9);
  EXPECT_EQ(h.link.Memo2().Lines().back(), "缓存长度K:C:L=7 7 5");
  EXPECT_TRUE(h.link.AckReceived());
}

TEST_F(Receive, ModuleRepliesStoreARunOfValuesFromTheirSlot) {
  // Module 3, slot 2, LEN 10: three values; then LEN 9: the odd last byte is ignored.
  Feed({0xFC, 0xB1, 0x0A, 0xA7, 0x03, 0x02, 0x01, 0x00, 0x02, 0x00, 0x03, 0x00, 0x1F});
  EXPECT_EQ(h.model.DeviceValue(3, 2), 1);
  EXPECT_EQ(h.model.DeviceValue(3, 3), 2);
  EXPECT_EQ(h.model.DeviceValue(3, 4), 3);
  EXPECT_EQ(h.model.DeviceValue(3, 5), 0);

  Feed({0xFC, 0xB1, 0x09, 0xA0, 0x03, 0x06, 0xFF, 0xFF, 0x02, 0x00, 0x07, 0x1D});
  EXPECT_EQ(h.model.DeviceValue(3, 6), 65535);  // unsigned, either frame type
  EXPECT_EQ(h.model.DeviceValue(3, 7), 2);
  EXPECT_EQ(h.model.DeviceValue(3, 8), 0);
}

TEST_F(Receive, ACheckMismatchIsLoggedInThreeLinesAndTheFrameStillApplied) {
  Feed({0xFC, 0xB1, 0x0A, 0xA7, 0x03, 0x02, 0x01, 0x00, 0x02, 0x00, 0x03, 0x00, 0x00});
  EXPECT_EQ(h.model.DeviceValue(3, 4), 3);
  EXPECT_EQ(h.link.Memo2().Lines(), (std::deque<std::string>{
                                        "缓存长度K:C:L=9 9 9",
                                        "3********************",
                                        "校验数据匹配不一致:31得到的验证数据：0",
                                        "接收到的错误数据：FC B1 0A A7 03 02 01 00 02 00 03 00 00",
                                    }));
}

TEST_F(Receive, SystemRepliesBySlot) {
  struct Case {
    const char* name;
    int module, slot;
    Bytes payload;
    std::optional<std::tuple<int, int, int>> stored;  // block, entry, value
  };
  const Case cases[] = {
      {"single value", 9, 3, {0x34, 0x12}, std::tuple{9, 3, 0x1234}},
      {"everyday volume", 9, 32, {0x05, 0x00}, std::tuple{9, 32, 5}},
      {"reserved module", 10, 3, {0x07, 0x00}, std::tuple{10, 3, 7}},
      {"one byte is too short", 9, 20, {0x07}, std::nullopt},
      {"slot 1 ignored", 9, 1, {0x07, 0x00}, std::nullopt},
      {"slot 2 ignored", 9, 2, {0x07, 0x00}, std::nullopt},
      {"slot 15 ignored", 9, 15, {0x07, 0x00}, std::nullopt},
      {"slot 16 ignored", 9, 16, {0x07, 0x00}, std::nullopt},
      {"slot 48 ignored", 9, 48, {0x07, 0x00}, std::nullopt},
      {"slot above 48 ignored", 9, 0x41, {0x07, 0x00}, std::nullopt},
      {"module above 10 not stored", 11, 3, {0x07, 0x00}, std::nullopt},
      {"module 255 not stored", 255, 200, {0x07, 0x00}, std::nullopt},
  };
  for (const Case& c : cases) {
    LinkHarness fresh;
    DeviceImageTable expected = fresh.model.DeviceImage();
    if (c.stored) {
      const auto [block, entry, value] = *c.stored;
      expected[static_cast<std::size_t>(block)][static_cast<std::size_t>(entry)] = value;
    }
    fresh.link.OnBytesArrived(Frame(0xA7, c.module, c.slot, c.payload));
    EXPECT_EQ(fresh.model.DeviceImage(), expected) << c.name;
  }
}

TEST_F(Receive, PasswordAndManagementCodeTexts) {
  Feed(Frame(0xA7, 9, 4, {1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(h.link.SystemPassword(), "123456");
  Feed(Frame(0xA7, 9, 4, {12, 0, 255}));
  EXPECT_EQ(h.link.SystemPassword(), "120255");
  Feed(Frame(0xA7, 9, 5, {9, 8, 7, 6}));
  EXPECT_EQ(h.link.KeypadPassword(), "9876");
  Feed(Frame(0xA7, 9, 5, {}));
  EXPECT_EQ(h.link.KeypadPassword(), "");

  Feed(Frame(0xA7, 9, 0x40, {0x12, 0xAB, 0x00, 0xFF}));
  EXPECT_EQ(h.view.deviceIdCaption, "12AB00FF");
  Feed(Frame(0xA7, 9, 0x40, {0x01, 0x02, 0x03}));  // too short: the caption stays
  EXPECT_EQ(h.view.deviceIdCaption, "12AB00FF");
}

TEST_F(Receive, ValuesBeyondTheBlockAreNotStored) {
  DeviceImageTable expected = h.model.DeviceImage();
  expected[0][110] = 1;
  expected[0][111] = 2;
  expected[0][112] = 3;
  Feed(Frame(0xA7, 0, 110, {1, 0, 2, 0, 3, 0, 4, 0, 5, 0}));
  Feed(Frame(0xA7, 8, 255, {1, 0, 2, 0}));
  EXPECT_EQ(h.model.DeviceImage(), expected);
}

TEST_F(Receive, AModeNameWithNoNameRequestedIsDropped) {
  Feed(Frame(0xA7, 9, 0, {0x21, 0x22}));
  for (const std::string& name : h.link.ModeNames())
    EXPECT_EQ(name, "");
}

TEST_F(Receive, AFrameCutShortIsGivenUpAndDoesNotSwallowTheFramesAfterIt) {
  Feed({0xFC, 0xB1, 0xFF, 0xA7, 0x03, 0x02});  // expects 254 body bytes that never come
  for (int i = 0; i < 25; ++i)
    h.link.HoldTick();  // half a second of ticks
  Feed({0xFE, 0xBB});
  EXPECT_TRUE(h.link.AckReceived());
  Feed(Frame(0xA7, 4, 7, {0x34, 0x12}));
  EXPECT_EQ(h.model.DeviceValue(4, 7), 0x1234);
  EXPECT_EQ(h.model.DeviceValue(3, 2), 0);
}

TEST_F(Receive, ArbitraryBytesNeverWriteOutOfBoundsAndTheLinkGoesOnWorking) {
  std::mt19937 rng(0x5EED);
  const auto byte = [&rng] { return static_cast<std::uint8_t>(rng() & 0xFF); };
  const auto randomPayload = [&](std::size_t maxLength) {
    Bytes payload(rng() % (maxLength + 1));
    for (std::uint8_t& b : payload)
      b = byte();
    return payload;
  };
  for (int iteration = 0; iteration < 4000; ++iteration) {
    Bytes chunk;
    switch (rng() % 6) {
    case 0:  // noise
      chunk = randomPayload(40);
      break;
    case 1:  // a well-formed frame for any module and slot
      chunk = Frame(rng() % 2 ? 0xA7 : 0xA0, byte(), byte(), randomPayload(120));
      break;
    case 2: {  // a frame cut short
      chunk = Frame(0xA7, byte() % 12, byte(), randomPayload(60));
      chunk.resize(rng() % chunk.size());
      break;
    }
    case 3:  // a header whose LEN promises more (or less) than follows
      chunk = {0xFC, 0xB1, byte(), static_cast<std::uint8_t>(rng() % 2 ? 0xA7 : 0xA0)};
      for (const std::uint8_t b : randomPayload(20))
        chunk.push_back(b);
      break;
    case 4:  // acknowledgements, good and bad
      chunk = {0xFE, static_cast<std::uint8_t>(rng() % 2 ? 0xBB : byte())};
      break;
    default:  // header bytes in odd places
      chunk = {0xFC, 0xFE, byte(), 0xFC, 0xB1, byte()};
      break;
    }
    // Delivered in arbitrary pieces, with time passing now and then.
    std::size_t at = 0;
    while (at < chunk.size()) {
      const std::size_t n = std::min<std::size_t>(chunk.size() - at, 1 + rng() % 16);
      h.link.OnBytesArrived(std::span<const std::uint8_t>(chunk).subspan(at, n));
      at += n;
    }
    if (rng() % 8 == 0) h.link.HoldTick();
  }
  for (const std::string& name : h.link.ModeNames())
    EXPECT_LE(name.size(), 20u);
  EXPECT_LE(h.link.Memo2().Lines().size(), h.link.Memo2().Capacity());

  // Whatever was left half-assembled ages out; then the link recognises clean frames.
  for (int i = 0; i < 25; ++i)
    h.link.HoldTick();
  h.link.LinkBtnClick(LinkButton::LinkBtn);  // clears HandshakeSeen
  ASSERT_FALSE(h.link.HandshakeSeen());
  Feed({0xFE, 0xBB});
  EXPECT_TRUE(h.link.HandshakeSeen());
  Feed({0xFC, 0xB1, 0x06, 0xA7, 0x04, 0x07, 0x34, 0x12, 0x45});
  EXPECT_EQ(h.model.DeviceValue(4, 7), 0x1234);
}

TEST(DiagnosticLog, KeepsOnlyTheNewestLines) {
  DiagnosticLog log(3);
  for (int i = 0; i < 5; ++i)
    log.Append("line " + std::to_string(i));
  EXPECT_EQ(log.Lines(), (std::deque<std::string>{"line 2", "line 3", "line 4"}));
  EXPECT_EQ(log.AppendedCount(), 5u);
}

}  // namespace
}  // namespace fenwave
