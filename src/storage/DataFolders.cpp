#include "storage/DataFolders.h"

#include <algorithm>

#include "storage/BackupFile.h"

namespace fenwave {
namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Order without regard to (ASCII) letter case; names equal but for case keep a fixed order.
bool CaselessLess(std::string_view a, std::string_view b) {
  const auto mismatch = std::mismatch(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return AsciiLower(x) == AsciiLower(y);
  });
  if (mismatch.first == a.end() || mismatch.second == b.end()) {
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
  }
  return static_cast<unsigned char>(AsciiLower(*mismatch.first)) <
         static_cast<unsigned char>(AsciiLower(*mismatch.second));
}

}  // namespace

DataFolders DeriveDataFolders(std::string_view programFolder) {
  while (!programFolder.empty() && programFolder.back() == '/') programFolder.remove_suffix(1);
  DataFolders folders;
  folders.dataFolder = std::string(programFolder) + "/Mode";
  folders.backupFolder = folders.dataFolder + "/V3Mode";
  folders.markerFile = folders.dataFolder + "/mod.dat";
  return folders;
}

void PrepareDataFolders(FileSystem& files, const DataFolders& folders) {
  if (files.FileExists(folders.markerFile)) return;
  static_cast<void>(files.CreateFolder(folders.dataFolder));
  static_cast<void>(files.CreateFolder(folders.backupFolder));
}

bool MatchesBackupMask(std::string_view fileName) {
  return fileName.find(kBackupExtension) != std::string_view::npos;
}

std::string_view BackupNameOf(std::string_view fileName) {
  return fileName.substr(0, fileName.find('.'));
}

BackupListing ListBackups(const FileSystem& files, const DataFolders& folders) {
  BackupListing listing;
  auto names = files.ListFileNames(folders.backupFolder);
  if (!names) {
    listing.result = {StorageStatus::kFolderUnreadable, 0, folders.backupFolder};
    return listing;
  }
  std::erase_if(*names, [](const std::string& n) { return !MatchesBackupMask(n); });
  std::sort(names->begin(), names->end(), CaselessLess);
  listing.rows.reserve(names->size());
  for (std::string& fileName : *names) {
    BackupRow row;
    row.number = static_cast<int>(listing.rows.size());
    row.name = std::string(BackupNameOf(fileName));
    row.fileName = std::move(fileName);
    if (listing.KnownBackupNames.size() < kMaxKnownBackupNames) {
      listing.KnownBackupNames.push_back(row.name);
    }
    listing.rows.push_back(std::move(row));
  }
  return listing;
}

int KnownNameCount(const BackupListing& listing, std::string_view name) {
  return static_cast<int>(std::count_if(listing.rows.begin(), listing.rows.end(),
                                        [name](const BackupRow& row) { return row.name == name; }));
}

bool IsKnownName(const BackupListing& listing, std::string_view name) {
  return KnownNameCount(listing, name) > 0;
}

std::string FileEditText(const BackupListing& listing, int currentRow) {
  const int number = currentRow - 1;
  if (number < 0 || number >= static_cast<int>(listing.rows.size())) return {};
  return listing.rows[static_cast<std::size_t>(number)].name;
}

}  // namespace fenwave
