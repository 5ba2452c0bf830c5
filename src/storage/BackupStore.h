// Saving and loading backups by name in the backup folder, and listing them: what the System
// page calls. The file system is passed in; the folders are fixed when the store is made.
#pragma once

#include <string>
#include <string_view>

#include "model/ParameterModel.h"
#include "storage/DataFolders.h"
#include "storage/FileSystem.h"
#include "storage/StorageMessages.h"

namespace fenwave {

// A backup name is used as typed, empty included, unless it holds '/' or '\\' (it would
// reach outside the backup folder, here or on the system the files come from) or a NUL.
[[nodiscard]] bool IsValidBackupName(std::string_view name);

class BackupStore {
 public:
  BackupStore(FileSystem& files, DataFolders folders);

  [[nodiscard]] const DataFolders& Folders() const { return m_folders; }
  // <backup folder>/<name>.Nddt
  [[nodiscard]] std::string BackupFilePath(std::string_view name) const;

  // Creates the folders where needed (see PrepareDataFolders).
  void PrepareFolders();
  [[nodiscard]] BackupListing List() const;

  // Writes the backup of `image` under `name`, replacing a file of that name atomically:
  // when the write fails the old file stays as it was.
  [[nodiscard]] StorageResult Save(std::string_view name, const DeviceImageTable& image);
  // Reads, checks and, only when the whole file has passed, writes the records into the
  // model's DeviceImage. The ParameterImage is not touched; on success the caller starts the
  // upload to the device.
  [[nodiscard]] StorageResult Load(std::string_view name, ParameterModel& model) const;

 private:
  FileSystem& m_files;
  DataFolders m_folders;
};

}  // namespace fenwave
