// The texts the device link shows or logs, in one place: link status texts, message boxes and
// the diagnostic log's line heads.
#pragma once

#include <string_view>

namespace fenwave::link_text {

// Link status texts.
inline constexpr std::string_view kSearching = "设备搜索...";
inline constexpr std::string_view kConnecting = "连接中...";
inline constexpr std::string_view kConnected = "设备已连接";
inline constexpr std::string_view kLoading = "加载中...";
inline constexpr std::string_view kUploading = "下载数据...";
inline constexpr std::string_view kSaving = "保存中...";
inline constexpr std::string_view kNotConnected = "设备未连接";

// Message boxes, all captioned kCaption.
inline constexpr std::string_view kCaption = "提示";
inline constexpr std::string_view kConnectFailed = "连接失败!";
inline constexpr std::string_view kLinkLost = "已断开连接!";
inline constexpr std::string_view kSaved = "保存成功!";
inline constexpr std::string_view kPasswordChanged = "密码修改成功!";
inline constexpr std::string_view kUserLevelCannotSave = "用户模式无法执行保存操作!";
inline constexpr std::string_view kWrongPassword = "密码错误!";
inline constexpr std::string_view kPasswordsDiffer = "密码不一致!";
inline constexpr std::string_view kRecallQuestion = "模式切换为";
inline constexpr std::string_view kSaveQuestion = "保存当前模式为 ";
// Shown when the port gives no text of its own for a failed write.
inline constexpr std::string_view kWriteFailed = "Serial port write failed";

// Diagnostic log line heads.
inline constexpr std::string_view kBufferLength = "缓存长度K:C:L=";
inline constexpr std::string_view kCheckMark = "********************";
inline constexpr std::string_view kCheckMismatch = "校验数据匹配不一致:";
inline constexpr std::string_view kCheckReceived = "得到的验证数据：";
inline constexpr std::string_view kBadData = "接收到的错误数据：";
inline constexpr std::string_view kBandDrain = "2:";

}  // namespace fenwave::link_text
