// The link window TForm3 "系统": an invisible window that holds the serial port ComPort and the
// link timers Timer1, Timer2 and HoldTimer, and hands their bytes and ticks to the device link.
#pragma once

#include <QWidget>

#include "platform/QtLinkTimers.h"
#include "platform/QtSerialPort.h"

namespace fenwave {

class DeviceLink;

// The device link needs the port and the timers when it is built, and the window that owns them
// must exist first: create TForm3, build the DeviceLink on Port() and Timers(), then Attach it.
// Detach (or destroy the window) before the link goes away.
class TForm3 final : public QWidget {
  Q_OBJECT

 public:
  explicit TForm3(QWidget* parent = nullptr);
  ~TForm3() override;
  Q_DISABLE_COPY_MOVE(TForm3)

  [[nodiscard]] QtSerialPort& ComPort() { return m_ComPort; }
  [[nodiscard]] SerialPort& Port() { return m_ComPort; }
  [[nodiscard]] QtLinkTimers& Timers() { return m_Timers; }

  // Arriving bytes go to OnBytesArrived; Timer1, Timer2 and HoldTimer tick Timer1Tick,
  // Timer2Tick and HoldTick.
  void Attach(DeviceLink& link);
  // Stops the timers and lets bytes and ticks go nowhere.
  void Detach();

  // The window is never shown: asked to show, it stays hidden.
  void setVisible(bool visible) override;

 protected:
  // Asked to close, it hides instead: the port and timers live as long as the application.
  void closeEvent(QCloseEvent* event) override;

 private:
  QtSerialPort m_ComPort;
  QtLinkTimers m_Timers;
};

}  // namespace fenwave
