#include "platform/QtSerialPort.h"

namespace fenwave {

QtSerialPort::QtSerialPort(QObject* parent) : QObject(parent) {
  connect(&m_Port, &QSerialPort::readyRead, this, &QtSerialPort::OnReadyRead);
}

QtSerialPort::~QtSerialPort() { Close(); }

bool QtSerialPort::Open(const std::string& name) {
  if (m_Port.isOpen()) m_Port.close();
  if (name.empty()) return false;
  m_Port.setPortName(QString::fromStdString(name));
  m_Port.setBaudRate(QSerialPort::Baud57600);
  m_Port.setDataBits(QSerialPort::Data8);
  m_Port.setParity(QSerialPort::NoParity);
  m_Port.setStopBits(QSerialPort::OneStop);
  m_Port.setFlowControl(QSerialPort::NoFlowControl);
  if (!m_Port.open(QIODevice::ReadWrite)) {
    TakeError();
    return false;
  }
  // A pseudo-terminal (the simulated device) has no modem lines: asserting them fails with
  // "Inappropriate ioctl for device", which is harmless, so the error is cleared and the port
  // stays open.
  m_Port.setDataTerminalReady(true);
  m_Port.setRequestToSend(true);
  m_Port.clearError();
  return true;
}

void QtSerialPort::Close() {
  if (m_Port.isOpen()) m_Port.close();
  m_Port.clearError();
}

bool QtSerialPort::IsOpen() const { return m_Port.isOpen(); }

bool QtSerialPort::Write(const Bytes& bytes) {
  if (!m_Port.isOpen()) return false;
  const auto size = static_cast<qint64>(bytes.size());
  const qint64 written = m_Port.write(reinterpret_cast<const char*>(bytes.data()), size);
  // QSerialPort only buffers a write; the bytes would leave when the event loop next turns,
  // which may be milliseconds later while a control handler runs. Flushing hands them to the
  // driver now, and a port that refuses them says so here instead of never.
  if (written != size || !m_Port.flush()) {
    TakeError();
    return false;
  }
  return true;
}

void QtSerialPort::TakeError() {
  m_ErrorText = m_Port.errorString().toStdString();
  m_Port.clearError();
}

void QtSerialPort::OnReadyRead() {
  const QByteArray data = m_Port.readAll();
  if (data.isEmpty() || !m_BytesHandler) return;
  m_BytesHandler(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(data.data()),
                                               static_cast<std::size_t>(data.size())));
}

}  // namespace fenwave
