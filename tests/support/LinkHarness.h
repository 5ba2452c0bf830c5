// A device link wired to the fakes, with a simulated clock that fires the link's timers and
// delivers a fake device's answers between ticks, as the event loop would.
#pragma once

#include <functional>
#include <string>

#include "link/DeviceLink.h"
#include "model/ParameterModel.h"
#include "support/FakeDialogs.h"
#include "support/FakeLinkTimers.h"
#include "support/FakeLinkView.h"
#include "support/FakeSerialPort.h"

namespace fenwave::fakes {

// What the answering device says back; every field may be changed by a test.
struct DeviceAnswers {
  std::string port = "COM1";  // the only port the device listens on
  bool answerReads = true;
  bool acknowledgeWrites = true;
  // Value the device reports for block entry e of module m.
  std::function<std::uint16_t(int module, int entry)> blockValue = [](int m, int e) {
    return static_cast<std::uint16_t>(m * 100 + e);
  };
  // Payload of the name of mode k as the device sends it (each character 0x20 lower).
  std::function<Bytes(int mode)> modeNamePayload = [](int k) {
    Bytes payload;
    for (const char c : "MODE" + std::to_string(k)) {
      payload.push_back(static_cast<std::uint8_t>(c - 0x20));
    }
    return payload;
  };
  Bytes systemPassword = {1, 2, 3, 4, 5, 6};
  Bytes keypadPassword = {9, 8, 7, 6};
  Bytes deviceCode = {0x12, 0xAB, 0x00, 0xFF};
};

// The bytes a device answering `written` sends back (empty when it stays silent).
[[nodiscard]] Bytes AnswerOf(const DeviceAnswers& answers, const Bytes& written);

class LinkHarness {
 public:
  LinkHarness();
  LinkHarness(const LinkHarness&) = delete;
  LinkHarness& operator=(const LinkHarness&) = delete;

  // Lets time pass: every millisecond the device's queued answers arrive, then due timers fire.
  void Advance(int milliseconds);
  // Bytes arriving from the device now.
  void Feed(const Bytes& bytes) { port.Feed(bytes); }
  void Ack() { Feed({0xFE, 0xBB}); }

  // A device on `answers.port` that answers every frame it is sent.
  void UseAnsweringDevice();
  // Ports {"COM1"} with an answering device, LinkBtn, and time until the link is ready; then
  // the device falls silent and the captured writes and boxes are cleared. The link still holds
  // the acknowledgement of its connect request, so the next change is written at once.
  void ConnectQuietly();

  ParameterModel model;
  FakeSerialPort port;
  FakeLinkTimers timers;
  FakeLinkView view;
  FakeDialogs dialogs;
  DeviceAnswers answers;
  DeviceLink link;
};

}  // namespace fenwave::fakes
