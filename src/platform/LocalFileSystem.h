// The local file system behind the storage's FileSystem interface (std::filesystem and POSIX),
// and the folder of the running program, from which the data folders are derived.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/FileSystem.h"

namespace fenwave {

class LocalFileSystem final : public FileSystem {
 public:
  [[nodiscard]] std::optional<std::string> ReadFile(const std::string& path) const override;
  // Writes a temporary file in the same folder, flushes it to the disk and renames it over
  // `path`; on any failure the temporary file is removed and `path` is left untouched.
  [[nodiscard]] bool WriteFileAtomically(const std::string& path,
                                         std::string_view content) override;
  [[nodiscard]] bool FileExists(const std::string& path) const override;
  [[nodiscard]] bool CreateFolder(const std::string& path) override;
  [[nodiscard]] std::optional<std::vector<std::string>>
  ListFileNames(const std::string& folder) const override;
  [[nodiscard]] bool RemoveFile(const std::string& path) override;

 private:
  unsigned m_tempSerial = 0;  // makes the temporary names of one process distinct
};

// The folder that holds the running program file (from /proc/self/exe), without a trailing
// separator; empty when it cannot be found.
[[nodiscard]] std::optional<std::string> RunningProgramFolder();

}  // namespace fenwave
