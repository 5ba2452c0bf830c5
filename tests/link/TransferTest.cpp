// The transfer sequencer: the full read, the reload after a mode recall and the upload.
#include <gtest/gtest.h>

#include "support/LinkHarness.h"

namespace fenwave {
namespace {

using fakes::AnswerOf;
using fakes::LinkHarness;

struct Request {
  std::uint8_t type;
  ParamAddress address;
  Bytes payload;
  bool operator==(const Request&) const = default;
};

Request RequestOf(const Bytes& frame) {
  return {frame.at(3), frame.at(4) * 256 + frame.at(5), Bytes(frame.begin() + 6, frame.end() - 1)};
}

std::vector<Request> RequestsOf(const std::vector<Bytes>& writes) {
  std::vector<Request> requests;
  for (const Bytes& w : writes)
    requests.push_back(RequestOf(w));
  return requests;
}

std::vector<Request> FullReadRequests() {
  std::vector<Request> requests;
  for (std::uint8_t m = 0; m <= 8; ++m)
    requests.push_back({0xA0, 0x0910, {m, 0x00}});
  for (std::uint8_t k = 0; k <= 14; ++k)
    requests.push_back({0xA0, 0x0900, {k, 0x00}});
  for (ParamAddress a = 0x0901; a <= 0x090E; ++a)
    requests.push_back({0xA0, a, {}});
  for (ParamAddress a = 0x0920; a <= 0x0922; ++a)
    requests.push_back({0xA0, a, {}});
  requests.push_back({0xA0, 0x0940, {}});
  return requests;
}

std::uint8_t CheckOf(const Bytes& frame) {
  unsigned sum = frame[0];
  for (std::size_t i = 3; i + 1 < frame.size(); ++i)
    sum += frame[i];
  return static_cast<std::uint8_t>((sum & 0xFF) ^ 0xB1);
}

// LinkBtn with one port whose device answers through `respond`; the full read starts at 2 s.
void StartSearch(LinkHarness& h, fakes::FakeSerialPort::Responder respond) {
  h.link.SetPortList({"COM1"});
  h.port.SetResponder(std::move(respond));
  h.link.LinkBtnClick(LinkButton::LinkBtn);
}

TEST(Transfer, FullReadIssuesTheFortyTwoRequestsInOrderEvenWhenRepliesFailTheirCheck) {
  for (const bool corrupt : {false, true}) {
    LinkHarness h;
    StartSearch(h, [&](const std::string&, const Bytes& written) {
      Bytes answer = AnswerOf(h.answers, written);
      if (corrupt && answer.size() > 2) answer.back() ^= 0x5A;
      return answer;
    });
    h.Advance(6199);  // request k goes out at 2 s + (k − 1) × 100 ms
    EXPECT_EQ(h.link.State(), LinkState::NotReady);
    h.Advance(1);
    ASSERT_EQ(h.link.State(), LinkState::Ready) << corrupt;
    const std::vector<Request> requests = RequestsOf(h.port.Writes());
    ASSERT_EQ(requests.size(), 43u);
    EXPECT_EQ(std::vector<Request>(requests.begin() + 1, requests.end()), FullReadRequests());
    EXPECT_EQ(h.view.refreshes, (std::vector<int>{20}));

    EXPECT_EQ(h.model.DeviceValue(0, 105), 105);
    EXPECT_EQ(h.model.DeviceValue(8, 52), 852);
    EXPECT_EQ(h.model.DeviceValue(9, 33), 933);
    EXPECT_EQ(h.link.ModeNames()[0], "MODE0");
    EXPECT_EQ(h.link.ModeNames()[14], "MODE14");
    EXPECT_EQ(h.link.ModeNames()[15], "");
    EXPECT_EQ(h.link.SystemPassword(), "123456");
    EXPECT_EQ(h.link.KeypadPassword(), "9876");
    EXPECT_EQ(h.view.deviceIdCaption, "12AB00FF");
    EXPECT_EQ(h.link.ModeNameIndex(), 0);

    std::size_t mismatches = 0;
    for (const std::string& line : h.link.Memo2().Lines()) {
      if (line.rfind("校验数据匹配不一致:", 0) == 0) ++mismatches;
    }
    EXPECT_EQ(mismatches, corrupt ? 42u : 0u);
  }
}

TEST(Transfer, ModeNamesAreCutAtTwentyAndBytesPast0x5FShowAsQuestionMarks) {
  LinkHarness h;
  h.answers.modeNamePayload = [](int k) -> Bytes {
    if (k == 0) {
      Bytes payload;
      for (std::uint8_t b = 0x21; b < 0x21 + 25; ++b)
        payload.push_back(b);
      return payload;
    }
    if (k == 1) return {0x21, 0x22};
    return {0x60, 0xFF, 0x00, 0x5F};
  };
  h.ConnectQuietly();
  EXPECT_EQ(h.link.ModeNames()[0], "ABCDEFGHIJKLMNOPQRST");
  EXPECT_EQ(h.link.ModeNames()[1], "AB");
  EXPECT_EQ(h.link.ModeNames()[2], "?? \x7F");
}

TEST(Transfer, ProgressShowsStepIndexOverStepCountWithHalvesToEven) {
  LinkHarness h;
  h.ConnectQuietly();
  h.UseAnsweringDevice();
  h.view.progress.clear();
  h.link.SendParameter(0x0902, 4);  // mode recall: the reload of modules 0..8 follows
  EXPECT_EQ(h.port.Writes()[0], (Bytes{0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x02, 0x04, 0x00, 0x03}));
  EXPECT_EQ(h.link.LinkStatusText(), "加载中...");
  EXPECT_EQ(h.link.State(), LinkState::NotReady);
  h.Advance(2000);
  std::vector<int> shown;
  for (const int p : h.view.progress) {
    if (shown.empty() || shown.back() != p) shown.push_back(p);
  }
  EXPECT_EQ(shown, (std::vector<int>{0, 12, 25, 38, 50, 62, 75, 88, 100}));
}

TEST(Transfer, AReloadCompletesOnTheReplyToModule8WithoutAskingForNames) {
  LinkHarness h;
  h.ConnectQuietly();
  h.UseAnsweringDevice();
  h.link.SendParameter(0x0902, 4);
  h.Advance(1100);
  ASSERT_EQ(h.link.State(), LinkState::Ready);
  EXPECT_EQ(h.link.LinkStatusText(), "设备已连接");
  std::vector<Request> expected = {{0xA7, 0x0902, {0x04, 0x00}}};
  for (std::uint8_t m = 0; m <= 8; ++m)
    expected.push_back({0xA0, 0x0910, {m, 0x00}});
  EXPECT_EQ(RequestsOf(h.port.Writes()), expected);
  EXPECT_EQ(h.view.refreshes, (std::vector<int>{20, 20}));
}

TEST(Transfer, NoAnswerToStep0RepeatsItAfter1100msAndFails10sLater) {
  LinkHarness h;
  h.answers.answerReads = false;
  StartSearch(h, [&](const std::string&, const Bytes& w) { return AnswerOf(h.answers, w); });
  const Bytes readModule0 = {0xFC, 0xB1, 0x06, 0xA0, 0x09, 0x10, 0x00, 0x00, 0x04};
  h.Advance(3099);
  EXPECT_EQ(h.port.Writes().size(), 2u);
  h.Advance(1);
  ASSERT_EQ(h.port.Writes().size(), 3u);
  EXPECT_EQ(h.port.Writes()[2], readModule0);
  h.Advance(9999);
  EXPECT_TRUE(h.dialogs.ShownBoxes().empty());
  h.Advance(1);
  ASSERT_EQ(h.dialogs.Texts(), (std::vector<std::string>{"连接失败!"}));
  EXPECT_EQ(h.dialogs.ShownBoxes()[0].owner, DialogOwner::StatusWindow);
  EXPECT_FALSE(h.timers.IsRunning(LinkTimer::Timer2));
  EXPECT_FALSE(h.view.statusVisible);
  EXPECT_EQ(h.link.LinkStatusText(), "设备未连接");
  EXPECT_EQ(h.port.Writes().size(), 3u);
}

TEST(Transfer, NoAnswerToALaterStepIsNotRepeatedAndFailsAbout11sLater) {
  LinkHarness h;
  StartSearch(h, [&](const std::string&, const Bytes& w) {
    if (w.at(5) == 0x10 && w.at(6) == 5) return Bytes{};  // module 5 stays unanswered
    return AnswerOf(h.answers, w);
  });
  h.Advance(2500);  // the request for module 5 goes out at 2.5 s
  ASSERT_EQ(RequestOf(h.port.Writes().back()), (Request{0xA0, 0x0910, {0x05, 0x00}}));
  const std::size_t written = h.port.Writes().size();
  h.Advance(11099);
  EXPECT_TRUE(h.dialogs.ShownBoxes().empty());
  h.Advance(1);
  EXPECT_EQ(h.dialogs.Texts(), (std::vector<std::string>{"连接失败!"}));
  EXPECT_EQ(h.port.Writes().size(), written);
}

TEST(Transfer, AReadIgnoresAcknowledgementsAndStillTimesOut) {
  LinkHarness h;
  ASSERT_TRUE(h.port.Open("COM1"));
  h.link.RunLinkAction(2);
  ASSERT_EQ(h.port.Writes().size(), 1u);
  for (int i = 0; i < 110; ++i) {
    h.Ack();
    h.Advance(100);
    ASSERT_EQ(h.link.StepIndex(), 0);
    ASSERT_TRUE(h.dialogs.ShownBoxes().empty()) << i;
  }
  h.Advance(100);
  EXPECT_EQ(h.dialogs.Texts(), (std::vector<std::string>{"连接失败!"}));
  EXPECT_EQ(h.port.Writes().size(), 2u);  // step 0 and its one repeat
}

TEST(Transfer, AReplyCutShortDoesNotSpoilTheAnswerToTheRepeatedRequest) {
  LinkHarness h;
  bool cut = false;
  StartSearch(h, [&](const std::string&, const Bytes& w) {
    Bytes answer = AnswerOf(h.answers, w);
    if (!cut && w.at(3) == 0xA0) {
      cut = true;
      answer.resize(answer.size() / 2);
    }
    return answer;
  });
  h.Advance(3300);  // the repeat at 3.1 s is answered in full
  const std::vector<Request> requests = RequestsOf(h.port.Writes());
  ASSERT_GE(requests.size(), 4u);
  EXPECT_EQ(requests[3], (Request{0xA0, 0x0910, {0x01, 0x00}}));
  for (int e = 0; e < 106; ++e)
    ASSERT_EQ(h.model.DeviceValue(0, e), e) << e;
}

TEST(Transfer, UploadWritesModules0To8OnAcknowledgementsAndRefreshes) {
  LinkHarness h;
  h.ConnectQuietly();
  h.UseAnsweringDevice();
  ASSERT_TRUE(h.model.SetDeviceValue(0, 0, 0x0102));
  ASSERT_TRUE(h.model.SetDeviceValue(0, 105, 0x0304));
  ASSERT_TRUE(h.model.SetDeviceValue(8, 52, 0x0007));
  h.link.RunLinkAction(6);
  EXPECT_EQ(h.link.LinkStatusText(), "下载数据...");
  EXPECT_EQ(h.link.State(), LinkState::NotReady);

  const Bytes& block0 = h.port.Writes().at(0);
  ASSERT_EQ(block0.size(), 221u);
  EXPECT_EQ(Bytes(block0.begin(), block0.begin() + 10),
            (Bytes{0xFC, 0xB1, 0xDA, 0xA7, 0x09, 0x0F, 0x00, 0x00, 0x02, 0x01}));
  EXPECT_EQ(block0[218], 0x04);
  EXPECT_EQ(block0[219], 0x03);
  EXPECT_EQ(block0[220], CheckOf(block0));

  h.Advance(899);
  EXPECT_EQ(h.link.State(), LinkState::NotReady);
  h.Advance(1);
  EXPECT_EQ(h.link.State(), LinkState::Ready);
  const std::size_t sizes[] = {221, 167, 167, 65, 25, 119, 95, 115, 115};
  ASSERT_EQ(h.port.Writes().size(), 9u);
  for (std::size_t m = 0; m < 9; ++m) {
    EXPECT_EQ(h.port.Writes()[m].size(), sizes[m]) << m;
    EXPECT_EQ(h.port.Writes()[m][6], m);
  }
  EXPECT_EQ(h.port.Writes()[8][112], 0x07);
  EXPECT_EQ(h.view.refreshes.size(), 2u);
}

TEST(Transfer, AnUploadAlsoAdvancesOnADataReply) {
  LinkHarness h;
  h.ConnectQuietly();
  h.link.RunLinkAction(6);
  h.Advance(300);
  EXPECT_EQ(h.port.Writes().size(), 1u);
  h.Feed({0xFC, 0xB1, 0x06, 0xA7, 0x04, 0x07, 0x34, 0x12, 0x45});
  h.Advance(100);
  ASSERT_EQ(h.port.Writes().size(), 2u);
  EXPECT_EQ(h.port.Writes()[1][6], 1);
  h.Ack();
  h.Advance(100);
  EXPECT_EQ(h.port.Writes().size(), 3u);
}

TEST(Transfer, ANewReadAsksForEveryNameAfterOneWasAbandonedMidway) {
  LinkHarness h;
  StartSearch(h, [&](const std::string&, const Bytes& w) { return AnswerOf(h.answers, w); });
  while (h.link.ModeNameIndex() < 4)
    h.Advance(1);
  h.link.LinkBtnClick(LinkButton::UnLinkBtn);
  h.port.ClearWrites();
  h.link.LinkBtnClick(LinkButton::LinkBtn);
  for (int ms = 0; ms < 20000 && h.link.State() != LinkState::Ready; ++ms)
    h.Advance(1);
  std::vector<int> names;
  for (const Request& r : RequestsOf(h.port.Writes())) {
    if (r.address == 0x0900) names.push_back(r.payload.at(0));
  }
  EXPECT_EQ(names, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
}

}  // namespace
}  // namespace fenwave
