#include "BackupTool.h"

#include <algorithm>

#include "storage/BackupFile.h"

namespace fenwave {
namespace {

constexpr const char* kUsage =
    "usage: fenwave-backup show FILE    print the header values and every record\n"
    "       fenwave-backup check FILE   check the file as the application's load does\n";

void PrintContents(const BackupContents& c, std::ostream& out) {
  out << "model code " << c.modelCode << '\n'
      << "maker code " << c.makerCode << '\n'
      << "count " << c.count << '\n'
      << "check " << c.check << '\n';
  for (const BackupRecord& r : c.records) {
    out << r.key / 256 << ' ' << r.key % 256 << ' ' << r.value << '\n';
  }
}

}  // namespace

std::string DescribeFailure(const StorageResult& result) {
  const StorageMessage message = MessageOf(result.status);
  std::string line = std::string(message.chinese) + " " + std::string(message.english);
  if (result.line > 0) {
    line += " (line " + std::to_string(result.line) + ": " + result.detail + ")";
  } else if (!result.detail.empty()) {
    line += " (" + result.detail + ")";
  }
  return line;
}

int RunBackupTool(const std::vector<std::string>& args, const FileSystem& files, std::ostream& out,
                  std::ostream& err) {
  if (args.size() == 1 && (args[0] == "-h" || args[0] == "--help")) {
    out << kUsage;
    return kToolOk;
  }
  if (args.size() != 2 || (args[0] != "show" && args[0] != "check")) {
    err << kUsage;
    return kToolUsage;
  }
  const std::string& path = args[1];
  const auto content = files.ReadFile(path);
  if (!content) {
    err << DescribeFailure({StorageStatus::kFileNotFound, 0, path}) << '\n';
    return kToolRefused;
  }
  const BackupReadResult read = ReadBackup(*content);

  if (args[0] == "show") {
    // Count and check refusals come after every record is decoded, so the file can be shown.
    if (read.result.ok() || read.result.status == StorageStatus::kCorrupted) {
      PrintContents(read.contents, out);
    }
    if (!read.result.ok()) {
      err << DescribeFailure(read.result) << '\n';
      return kToolRefused;
    }
    return kToolOk;
  }

  if (!read.result.ok()) {
    err << DescribeFailure(read.result) << '\n';
    return kToolRefused;
  }
  const auto& records = read.contents.records;
  const auto outside = std::count_if(records.begin(), records.end(), [](const BackupRecord& r) {
    return !KeyInDeviceImage(r.key);
  });
  out << "OK: " << records.size() << " records, check " << read.contents.check;
  if (outside > 0) out << ", " << outside << " outside the device image (skipped when loading)";
  out << '\n';
  return kToolOk;
}

}  // namespace fenwave
