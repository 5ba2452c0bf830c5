// fenwave-backup's logic over an in-memory file system: what show and check print and the exit
// codes for good files, refused files and wrong usage.
#include "BackupTool.h"

#include <gtest/gtest.h>

#include <sstream>

#include "BackupText.h"
#include "MemoryFileSystem.h"
#include "storage/BackupFile.h"

namespace fenwave {
namespace {

using testing::FileOf;
using testing::MemoryFileSystem;

struct ToolRun {
  int code;
  std::string out;
  std::string err;
};

class BackupToolTest : public ::testing::Test {
 protected:
  BackupToolTest() {
    files.PutFolder("/d");
    DeviceImageTable image{};
    image[5][20] = 7;
    good = FormatBackup(image);
    files.PutFile("/d/good.Nddt", good);
  }
  ToolRun Tool(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunBackupTool(args, files, out, err);
    return {code, out.str(), err.str()};
  }

  MemoryFileSystem files;
  std::string good;
};

TEST_F(BackupToolTest, ShowPrintsTheHeaderValuesAndEveryRecord) {
  const ToolRun run = Tool({"show", "/d/good.Nddt"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.err, "");
  std::vector<std::string> lines;
  std::istringstream in(run.out);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 4u + 513u);
  EXPECT_EQ(lines[0], "model code 177");
  EXPECT_EQ(lines[1], "maker code 1");
  EXPECT_EQ(lines[2], "count 515");
  EXPECT_EQ(lines[3], "check 249");
  EXPECT_EQ(lines[4], "0 0 0");
  EXPECT_EQ(lines[4 + 107 + 80 + 80 + 29 + 9 + 20], "5 20 7");
  EXPECT_EQ(lines.back(), "8 53 0");
}

TEST_F(BackupToolTest, ShowOfACheckRefusalPrintsTheFileAndTheReason) {
  std::vector<std::string> plain = testing::PlainBackup({{0x0105, 20}});
  plain.back() = "CCCCK: 1";
  files.PutFile("/d/bad.Nddt", FileOf(plain));
  const ToolRun run = Tool({"show", "/d/bad.Nddt"});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.out, "model code 177\nmaker code 1\ncount 3\ncheck 1\n1 5 20\n");
  EXPECT_EQ(run.err, "数据文件损坏! Data file is corrupted! (line 5: check 1, records give 236)\n");
}

TEST_F(BackupToolTest, CheckAcceptsAGoodFile) {
  const ToolRun run = Tool({"check", "/d/good.Nddt"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "OK: 513 records, check 249\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(BackupToolTest, CheckNamesRecordsTheLoadWouldSkip) {
  files.PutFile("/d/odd.Nddt", FileOf(testing::PlainBackup({{-1, 1}, {0x0105, 2}})));
  const ToolRun run = Tool({"check", "/d/odd.Nddt"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out,
            "OK: 2 records, check 253, 1 outside the device image (skipped when loading)\n");
}

TEST_F(BackupToolTest, CheckGivesOneLineReasonsForBadFiles) {
  std::string count = good;
  count.replace(count.size() - 22 - 24, 22, testing::Scramble("Intoal: 514"));
  files.PutFile("/d/count.Nddt", count);
  files.PutFile("/d/empty.Nddt", "");
  files.PutFile("/d/junk.Nddt", std::string("\x7F"
                                            "ELF\x02\x01\x00\xFF\xFE\n\n\r",
                                            12));
  files.PutFile("/d/truncated.Nddt", good.substr(0, 1000));
  files.PutFile("/d/model.Nddt", FileOf({"V3 1", "Varnu 89", "Intoal: 2", "CCCCK: 0"}));
  const struct {
    const char* path;
    const char* err;
  } cases[] = {
      {"/d/missing.Nddt", "文件不存在 File not find! (/d/missing.Nddt)\n"},
      {"/d/count.Nddt",
       "数据文件损坏! Data file is corrupted! (line 516: count 514, expected 515)\n"},
      {"/d/empty.Nddt", "数据文件损坏! Data file is corrupted! (file is empty)\n"},
      {"/d/junk.Nddt", "数据文件损坏! Data file is corrupted! (line 1: not hexadecimal)\n"},
      // Cut inside line 96: what is left of its value is taken as the check.
      {"/d/truncated.Nddt",
       "数据文件损坏! Data file is corrupted! (line 96: check 9, records give 0)\n"},
      {"/d/model.Nddt", "文件格式错误! File format error! (line 1: model code 89)\n"},
  };
  for (const auto& c : cases) {
    const ToolRun run = Tool({"check", c.path});
    EXPECT_EQ(run.code, 1) << c.path;
    EXPECT_EQ(run.out, "") << c.path;
    EXPECT_EQ(run.err, c.err) << c.path;
  }
}

TEST_F(BackupToolTest, WrongUsageExitsWith2AndPrintsTheUsage) {
  const std::vector<std::vector<std::string>> cases = {
      {}, {"check"}, {"verify", "/d/good.Nddt"}, {"show", "/d/good.Nddt", "extra"}};
  for (const auto& args : cases) {
    const ToolRun run = Tool(args);
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("usage: fenwave-backup"), std::string::npos);
  }
  EXPECT_EQ(Tool({"--help"}).code, 0);
}

}  // namespace
}  // namespace fenwave
