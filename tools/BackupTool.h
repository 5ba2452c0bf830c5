// fenwave-backup, the technicians' tool: shows what a backup file holds and checks it with the
// same rules and the same reasons as the application's load.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "storage/FileSystem.h"
#include "storage/StorageMessages.h"

namespace fenwave {

// Exit codes of the tool.
inline constexpr int kToolOk = 0;
inline constexpr int kToolRefused = 1;  // the file is missing or would be refused
inline constexpr int kToolUsage = 2;

// One line: the Chinese message, its English twin, and where the file went wrong.
[[nodiscard]] std::string DescribeFailure(const StorageResult& result);

// `args` are the command-line arguments after the program name:
//   show FILE   header values, then every record as "module entry value"
//   check FILE  "OK ..." or the reason the application would give
[[nodiscard]] int RunBackupTool(const std::vector<std::string>& args, const FileSystem& files,
                                std::ostream& out, std::ostream& err);

}  // namespace fenwave
