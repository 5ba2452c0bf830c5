// The System page as data: its six rounded panels in two columns and the rows of each panel
// (volume limits, keypad lock, user level and passwords, backups, device modes, device code).
// SystemPageBuilder turns these tables into controls; nothing here knows a widget.
#pragma once

#include <array>
#include <span>
#include <string_view>
#include <variant>

#include "ui/PageTables.h"

namespace fenwave::system_page {

// A bold title line; optionally a push button at the right end of the same line.
struct TitleRow {
  std::string_view text{};
  std::string_view button{};
  std::string_view buttonCaption{};
};

// One volume limit: caption, horizontal slider (0..84, at 50 on the form) and its value pane at
// the right end. The slider's hint is its role for the volume handler ("1" start-up, "2"
// maximum); the pane's hint keeps the slider's last accepted position, "0" before the first.
struct VolumeRow {
  std::string_view caption{};
  std::string_view bar{};
  std::string_view role{};
  std::string_view pane{};
};

// A radio group of picture buttons, valued 0, 1, .. from left to right; with a caption in front
// (bold when it titles the panel) or inside a named group box that can be disabled as a whole.
struct RadioRow {
  std::string_view caption{};
  std::span<const ButtonChoice> buttons{};
  std::string_view group{};
  bool captionIsTitle = false;
};

// A one-line text box with its caption; optionally a push button after it. A width of 0 lets the
// box run to the button at the right end of the panel; otherwise the box has that width and the
// button follows it.
struct FieldRow {
  std::string_view caption{};
  std::string_view edit{};
  int maxLength = 0;
  bool masked = false;    // every character shown as a filled dot
  bool disabled = false;  // disabled at start
  int width = 0;
  std::string_view button{};
  std::string_view buttonCaption{};
  bool buttonDisabled = false;
};

// A drop-down list with its caption and a push button at the right end.
struct ChoiceRow {
  std::string_view caption{};
  std::string_view list{};
  std::span<const std::string_view> items{};
  std::string_view button{};
  std::string_view buttonCaption{};
};

// The two-column backup list with its hidden helpers: the text buffer and the file list.
struct BackupListRow {
  std::string_view list{};
  std::array<std::string_view, 2> titles{};
  std::array<int, 2> columnWidths{};
  int rowHeight = 0;
  int visibleRows = 0;
  std::string_view textBuffer{};
  std::string_view fileList{};
};

// A caption and a value pane that shows a fixed placeholder until the device tells its value.
struct CodeRow {
  std::string_view caption{};
  std::string_view pane{};
  std::string_view placeholder{};
};

// A small label showing where the backup files are kept (filled in when the folders are known).
struct FolderRow {
  std::string_view label{};
};

using Row = std::variant<TitleRow, VolumeRow, RadioRow, FieldRow, ChoiceRow, BackupListRow, CodeRow,
                         FolderRow>;

enum class Column { kLeft, kRight };

struct SystemPanel {
  std::string_view name{};
  Column column = Column::kLeft;
  std::span<const Row> rows{};
};

// The six panels, each column from top to bottom.
[[nodiscard]] std::span<const SystemPanel> Panels();

// Design items of the device mode list, replaced by the device's mode names on every refresh.
[[nodiscard]] std::span<const std::string_view> DesignModeItems();

}  // namespace fenwave::system_page
