#include "support/FakeSerialPort.h"

namespace fenwave::fakes {

bool FakeSerialPort::Open(const std::string& name) {
  m_OpenAttempts.push_back(name);
  if (m_Open || !m_OpenResult || name.empty() || m_Refused.count(name) != 0) return false;
  m_Open = true;
  m_Name = name;
  return true;
}

void FakeSerialPort::Close() {
  if (m_Open) ++m_CloseCount;
  m_Open = false;
  // Whatever the device had still to say went with the port.
  m_Pending.clear();
}

bool FakeSerialPort::Write(const Bytes& bytes) {
  if (!m_Open || m_FailAlways || m_FailNext) {
    m_FailNext = false;
    ++m_FailedWrites;
    return false;
  }
  m_Writes.push_back(bytes);
  if (m_Responder) {
    Bytes answer = m_Responder(m_Name, bytes);
    if (!answer.empty()) m_Pending.push_back(std::move(answer));
  }
  return true;
}

void FakeSerialPort::Feed(const Bytes& bytes) {
  if (!m_Open || !m_Receiver) return;
  m_Receiver(bytes);
}

void FakeSerialPort::DeliverPending() {
  while (!m_Pending.empty()) {
    const Bytes bytes = std::move(m_Pending.front());
    m_Pending.pop_front();
    Feed(bytes);
  }
}

}  // namespace fenwave::fakes
