// The control binding of the main window: control kinds, the application of a value through
// the control that shows it, the refresh of every control from the images, and the shared
// event handlers of every control family (EQ band editors, sliders, switches, radio groups,
// the operating mode, the bank, the microphone group, the filter lists and the volume limits).
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>

#include "model/Address.h"
#include "ui/BindingTable.h"
#include "ui/GraphBridge.h"
#include "ui/PageTables.h"

class QComboBox;
class QScrollBar;
class QSlider;
class QWidget;

namespace fenwave {

class BitmapButton;
class DeviceLink;
class EqEdit;
class ParameterModel;
class SpinButtons;
class TForm1;

// Step codes of ApplyValue and CommitEdit.
inline constexpr int kStepNone = 0;
inline constexpr int kStepUp = 1;
inline constexpr int kStepDown = 11;

// ControlKind codes of the button roles; 0..6 (a page number) is the band selection.
inline constexpr int kKindPageButton = 10;
inline constexpr int kKindSwitch = 11;
inline constexpr int kKindPhase = 14;
inline constexpr int kKindMode = 16;
inline constexpr int kKindBank = 17;
inline constexpr int kKindRadio = 18;
inline constexpr int kKindMicGroup = 19;
inline constexpr int kKindLink = 20;

inline constexpr int kRefreshAll = 20;
inline constexpr int kResetAll = 20;
inline constexpr int kRadioGroupSize = 4;

class ControlBinding final : public BindingForGraph {
 public:
  // Runs after each slider a refresh sets, so the device-facing side keeps its pace; it must
  // not process events (nothing may re-enter the refresh half-way).
  using Pause = std::function<void()>;

  ControlBinding(TForm1& window, ParameterModel& model, DeviceLink& link, Pause pause);
  ControlBinding(const ControlBinding&) = delete;
  ControlBinding& operator=(const ControlBinding&) = delete;
  ~ControlBinding() override;

  // The graph draws the curves the handlers ask for; it needs the binding itself, so it is
  // attached once both exist. Without one, nothing is drawn.
  void SetCurveDrawing(CurveDrawing* graph) { m_Graph = graph; }

  // Resolves the binding table, writes the tags, fills the per-page lists, sets CurrentEdit to
  // MusFreEdit1 and connects every control family to its shared handler. Runs once.
  void BuildBindingTable();
  [[nodiscard]] const BindingTable& Table() const { return m_Table; }

  // ----- Control kinds, values and the refresh. -----
  // A button kind (10, 11, 14, 16..20) applied to a bitmap button, or the band selection of
  // page 0..6 applied to an EQ edit box; returns the value, page code or band it stands for.
  int ApplyControlKind(QWidget* control, int kind);
  void ApplyValue(QWidget* control, int step, bool displayOnly, double x) override;
  // Pushes the images into the controls of one module (0..9; 2 counts as 1) or of all (20).
  void RefreshControls(int which);

  // ----- State. -----
  [[nodiscard]] bool Refreshing() const override { return m_Refreshing; }
  [[nodiscard]] bool TrackBarUpdating() const { return m_TrackBarUpdating; }
  [[nodiscard]] EqEdit* CurrentEdit() const { return m_CurrentEdit; }
  [[nodiscard]] EqEdit* PreviousEdit() const { return m_PreviousEdit; }
  [[nodiscard]] int SelectedBand(int page) const override;
  [[nodiscard]] int LastChangedAddress() const override { return m_LastChangedAddress; }
  [[nodiscard]] int LastChangedValue() const override { return m_LastChangedValue; }
  [[nodiscard]] int EqPassState(int module) const override;
  [[nodiscard]] const std::array<BitmapButton*, kRadioGroupSize>& RadioGroupButtons() const {
    return m_RadioGroupButtons;
  }
  [[nodiscard]] const QString& SavedEditText() const { return m_SavedEditText; }

  // ----- EQ band editors. -----
  // Commits CurrentEdit's text: step 0 as typed, 1 one step up, 11 one step down.
  void CommitEdit(int step);
  void MusFreEdit1Click(EqEdit* edit);
  // Returns whether the typed character is kept.
  [[nodiscard]] bool MusFreEdit1KeyPress(EqEdit* edit, QChar key);
  void MusFreEdit1KeyDown(int key);
  void MusFreEdit1Exit();
  void MusFreUpDownBtn1DownLeftClick(SpinButtons* spin);
  void MusFreUpDownBtn1UpRightClick(SpinButtons* spin);
  void ComEQGainBarChange(QSlider* slider);
  // Points the shared band editor beside the graph at the band of address `a`.
  void PointBandEditor(ParamAddress a);
  void MusModeBox1Change(QComboBox* list);
  void MusEQPointLabel1Click(QWidget* label);
  void EqPointLabelClick(QWidget* label) override { MusEQPointLabel1Click(label); }
  void MusPanScrollBarChange(QScrollBar* bar);
  void EQResetBtnClick();
  // Writes the EQ defaults of one module (0..8) or of all (20), then refreshes.
  void EqReset(int which);

  // ----- Other control families. -----
  void MicHPFreBarChange(QSlider* slider);
  void EchoEffPhaseBtnClick(BitmapButton* button);
  void MainLmuteBtnClick(BitmapButton* button);
  void MusEQAllpassBtnClick(BitmapButton* button);
  void AutoModeBtnClick(BitmapButton* button);
  void SingModeBtnClick(BitmapButton* button);
  void MicABtnClick(BitmapButton* button);
  void SysMusInputLevelClick(BitmapButton* button);
  void SubMusHPTypeChange(QComboBox* list);
  void SysMusNormalVolBarChange(QSlider* slider);

  // ----- What the page switch asks of the binding. -----
  // The shared band editor follows the page's selected band when that band's frequency control
  // is an edit box (a filter record leaves the editor as it was).
  void PointBandEditorAtPage(int pageCode);

 private:
  void ConnectHandlers();
  void SelectBand(EqEdit* edit, int page, int band);
  void SetRadioGroup(ParamAddress group);
  // The first n buttons of RadioGroupButtons, button `marked` pressed (none for -1).
  void PaintRadioGroup(int n, int marked);
  void RunSwitchHandler(BitmapButton* button, ButtonRole role, ParamAddress a);
  void RefreshSystemPage();
  void RebuildModeList();
  void Redraw(int sel, int module);
  [[nodiscard]] int CurrentPage() const;
  [[nodiscard]] int CurrentModule() const;
  [[nodiscard]] QWidget* Named(const char* name) const;
  [[nodiscard]] EqEdit* EditAt(ParamAddress a) const;
  void SetEnabledIfPresent(const char* name, bool enabled) const;

  TForm1& m_Window;
  ParameterModel& m_Model;
  DeviceLink& m_Link;
  Pause m_Pause;
  CurveDrawing* m_Graph = nullptr;
  BindingTable m_Table;
  // Receiver of every handler connection: destroying the binding cuts them all.
  QObject m_Connections;

  // The buttons the kinds repaint in pairs, and the shared band editor.
  BitmapButton* m_ExampleBtn = nullptr;
  BitmapButton* m_AutoModeBtn = nullptr;
  BitmapButton* m_ManulModeBtn = nullptr;
  BitmapButton* m_SingModeBtn = nullptr;
  BitmapButton* m_DiscoModeBtn = nullptr;
  BitmapButton* m_MicABtn = nullptr;
  BitmapButton* m_MicBBtn = nullptr;
  BitmapButton* m_LinkBtn = nullptr;
  BitmapButton* m_UnLinkBtn = nullptr;
  QSlider* m_ComEQFreBar = nullptr;
  QSlider* m_ComEQGainBar = nullptr;
  QSlider* m_ComEQQvalueBar = nullptr;
  SpinButtons* m_ComEQFreUpDownBtn = nullptr;
  SpinButtons* m_ComEQGainUpDownBtn = nullptr;
  SpinButtons* m_ComEQQvalueUpDownBtn = nullptr;
  EqEdit* m_ComEQFreEdit = nullptr;
  EqEdit* m_ComEQGainEdit = nullptr;
  EqEdit* m_ComEQQvalueEdit = nullptr;

  bool m_Refreshing = false;
  bool m_TrackBarUpdating = false;
  EqEdit* m_CurrentEdit = nullptr;
  EqEdit* m_PreviousEdit = nullptr;
  std::array<int, kEqPageCount> m_SelectedBand{};
  int m_LastChangedAddress = 0;
  int m_LastChangedValue = 0;
  std::array<BitmapButton*, kRadioGroupSize> m_RadioGroupButtons{};
  QString m_SavedEditText;
  std::array<int, kModuleCount> m_EqPassState{};
};

}  // namespace fenwave
