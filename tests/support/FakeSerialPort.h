// A serial port for tests: it can refuse to open, captures every write, can fail writes, and
// feeds received bytes to whoever listens, either at once or queued as the device's answers.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "link/SerialPort.h"

namespace fenwave::fakes {

class FakeSerialPort : public SerialPort {
 public:
  using Receiver = std::function<void(std::span<const std::uint8_t>)>;
  // Answers a written frame with the bytes the device would send back (empty: no answer).
  using Responder = std::function<Bytes(const std::string& port, const Bytes& written)>;

  bool Open(const std::string& name) override;
  void Close() override;
  [[nodiscard]] bool IsOpen() const override { return m_Open; }
  bool Write(const Bytes& bytes) override;
  [[nodiscard]] std::string ErrorText() const override { return m_ErrorText; }

  // --- Opening ---
  // false: every open fails (no port can be opened).
  void SetOpenResult(bool ok) { m_OpenResult = ok; }
  // This one name cannot be opened (absent or in use).
  void RefuseName(const std::string& name) { m_Refused.insert(name); }
  [[nodiscard]] const std::string& Name() const { return m_Name; }
  // Every Open call's name, successful or not.
  [[nodiscard]] const std::vector<std::string>& OpenAttempts() const { return m_OpenAttempts; }
  [[nodiscard]] int CloseCount() const { return m_CloseCount; }

  // --- Writing ---
  // Every frame written successfully, in order.
  [[nodiscard]] const std::vector<Bytes>& Writes() const { return m_Writes; }
  void ClearWrites() { m_Writes.clear(); }
  // Rejects the next write (or every write while `always`).
  void FailNextWrite() { m_FailNext = true; }
  void FailWrites(bool always) { m_FailAlways = always; }
  void SetErrorText(std::string text) { m_ErrorText = std::move(text); }
  [[nodiscard]] int FailedWrites() const { return m_FailedWrites; }

  // --- Receiving ---
  void SetReceiver(Receiver receiver) { m_Receiver = std::move(receiver); }
  // Bytes arriving now; lost when the port is closed, as with a real port.
  void Feed(const Bytes& bytes);
  // An automatic device: its answers are queued and arrive at the next DeliverPending.
  void SetResponder(Responder responder) { m_Responder = std::move(responder); }
  void DeliverPending();
  [[nodiscard]] bool HasPending() const { return !m_Pending.empty(); }

 private:
  bool m_Open = false;
  bool m_OpenResult = true;
  std::set<std::string> m_Refused;
  std::string m_Name;
  std::vector<std::string> m_OpenAttempts;
  int m_CloseCount = 0;

  std::vector<Bytes> m_Writes;
  bool m_FailNext = false;
  bool m_FailAlways = false;
  int m_FailedWrites = 0;
  std::string m_ErrorText;

  Receiver m_Receiver;
  Responder m_Responder;
  std::deque<Bytes> m_Pending;
};

}  // namespace fenwave::fakes
