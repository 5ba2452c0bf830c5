// A main window bound to a real device link on the fake port and timers, started as the
// application starts it (binding table, EQ reset of every module, the music page), with a
// curve drawing that only records what it is asked to draw.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "support/LinkHarness.h"
#include "ui/BitmapButton.h"
#include "ui/ControlBinding.h"
#include "ui/ControlKinds.h"
#include "ui/GraphBridge.h"
#include "ui/MainFrm.h"

namespace fenwave {

class RecordingCurve final : public CurveDrawing {
 public:
  void DrawCurve(int sel, int module) override { draws.emplace_back(sel, module); }
  std::vector<std::pair<int, int>> draws;  // (sel, module)
};

class BoundWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<TForm1>();
    binding = std::make_unique<ControlBinding>(*window, link.model, link.link, [] {});
    binding->SetCurveDrawing(&curve);
    // The link's full refresh after a read is the binding's refresh, as in the application.
    link.view.onRefresh = [this](int which) { binding->RefreshControls(which); };
    // The page switch's hooks as the application sets them (the graph only records).
    MainWindowHooks hooks;
    hooks.micGroupB = [this] { return link.model.MicGroupB() != 0; };
    hooks.pointBandEditor = [this](int pageCode) { binding->PointBandEditorAtPage(pageCode); };
    window->SetHooks(std::move(hooks));
    window->show();
    binding->BuildBindingTable();
    binding->EqReset(kResetAll);
    window->FormTabBtn1Click(window->PageButtons()[0]);
  }

  // Connects to the answering fake device, whose block entries are `value(module, entry)`;
  // afterwards the device stays silent and the link holds one acknowledgement, so the next
  // change is written at once.
  void Connect(std::function<std::uint16_t(int, int)> value = [](int, int) { return 0; }) {
    link.answers.blockValue = std::move(value);
    link.ConnectQuietly();
  }
  // Every frame written since the last call, as upper-case hex bytes.
  std::vector<std::string> Written() {
    std::vector<std::string> frames;
    for (const Bytes& frame : link.port.Writes()) {
      std::string text;
      for (std::uint8_t b : frame) {
        static const char kHex[] = "0123456789ABCDEF";
        if (!text.empty()) text += ' ';
        text += kHex[b >> 4];
        text += kHex[b & 0xF];
      }
      frames.push_back(text);
    }
    link.port.ClearWrites();
    return frames;
  }

  template <class T = QWidget> T* Find(const char* name) const {
    T* w = window->Control<T>(QString::fromUtf8(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  // The text an edit box, a label or pane, or a list shows.
  QString Text(const char* name) const {
    QWidget* w = Find(name);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* list = qobject_cast<QComboBox*>(w)) return list->currentText();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    return {};
  }
  [[nodiscard]] int Value(ParamAddress a) const { return link.model.Value(a); }

  fakes::LinkHarness link;
  RecordingCurve curve;
  std::unique_ptr<TForm1> window;
  std::unique_ptr<ControlBinding> binding;
};

}  // namespace fenwave
