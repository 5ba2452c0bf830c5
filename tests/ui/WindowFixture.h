// A main window shared by the tests of one suite (building it is the expensive part), shown
// offscreen at its design size, plus small lookups by objectName.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>
#include <memory>

#include "ui/MainFrm.h"

namespace fenwave {

class SharedWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    m_SharedWindow = std::make_unique<TForm1>();
    m_SharedWindow->show();
  }
  static void TearDownTestSuite() { m_SharedWindow.reset(); }

  static TForm1& Window() { return *m_SharedWindow; }
  // The control by objectName, found among the window's descendants (not through the window's
  // own registry, so a control that was registered but never named would be missed).
  template <class T = QWidget> static T* Find(const char* name) {
    return m_SharedWindow->findChild<T*>(QString::fromUtf8(name));
  }

 private:
  inline static std::unique_ptr<TForm1> m_SharedWindow;
};

}  // namespace fenwave
