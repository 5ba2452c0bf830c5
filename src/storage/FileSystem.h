// The file operations the backup files and data folders need, as an interface: the program
// passes the local file system in, tests pass an in-memory one. Paths use '/' as separator.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fenwave {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The whole content of a regular file; empty when it cannot be opened or read.
  [[nodiscard]] virtual std::optional<std::string> ReadFile(const std::string& path) const = 0;
  // Creates or replaces the file with `content` such that a failure at any point leaves the
  // previous file as it was. False when the file could not be written.
  [[nodiscard]] virtual bool WriteFileAtomically(const std::string& path,
                                                 std::string_view content) = 0;
  // Whether a file (not a folder) exists at `path`.
  [[nodiscard]] virtual bool FileExists(const std::string& path) const = 0;
  // Creates one folder whose parent exists. True when the folder exists afterwards.
  [[nodiscard]] virtual bool CreateFolder(const std::string& path) = 0;
  // Names (not paths) of the files in a folder, in no particular order; empty when the folder
  // does not exist or cannot be read.
  [[nodiscard]] virtual std::optional<std::vector<std::string>>
  ListFileNames(const std::string& folder) const = 0;
  // Removes one file. True when it was removed.
  [[nodiscard]] virtual bool RemoveFile(const std::string& path) = 0;
};

}  // namespace fenwave
