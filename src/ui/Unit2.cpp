#include "ui/Unit2.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <algorithm>

#include "ui/Theme.h"

namespace fenwave {
namespace {

constexpr int kMargin = 10;
constexpr int kRowHeight = 18;
constexpr int kBarHeight = 18;

}  // namespace

TForm2::TForm2(QWidget* parent)
    // A dialog with a title but no title-bar buttons: the user cannot close it; the link
    // shows and hides it.
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("TForm2"));
  setWindowTitle(QStringLiteral("设备状态"));
  // Closing the main window ends the application even while this window is up.
  setAttribute(Qt::WA_QuitOnClose, false);
  setFont(theme::UiFont());
  setPalette(theme::Palette());
  setAutoFillBackground(true);
  // The bar's trough in the dark field colour of the edit boxes.
  setStyleSheet(theme::StyleSheet() +
                QStringLiteral("QProgressBar { background-color: #14171b; color: #e2e8ee; }"));
  setFixedSize(kClientWidth, kClientHeight);

  const int width = kClientWidth - 2 * kMargin;
  m_Label1 = new QLabel(QStringLiteral("请稍等,可能需要几秒钟才能完成操作！"), this);
  m_Label1->setObjectName(QStringLiteral("Label1"));
  m_Label1->setGeometry(kMargin, 8, width, kRowHeight);

  m_LinkLabel = new QLabel(QStringLiteral("设备未连接"), this);
  m_LinkLabel->setObjectName(QStringLiteral("LinkLabel"));
  m_LinkLabel->setGeometry(kMargin, 8 + kRowHeight + 4, width, kRowHeight);
  // The status in the accent colour, set as a style so that the window's style sheet keeps it.
  m_LinkLabel->setStyleSheet(QStringLiteral("color: %1;").arg(theme::kAccent.name()));

  m_RzProgressStatus1 = new QProgressBar(this);
  m_RzProgressStatus1->setObjectName(QStringLiteral("RzProgressStatus1"));
  m_RzProgressStatus1->setGeometry(kMargin, kClientHeight - kMargin - kBarHeight, width,
                                   kBarHeight);
  m_RzProgressStatus1->setRange(0, 100);
  m_RzProgressStatus1->setValue(0);
  m_RzProgressStatus1->setFormat(QStringLiteral("%p%"));
  m_RzProgressStatus1->setTextVisible(true);

  CentreOnScreen();
}

TForm2::~TForm2() = default;

void TForm2::SetStatusText(const std::string& text) {
  m_LinkLabel->setText(QString::fromStdString(text));
}

void TForm2::SetProgress(int percent) {
  m_RzProgressStatus1->setValue(std::clamp(percent, 0, 100));
}

void TForm2::SetStatusVisible(bool visible) {
  setVisible(visible);
}

void TForm2::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame(QPoint(), size());
  frame.moveCenter(screen->geometry().center());
  move(frame.topLeft());
}

}  // namespace fenwave
