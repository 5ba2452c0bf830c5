// The one way the application asks the user something or tells them something: every message
// box and question goes through this interface, so tests can answer it.
#pragma once

#include <string>

namespace fenwave {

enum class DialogButtons { Ok, OkCancel, YesNo };
enum class DialogOwner { MainWindow, StatusWindow };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Shows a modal box; returns true when the user answered OK or Yes.
  virtual bool Show(const std::string& caption, const std::string& text, DialogButtons buttons,
                    DialogOwner owner) = 0;
};

}  // namespace fenwave
