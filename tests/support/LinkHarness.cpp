#include "support/LinkHarness.h"

namespace fenwave::fakes {
namespace {

Bytes Ack() {
  return {0xFE, 0xBB};
}

Bytes ReplyFrame(ParamAddress address, const Bytes& payload) {
  return BuildFrame(0xA7, address, payload);
}

Bytes Word(std::uint16_t v) {
  return {static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>(v >> 8)};
}

}  // namespace

Bytes AnswerOf(const DeviceAnswers& answers, const Bytes& written) {
  const ParsedFrame frame = ParseFrame(written);
  if (!frame.valid) return {};
  const ParamAddress address = MakeAddress(frame.module, frame.slot);
  if (frame.type == 0xA7) {
    if (address == 0x0930 && !frame.payload.empty() && frame.payload[0] == 0xAA) return {};
    return answers.acknowledgeWrites ? Ack() : Bytes{};
  }
  if (!answers.answerReads) return {};
  if (address == 0x0910 && !frame.payload.empty()) {
    const int m = frame.payload[0];
    const int count =
        ModuleSlotCount[static_cast<std::size_t>(m % kModuleCount)] + (m == 0 ? 52 : 0);
    Bytes payload;
    for (int e = 0; e < count; ++e) {
      const Bytes w = Word(answers.blockValue(m, e));
      payload.insert(payload.end(), w.begin(), w.end());
    }
    return ReplyFrame(MakeAddress(m, 0), payload);
  }
  if (address == 0x0900 && !frame.payload.empty()) {
    return ReplyFrame(0x0900, answers.modeNamePayload(frame.payload[0]));
  }
  if (address == 0x0904) return ReplyFrame(address, answers.systemPassword);
  if (address == 0x0905) return ReplyFrame(address, answers.keypadPassword);
  if (address == 0x0940) return ReplyFrame(address, answers.deviceCode);
  return ReplyFrame(address, Word(static_cast<std::uint16_t>(answers.blockValue(9, frame.slot))));
}

LinkHarness::LinkHarness() : link(model, port, timers, view, dialogs) {
  port.SetReceiver([this](std::span<const std::uint8_t> bytes) { link.OnBytesArrived(bytes); });
}

void LinkHarness::Advance(int milliseconds) {
  for (int i = 0; i < milliseconds; ++i) {
    port.DeliverPending();
    timers.Advance(1, [this](LinkTimer timer) {
      switch (timer) {
      case LinkTimer::Timer1:
        link.Timer1Tick();
        break;
      case LinkTimer::Timer2:
        link.Timer2Tick();
        break;
      case LinkTimer::HoldTimer:
        link.HoldTick();
        break;
      }
    });
  }
}

void LinkHarness::UseAnsweringDevice() {
  port.SetResponder([this](const std::string& name, const Bytes& written) {
    return name == answers.port ? AnswerOf(answers, written) : Bytes{};
  });
}

void LinkHarness::ConnectQuietly() {
  link.SetPortList({answers.port});
  UseAnsweringDevice();
  link.LinkBtnClick(LinkButton::LinkBtn);
  for (int ms = 0; ms < 20000 && link.State() != LinkState::Ready; ms += 10)
    Advance(10);
  port.SetResponder({});
  port.DeliverPending();
  port.ClearWrites();
  dialogs.Clear();
}

}  // namespace fenwave::fakes
