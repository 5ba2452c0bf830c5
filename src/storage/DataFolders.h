// The folders beside the program that hold the backup files, and the backup list the System
// page shows: which files it lists, in what order, under which names.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "storage/FileSystem.h"
#include "storage/StorageMessages.h"

namespace fenwave {

// The three paths derived from the program folder, fixed for the life of the application.
struct DataFolders {
  std::string dataFolder;   // <program folder>/Mode
  std::string backupFolder;  // <program folder>/Mode/V3Mode
  std::string markerFile;   // <program folder>/Mode/mod.dat
};

// `programFolder` may end with separators; they are dropped.
[[nodiscard]] DataFolders DeriveDataFolders(std::string_view programFolder);

// Creates the data folder and then the backup folder unless the marker file exists. A folder
// that exists already or cannot be created is passed over: its first use reports instead.
void PrepareDataFolders(FileSystem& files, const DataFolders& folders);

inline constexpr std::size_t kMaxKnownBackupNames = 201;

struct BackupRow {
  int number = 0;       // first column, counted from 0
  std::string name;     // second column: the file name up to the first "."
  std::string fileName;  // the file listed
};

struct BackupListing {
  StorageResult result;
  std::vector<BackupRow> rows;  // every matching file, sorted by name without regard to case
  // The names of the first kMaxKnownBackupNames rows, in list order.
  std::vector<std::string> KnownBackupNames;
};

// Whether a file name matches the mask "*.Nddt*": ".Nddt" anywhere in it, letter case exact.
[[nodiscard]] bool MatchesBackupMask(std::string_view fileName);
// The backup name of a file: its name up to, not including, the first "." (all if none).
[[nodiscard]] std::string_view BackupNameOf(std::string_view fileName);

// Lists the backup folder. A folder that does not exist or cannot be read gives
// kFolderUnreadable and no rows.
[[nodiscard]] BackupListing ListBackups(const FileSystem& files, const DataFolders& folders);

// How many listed backups carry exactly `name` (letter case included): the save asks its
// overwrite question once for each. Rows beyond the KnownBackupNames cap count too, so a listed
// file is never replaced without the question.
[[nodiscard]] int KnownNameCount(const BackupListing& listing, std::string_view name);
[[nodiscard]] bool IsKnownName(const BackupListing& listing, std::string_view name);

// The text the backup-name field takes for the list's current row number (row 0 is the title,
// row 1 the first backup): that row's backup name, or empty when there is no such row.
[[nodiscard]] std::string FileEditText(const BackupListing& listing, int currentRow);

}  // namespace fenwave
