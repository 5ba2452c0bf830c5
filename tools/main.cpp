// Entry point of fenwave-backup: the tool's logic over the local file system.
#include <iostream>
#include <string>
#include <vector>

#include "BackupTool.h"
#include "platform/LocalFileSystem.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const fenwave::LocalFileSystem files;
  return fenwave::RunBackupTool(args, files, std::cout, std::cerr);
}
