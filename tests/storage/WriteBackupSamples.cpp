// Writes sample backup files for the tests of the fenwave-backup executable: one written by the
// library and damaged copies of it. Argument: the folder to write into (it must exist).
#include <cstdio>
#include <string>

#include "platform/LocalFileSystem.h"
#include "storage/BackupFile.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: fenwave_write_backup_samples FOLDER\n", stderr);
    return 2;
  }
  const std::string folder = argv[1];
  fenwave::DeviceImageTable image{};
  for (int e = 0; e < 113; ++e) image[0][e] = e;
  const std::string good = fenwave::FormatBackup(image);
  std::string damaged = good;
  // Line 4 holds "2 2" (entry 1 of module 0, value 1, both XORed with 3); its last digit
  // turns the stored value into "3", so the record reads as 0 and the check no longer matches.
  damaged[45] = '2';

  const struct {
    const char* name;
    std::string content;
  } samples[] = {
      {"good.Nddt", good},
      {"damaged.Nddt", damaged},
      {"truncated.Nddt", good.substr(0, good.size() / 2)},
      {"junk.Nddt", std::string("\x7F"
                                "ELF\x02\x01\x01\x00\xFF\xFE\r\n",
                                12)},
      {"empty.Nddt", ""},
  };
  fenwave::LocalFileSystem files;
  for (const auto& s : samples) {
    if (!files.WriteFileAtomically(folder + "/" + s.name, s.content)) {
      std::fprintf(stderr, "cannot write %s/%s\n", folder.c_str(), s.name);
      return 1;
    }
  }
  return 0;
}
