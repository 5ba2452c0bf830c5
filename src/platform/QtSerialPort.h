// The link's serial port on a QSerialPort: 57600 8N1, no flow control, DTR and RTS asserted.
// Arriving bytes are handed to a callback on the thread that owns the port (the UI thread).
#pragma once

#include <QObject>
#include <QSerialPort>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "link/SerialPort.h"

namespace fenwave {

class QtSerialPort final : public QObject, public SerialPort {
  Q_OBJECT

 public:
  using BytesHandler = std::function<void(std::span<const std::uint8_t>)>;

  explicit QtSerialPort(QObject* parent = nullptr);
  ~QtSerialPort() override;
  QtSerialPort(const QtSerialPort&) = delete;
  QtSerialPort& operator=(const QtSerialPort&) = delete;

  // Where arriving bytes go; set once by the owner before the first Open.
  void SetBytesHandler(BytesHandler handler) { m_BytesHandler = std::move(handler); }

  bool Open(const std::string& name) override;
  void Close() override;
  [[nodiscard]] bool IsOpen() const override;
  bool Write(const Bytes& bytes) override;
  [[nodiscard]] std::string ErrorText() const override { return m_ErrorText; }

  // Bytes taken by Write that have not yet reached the port's driver.
  [[nodiscard]] std::int64_t PendingWriteBytes() const { return m_Port.bytesToWrite(); }

 private:
  void OnReadyRead();
  // Keeps the port's description of its failure for ErrorText and clears the error, so the
  // next operation starts clean.
  void TakeError();

  QSerialPort m_Port;
  BytesHandler m_BytesHandler;
  std::string m_ErrorText;  // the port's own words for the last failed open or write
};

}  // namespace fenwave
