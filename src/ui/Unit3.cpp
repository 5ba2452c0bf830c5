#include "ui/Unit3.h"

#include <QCloseEvent>

#include "link/DeviceLink.h"

namespace fenwave {

TForm3::TForm3(QWidget* parent) : QWidget(parent, Qt::Window), m_ComPort(this), m_Timers(this) {
  setObjectName(QStringLiteral("TForm3"));
  setWindowTitle(QStringLiteral("系统"));
  m_ComPort.setObjectName(QStringLiteral("ComPort"));
}

// The link may be gone already; nothing may reach it while the port and timers wind down.
TForm3::~TForm3() {
  Detach();
}

void TForm3::Attach(DeviceLink& link) {
  m_ComPort.SetBytesHandler(
      [&link](std::span<const std::uint8_t> bytes) { link.OnBytesArrived(bytes); });
  m_Timers.SetTick(LinkTimer::Timer1, [&link] { link.Timer1Tick(); });
  m_Timers.SetTick(LinkTimer::Timer2, [&link] { link.Timer2Tick(); });
  m_Timers.SetTick(LinkTimer::HoldTimer, [&link] { link.HoldTick(); });
}

void TForm3::Detach() {
  for (const LinkTimer timer : {LinkTimer::Timer1, LinkTimer::Timer2, LinkTimer::HoldTimer}) {
    m_Timers.Stop(timer);
    m_Timers.SetTick(timer, {});
  }
  m_ComPort.SetBytesHandler({});
}

void TForm3::setVisible(bool /*visible*/) {
  QWidget::setVisible(false);
}

void TForm3::closeEvent(QCloseEvent* event) {
  event->ignore();
  hide();
}

}  // namespace fenwave
