// The status window TForm2 "设备状态": a small stay-on-top dialog that shows what the link is
// doing (its status text and a percentage) while it searches, reads or uploads.
#pragma once

#include <QWidget>
#include <string>

class QLabel;
class QProgressBar;

namespace fenwave {

class TForm2 final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 306;
  static constexpr int kClientHeight = 85;

  explicit TForm2(QWidget* parent = nullptr);
  ~TForm2() override;
  Q_DISABLE_COPY_MOVE(TForm2)

  // The link status text shown in LinkLabel.
  void SetStatusText(const std::string& text);
  // The progress bar's percentage, held to 0..100.
  void SetProgress(int percent);
  // Shows or hides the window.
  void SetStatusVisible(bool visible);

  [[nodiscard]] QLabel* Label1() const { return m_Label1; }
  [[nodiscard]] QLabel* LinkLabel() const { return m_LinkLabel; }
  [[nodiscard]] QProgressBar* RzProgressStatus1() const { return m_RzProgressStatus1; }

 private:
  void CentreOnScreen();

  QLabel* m_Label1 = nullptr;
  QLabel* m_LinkLabel = nullptr;
  QProgressBar* m_RzProgressStatus1 = nullptr;
};

}  // namespace fenwave
