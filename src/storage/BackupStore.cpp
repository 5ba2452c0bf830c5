#include "storage/BackupStore.h"

#include <utility>

#include "storage/BackupFile.h"

namespace fenwave {

bool IsValidBackupName(std::string_view name) {
  return name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

BackupStore::BackupStore(FileSystem& files, DataFolders folders)
    : m_files(files), m_folders(std::move(folders)) {}

std::string BackupStore::BackupFilePath(std::string_view name) const {
  std::string path = m_folders.backupFolder;
  path += '/';
  path += name;
  path += kBackupExtension;
  return path;
}

void BackupStore::PrepareFolders() { PrepareDataFolders(m_files, m_folders); }

BackupListing BackupStore::List() const { return ListBackups(m_files, m_folders); }

StorageResult BackupStore::Save(std::string_view name, const DeviceImageTable& image) {
  if (!IsValidBackupName(name)) return {StorageStatus::kInvalidName, 0, "name holds / \\ or NUL"};
  const std::string path = BackupFilePath(name);
  if (!m_files.WriteFileAtomically(path, FormatBackup(image))) {
    return {StorageStatus::kSaveFailed, 0, path};
  }
  return {};
}

StorageResult BackupStore::Load(std::string_view name, ParameterModel& model) const {
  if (!IsValidBackupName(name)) return {StorageStatus::kInvalidName, 0, "name holds / \\ or NUL"};
  const std::string path = BackupFilePath(name);
  const auto content = m_files.ReadFile(path);
  if (!content) return {StorageStatus::kFileNotFound, 0, path};
  DeviceImageTable image = model.DeviceImage();
  StorageResult result = LoadBackupImage(*content, image);
  if (result.ok()) model.ReplaceDeviceImage(image);
  return result;
}

}  // namespace fenwave
