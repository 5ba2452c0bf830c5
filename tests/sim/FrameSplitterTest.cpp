// The device's incoming-frame splitter: frames split across arrivals, junk, truncated and
// corrupted frames, and a partial frame that is never completed.
#include <gtest/gtest.h>

#include <chrono>

#include "sim/FrameSplitter.h"

namespace fenwave::sim {
namespace {

using namespace std::chrono_literals;
using Frames = std::vector<Bytes>;

const Bytes kConnect = {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x30, 0x11, 0x00, 0x5C};
const Bytes kSetMainLevel = {0xFC, 0xB1, 0x06, 0xA7, 0x05, 0x00, 0x32, 0x00, 0x6B};
const Bytes kReadCode = {0xFC, 0xB1, 0x04, 0xA0, 0x09, 0x40, 0x54};

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

TEST(SimFrameSplitter, CutsTheStreamIntoFrames) {
  FrameSplitter splitter;
  EXPECT_EQ(splitter.Push(Join({kConnect, kReadCode, kSetMainLevel}), 0ms),
            (Frames{kConnect, kReadCode, kSetMainLevel}));
  EXPECT_EQ(splitter.Buffered(), 0u);
  EXPECT_EQ(splitter.DroppedBytes(), 0u);
}

TEST(SimFrameSplitter, AssemblesAFrameArrivingByteByByte) {
  FrameSplitter splitter;
  for (std::size_t i = 0; i + 1 < kSetMainLevel.size(); ++i)
    EXPECT_TRUE(splitter.Push(Bytes{kSetMainLevel[i]}, std::chrono::milliseconds(i)).empty()) << i;
  EXPECT_EQ(splitter.Push(Bytes{kSetMainLevel.back()}, 9ms), Frames{kSetMainLevel});
}

TEST(SimFrameSplitter, ResynchronisesAfterJunk) {
  struct Case {
    const char* what;
    Bytes junk;
  };
  const Case cases[] = {
      {"plain junk", {0x00, 0x13, 0x37, 0xB1}},
      {"a lone FC", {0xFC, 0x00}},
      {"FC FC", {0xFC, 0xFC}},
      {"a header with LEN below 4", {0xFC, 0xB1, 0x03, 0xA7}},
      {"a header with LEN 0", {0xFC, 0xB1, 0x00}},
      {"an acknowledgement", {0xFE, 0xBB}},
  };
  for (const Case& c : cases) {
    FrameSplitter splitter;
    EXPECT_EQ(splitter.Push(Join({c.junk, kConnect, c.junk, kReadCode}), 0ms),
              (Frames{kConnect, kReadCode}))
        << c.what;
    EXPECT_EQ(splitter.DroppedBytes(), 2 * c.junk.size()) << c.what;
  }
}

TEST(SimFrameSplitter, FindsTheFrameBehindATruncatedOne) {
  FrameSplitter splitter;
  const Bytes truncated(kSetMainLevel.begin(), kSetMainLevel.begin() + 5);
  // The truncated frame's LEN takes bytes of the next frame; its check fails, and the hunt
  // resumes inside those bytes.
  EXPECT_EQ(splitter.Push(Join({truncated, kConnect, kReadCode}), 0ms),
            (Frames{kConnect, kReadCode}));
  EXPECT_EQ(splitter.DroppedBytes(), truncated.size());
}

TEST(SimFrameSplitter, DropsAFrameWithAWrongCheckByte) {
  FrameSplitter splitter;
  Bytes corrupted = kSetMainLevel;
  corrupted[6] = 0x33;  // value changed on the way, check byte not
  EXPECT_EQ(splitter.Push(Join({corrupted, kConnect}), 0ms), Frames{kConnect});
}

TEST(SimFrameSplitter, WaitsForAFrameWhoseLengthPromisesMore) {
  FrameSplitter splitter;
  // A block write announcing 0xDA more bytes: the frame after it is held back while the
  // rest may still come ...
  const Bytes longStart = {0xFC, 0xB1, 0xDA, 0xA7, 0x09, 0x0F, 0x00, 0x00};
  EXPECT_TRUE(splitter.Push(longStart, 0ms).empty());
  EXPECT_TRUE(splitter.Push(kConnect, 50ms).empty());
  // ... and found once the long frame is given up after a pause.
  EXPECT_EQ(splitter.Push(kReadCode, 200ms), (Frames{kConnect, kReadCode}));
  EXPECT_EQ(splitter.Buffered(), 0u);
}

TEST(SimFrameSplitter, APauseInsideAFrameGivesItUp) {
  FrameSplitter splitter;
  const Bytes firstHalf(kSetMainLevel.begin(), kSetMainLevel.begin() + 4);
  const Bytes secondHalf(kSetMainLevel.begin() + 4, kSetMainLevel.end());
  EXPECT_TRUE(splitter.Push(firstHalf, 0ms).empty());
  EXPECT_TRUE(splitter.Push(secondHalf, 500ms).empty());
  EXPECT_EQ(splitter.Push(kConnect, 501ms), Frames{kConnect});

  // Within the allowed pause the halves still make a frame.
  FrameSplitter patient;
  EXPECT_TRUE(patient.Push(firstHalf, 0ms).empty());
  EXPECT_EQ(patient.Push(secondHalf, 100ms), Frames{kSetMainLevel});
}

}  // namespace
}  // namespace fenwave::sim
