// The local file system on a temporary folder: whole-file reads, atomic replacement that keeps
// the old file when the write or the rename fails, folders, listings and the program folder.
#include "platform/LocalFileSystem.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "storage/BackupStore.h"

namespace fenwave {
namespace {

namespace fs = std::filesystem;

class LocalFileSystemTest : public ::testing::Test {
 protected:
  LocalFileSystemTest() {
    std::string pattern = (fs::temp_directory_path() / "fenwave-files-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    root = pattern;
  }
  ~LocalFileSystemTest() override {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  [[nodiscard]] std::string Path(const std::string& name) const { return root + "/" + name; }
  void Put(const std::string& name, const std::string& content) const {
    std::ofstream(Path(name), std::ios::binary) << content;
  }
  [[nodiscard]] std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(root)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  std::string root;
  LocalFileSystem files;
};

TEST_F(LocalFileSystemTest, WritesReplacesAndReadsWholeFilesLeavingNoTemporaryFile) {
  const std::string bytes("line\r\n\0\xFF", 8);
  ASSERT_TRUE(files.WriteFileAtomically(Path("a.Nddt"), bytes));
  EXPECT_EQ(files.ReadFile(Path("a.Nddt")), bytes);
  ASSERT_TRUE(files.WriteFileAtomically(Path("a.Nddt"), "new"));
  EXPECT_EQ(files.ReadFile(Path("a.Nddt")), "new");
  ASSERT_TRUE(files.WriteFileAtomically(Path("empty"), ""));
  EXPECT_EQ(files.ReadFile(Path("empty")), "");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"a.Nddt", "empty"}));
}

TEST_F(LocalFileSystemTest, WriteThatFailsMidwayKeepsTheOldFile) {
  ASSERT_TRUE(files.WriteFileAtomically(Path("keep.Nddt"), "old backup"));
  // A file size limit makes write() fail with EFBIG even for root.
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 64;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = files.WriteFileAtomically(Path("keep.Nddt"), std::string(10000, 'x'));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(written);
  EXPECT_EQ(files.ReadFile(Path("keep.Nddt")), "old backup");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"keep.Nddt"}));
}

TEST_F(LocalFileSystemTest, RenameThatFailsKeepsTheTargetAndRemovesTheTemporaryFile) {
  fs::create_directory(Path("taken.Nddt"));
  Put("taken.Nddt/inside", "x");
  EXPECT_FALSE(files.WriteFileAtomically(Path("taken.Nddt"), "data"));
  EXPECT_TRUE(fs::is_directory(Path("taken.Nddt")));
  EXPECT_EQ(Entries(), (std::vector<std::string>{"taken.Nddt"}));
  EXPECT_FALSE(files.WriteFileAtomically(Path("missing/x.Nddt"), "data"));
  EXPECT_FALSE(fs::exists(Path("missing")));
}

TEST_F(LocalFileSystemTest, ReadsNothingFromMissingFilesFoldersOrPipes) {
  fs::create_directory(Path("dir"));
  ASSERT_EQ(::mkfifo(Path("pipe.Nddt").c_str(), 0666), 0);
  EXPECT_EQ(files.ReadFile(Path("none")), std::nullopt);
  EXPECT_EQ(files.ReadFile(Path("dir")), std::nullopt);
  EXPECT_EQ(files.ReadFile(Path("pipe.Nddt")), std::nullopt);  // returns instead of waiting
}

TEST_F(LocalFileSystemTest, ExistsCreateListAndRemove) {
  Put("f.Nddt", "1");
  Put(".Nddt", "2");
  ASSERT_TRUE(files.CreateFolder(Path("sub.Nddt")));
  EXPECT_TRUE(files.CreateFolder(Path("sub.Nddt")));  // exists already
  EXPECT_FALSE(files.CreateFolder(Path("f.Nddt")));  // a file is in the way
  EXPECT_FALSE(files.CreateFolder(Path("no/parent")));

  EXPECT_TRUE(files.FileExists(Path("f.Nddt")));
  EXPECT_FALSE(files.FileExists(Path("sub.Nddt")));
  EXPECT_FALSE(files.FileExists(Path("none")));

  auto names = files.ListFileNames(root);
  ASSERT_TRUE(names);
  std::sort(names->begin(), names->end());
  EXPECT_EQ(*names, (std::vector<std::string>{".Nddt", "f.Nddt"}));  // files only
  EXPECT_EQ(files.ListFileNames(Path("none")), std::nullopt);

  EXPECT_TRUE(files.RemoveFile(Path("f.Nddt")));
  EXPECT_FALSE(files.RemoveFile(Path("f.Nddt")));
  EXPECT_FALSE(files.RemoveFile(Path("sub.Nddt")));
}

TEST_F(LocalFileSystemTest, BackupsBesideAProgramFolderSaveListAndLoad) {
  BackupStore store(files, DeriveDataFolders(root + "/"));
  store.PrepareFolders();
  EXPECT_TRUE(fs::is_directory(Path("Mode/V3Mode")));
  EXPECT_FALSE(fs::exists(Path("Mode/mod.dat")));

  DeviceImageTable image{};
  image[3][7] = 120;
  ASSERT_TRUE(store.Save("b", image).ok());
  ASSERT_TRUE(store.Save("A", image).ok());
  ASSERT_TRUE(store.Save("b", image).ok());  // replaced in place
  const BackupListing listing = store.List();
  ASSERT_EQ(listing.rows.size(), 2u);
  EXPECT_EQ(listing.rows[0].name, "A");
  EXPECT_EQ(listing.rows[1].name, "b");

  ParameterModel model;
  ASSERT_TRUE(store.Load("b", model).ok());
  EXPECT_EQ(model.DeviceValue(3, 7), 120);
}

TEST(RunningProgramFolder, IsTheFolderOfThisTestProgram) {
  const auto folder = RunningProgramFolder();
  ASSERT_TRUE(folder);
  EXPECT_TRUE(fs::is_regular_file(fs::path(*folder) / "fenwave_files_tests")) << *folder;
  EXPECT_NE(folder->back(), '/');
}

}  // namespace
}  // namespace fenwave
