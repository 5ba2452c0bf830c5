// The rows of the System page's panels. The control names are those the control binding and the
// page's own handlers look up.
#include "ui/SystemPageTables.h"

namespace fenwave::system_page {
namespace {

constexpr std::string_view kStartUp = "1";
constexpr std::string_view kMaximum = "2";

// Left column -------------------------------------------------------------------------------

constexpr std::array<Row, 7> kVolumeRows = {
    Row{TitleRow{"音量控制"}},
    Row{VolumeRow{"音乐起始音量:", "SysMusStartVolBar", kStartUp, "SysMusStartVolPane"}},
    Row{VolumeRow{"音乐最大音量:", "SysMusMaxVolBar", kMaximum, "SysMusMaxVolPane"}},
    Row{VolumeRow{"话筒起始音量:", "SysMicStartVolBar", kStartUp, "SysMicStartVolPane"}},
    Row{VolumeRow{"话筒最大音量:", "SysMicMaxVolBar", kMaximum, "SysMicMaxVolPane"}},
    Row{VolumeRow{"效果起始音量:", "SysEffStartVolBar", kStartUp, "SysEffStartVolPane"}},
    Row{VolumeRow{"效果最大音量:", "SysEffMaxVolBar", kMaximum, "SysEffMaxVolPane"}},
};

constexpr int kKeypadFieldWidth = 96;   // four digits
constexpr int kSystemFieldWidth = 120;  // six digits

constexpr std::array<ButtonChoice, 2> kKeypadLock = {
    {{"SysPanelBtn1", "禁用"}, {"SysPanelBtn2", "开启"}}};

constexpr std::array<Row, 5> kKeypadRows = {
    Row{RadioRow{.caption = "自动键盘锁:", .buttons = kKeypadLock, .captionIsTitle = true}},
    Row{TitleRow{"自动键盘锁密码修改"}},
    Row{FieldRow{.caption = "旧密码:",
                 .edit = "PassPanelLabel1",
                 .maxLength = 4,
                 .width = kKeypadFieldWidth}},
    Row{FieldRow{.caption = "新密码输入:",
                 .edit = "NewPassLabel1",
                 .maxLength = 4,
                 .masked = true,
                 .disabled = true,
                 .width = kKeypadFieldWidth}},
    Row{FieldRow{.caption = "新密码确定:",
                 .edit = "NewPassLabel2",
                 .maxLength = 4,
                 .masked = true,
                 .disabled = true,
                 .width = kKeypadFieldWidth}},
};

constexpr std::array<ButtonChoice, 2> kUserLevels = {
    {{"SysUserBtn", "用户"}, {"SysManagerBtn", "管理员"}}};

constexpr std::array<Row, 7> kSystemUserRows = {
    Row{TitleRow{"系统用户设置"}},
    Row{FieldRow{.caption = "系统密码：",
                 .edit = "SysPassEdit",
                 .maxLength = 6,
                 .masked = true,
                 .width = kSystemFieldWidth,
                 .button = "RzBmpButton118",
                 .buttonCaption = "确定"}},
    Row{RadioRow{.buttons = kUserLevels, .group = "SysUserMangerGrop"}},
    Row{TitleRow{"系统密码修改"}},
    Row{FieldRow{.caption = "旧密码:",
                 .edit = "SysPanelLabel1",
                 .maxLength = 6,
                 .masked = true,
                 .width = kSystemFieldWidth}},
    Row{FieldRow{.caption = "新密码输入:",
                 .edit = "NewSysPassLabel1",
                 .maxLength = 6,
                 .masked = true,
                 .disabled = true,
                 .width = kSystemFieldWidth}},
    Row{FieldRow{.caption = "新密码确定:",
                 .edit = "NewSysPassLabel2",
                 .maxLength = 6,
                 .masked = true,
                 .disabled = true,
                 .width = kSystemFieldWidth}},
};

// Right column ------------------------------------------------------------------------------

constexpr std::array<Row, 4> kBackupRows = {
    Row{TitleRow{"电脑数据备份管理", "RzBmpButton119", "上传数据到设备"}},
    Row{BackupListRow{.list = "ValueListEditor1",
                      .titles = {"      序号", "                   （电脑）数据名称"},
                      .columnWidths = {74, 467},
                      .rowHeight = 20,
                      .visibleRows = 14,
                      .textBuffer = "Memo1",
                      .fileList = "FileListBox1"}},
    Row{FieldRow{.caption = "备份文件名称:",
                 .edit = "FileEdit",
                 .button = "RzBmpButton120",
                 .buttonCaption = "保存数据到电脑"}},
    Row{FolderRow{"BackupFolderLabel"}},
};

constexpr std::array<std::string_view, 16> kDesignModeItems = {
    "1-", "2-",  "3-",  "4-",  "5-",  "6-",  "7-",  "8-",
    "9-", "10-", "11-", "12-", "13-", "14-", "15-", "16-"};

constexpr std::array<Row, 3> kModeRows = {
    Row{TitleRow{"设备模式管理"}},
    Row{ChoiceRow{"设备模式:", "SysModeBox", kDesignModeItems, "RzBmpButton121", "调用设备模式"}},
    Row{FieldRow{.caption = "模式名称:",
                 .edit = "PresetModeEdit",
                 .maxLength = 20,
                 .button = "RzBmpButton138",
                 .buttonCaption = "保存设备模式",
                 .buttonDisabled = true}},
};

constexpr std::array<Row, 1> kDeviceCodeRows = {
    Row{CodeRow{"设备管理码：", "DeviceIDLabel", "00000000"}},
};

constexpr std::array<SystemPanel, 6> kPanels = {{
    {"CurvyPanel18", Column::kLeft, kVolumeRows},
    {"CurvyPanel19", Column::kLeft, kKeypadRows},
    {"CurvyPanel22", Column::kLeft, kSystemUserRows},
    {"CurvyPanel23", Column::kRight, kBackupRows},
    {"CurvyPanel20", Column::kRight, kModeRows},
    {"CurvyPanel21", Column::kRight, kDeviceCodeRows},
}};

}  // namespace

std::span<const SystemPanel> Panels() {
  return kPanels;
}

std::span<const std::string_view> DesignModeItems() {
  return kDesignModeItems;
}

}  // namespace fenwave::system_page
