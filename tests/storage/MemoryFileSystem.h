// An in-memory FileSystem for the storage tests: folders and files in maps, with switches that
// make writes, reads or listings fail.
#pragma once

#include <map>
#include <set>
#include <string>

#include "storage/FileSystem.h"

namespace fenwave::testing {

class MemoryFileSystem final : public FileSystem {
 public:
  // The root folder "" exists; paths look like "/prog/Mode".
  MemoryFileSystem() { m_folders.insert(""); }

  [[nodiscard]] std::optional<std::string> ReadFile(const std::string& path) const override;
  [[nodiscard]] bool WriteFileAtomically(const std::string& path,
                                         std::string_view content) override;
  [[nodiscard]] bool FileExists(const std::string& path) const override;
  [[nodiscard]] bool CreateFolder(const std::string& path) override;
  [[nodiscard]] std::optional<std::vector<std::string>>
  ListFileNames(const std::string& folder) const override;
  [[nodiscard]] bool RemoveFile(const std::string& path) override;

  // Test set-up: put a file (its folder must exist) or a folder directly.
  void PutFile(const std::string& path, std::string content);
  void PutFolder(const std::string& path) { m_folders.insert(path); }
  [[nodiscard]] bool FolderExists(const std::string& path) const {
    return m_folders.count(path) > 0;
  }
  [[nodiscard]] const std::map<std::string, std::string>& Files() const { return m_files; }

  void FailWrites(bool fail) { m_failWrites = fail; }
  void FailFolderCreation(bool fail) { m_failFolders = fail; }
  void FailListing(bool fail) { m_failListing = fail; }

  // Attempts, failed ones included.
  [[nodiscard]] int Writes() const { return m_writes; }
  [[nodiscard]] int Reads() const { return m_reads; }

 private:
  std::map<std::string, std::string> m_files;
  std::set<std::string> m_folders;
  bool m_failWrites = false;
  bool m_failFolders = false;
  bool m_failListing = false;
  int m_writes = 0;
  mutable int m_reads = 0;  // counting is not a change of the file system
};

}  // namespace fenwave::testing
