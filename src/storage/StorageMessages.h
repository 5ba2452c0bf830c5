// Outcomes of the backup and data-folder operations and the message each one shows: the
// Chinese text the user sees and its English twin.
#pragma once

#include <string>
#include <string_view>

namespace fenwave {

enum class StorageStatus {
  kOk,
  kFileNotFound,      // the backup file cannot be opened
  kFormatError,       // the model line does not carry the model code
  kCorrupted,         // the count line or the check value disagrees with the records
  kUnreadableContent,  // a pair that is not hexadecimal, a field that is not a number, a line
                      // or field missing where one is read
  kInvalidName,       // the backup name holds a path separator or a NUL character
  kSaveFailed,        // the backup file cannot be created or written
  kFolderUnreadable,  // the backup folder does not exist or cannot be listed
};

struct StorageMessage {
  std::string_view chinese;  // the text shown
  std::string_view english;
};

[[nodiscard]] StorageMessage MessageOf(StorageStatus status);

// The outcome of one operation; `line` (1-based, 0 when none) and `detail` say where and what
// went wrong, for a technician's tool and diagnostics. The user sees MessageOf(status).
struct StorageResult {
  StorageStatus status = StorageStatus::kOk;
  int line = 0;
  std::string detail;

  [[nodiscard]] bool ok() const { return status == StorageStatus::kOk; }
};

}  // namespace fenwave
