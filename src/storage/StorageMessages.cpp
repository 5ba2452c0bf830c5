#include "storage/StorageMessages.h"

#include <array>
#include <cstddef>

namespace fenwave {
namespace {

// Indexed by StorageStatus.
constexpr std::array<StorageMessage, 8> kMessages = {{
    {"", ""},
    {"文件不存在", "File not find!"},
    {"文件格式错误!", "File format error!"},
    {"数据文件损坏!", "Data file is corrupted!"},
    {"数据文件损坏!", "Data file is corrupted!"},
    {"文件名无效!", "Invalid file name!"},
    {"文件保存失败!", "File could not be saved!"},
    {"备份文件夹无法读取!", "Backup folder cannot be read!"},
}};

}  // namespace

StorageMessage MessageOf(StorageStatus status) {
  return kMessages[static_cast<std::size_t>(status)];
}

}  // namespace fenwave
