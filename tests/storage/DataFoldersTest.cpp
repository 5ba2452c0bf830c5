// The data folders beside the program and the backup list: paths, preparation, which files are
// listed under which names and in which order, the name cap and the backup-name field rule.
#include "storage/DataFolders.h"

#include <gtest/gtest.h>

#include "MemoryFileSystem.h"

namespace fenwave {
namespace {

using testing::MemoryFileSystem;

TEST(DataFolders, DeriveFromTheProgramFolder) {
  for (const char* program : {"/opt/fenwave", "/opt/fenwave/", "/opt/fenwave//"}) {
    const DataFolders f = DeriveDataFolders(program);
    EXPECT_EQ(f.dataFolder, "/opt/fenwave/Mode") << program;
    EXPECT_EQ(f.backupFolder, "/opt/fenwave/Mode/V3Mode");
    EXPECT_EQ(f.markerFile, "/opt/fenwave/Mode/mod.dat");
  }
  EXPECT_EQ(DeriveDataFolders("/").backupFolder, "/Mode/V3Mode");
}

class PrepareFolders : public ::testing::Test {
 protected:
  PrepareFolders() { files.PutFolder("/prog"); }
  MemoryFileSystem files;
  const DataFolders folders = DeriveDataFolders("/prog");
};

TEST_F(PrepareFolders, FirstStartCreatesTheDataAndBackupFoldersAndListsNothing) {
  PrepareDataFolders(files, folders);
  EXPECT_TRUE(files.FolderExists("/prog/Mode"));
  EXPECT_TRUE(files.FolderExists("/prog/Mode/V3Mode"));
  EXPECT_TRUE(files.Files().empty());  // the marker is never created

  const BackupListing listing = ListBackups(files, folders);
  EXPECT_TRUE(listing.result.ok());
  EXPECT_TRUE(listing.rows.empty());
  EXPECT_EQ(FileEditText(listing, 1), "");

  PrepareDataFolders(files, folders);  // again: the folders exist, nothing changes
  EXPECT_TRUE(files.FolderExists("/prog/Mode/V3Mode"));
}

TEST_F(PrepareFolders, MarkerFilePresentCreatesNothing) {
  files.PutFolder("/prog/Mode");
  files.PutFile("/prog/Mode/mod.dat", "");
  PrepareDataFolders(files, folders);
  EXPECT_FALSE(files.FolderExists("/prog/Mode/V3Mode"));
}

TEST_F(PrepareFolders, FoldersThatCannotBeCreatedArePassedOverAndTheListingReportsIt) {
  files.FailFolderCreation(true);
  PrepareDataFolders(files, folders);
  EXPECT_FALSE(files.FolderExists("/prog/Mode"));

  const BackupListing listing = ListBackups(files, folders);
  EXPECT_EQ(listing.result.status, StorageStatus::kFolderUnreadable);
  EXPECT_EQ(MessageOf(listing.result.status).chinese, "备份文件夹无法读取!");
  EXPECT_TRUE(listing.rows.empty());
  EXPECT_TRUE(listing.KnownBackupNames.empty());
}

class BackupList : public ::testing::Test {
 protected:
  BackupList() {
    files.PutFolder("/prog");
    files.PutFolder("/prog/Mode");
    files.PutFolder("/prog/Mode/V3Mode");
  }
  void Put(const std::string& fileName) { files.PutFile("/prog/Mode/V3Mode/" + fileName, "x"); }
  [[nodiscard]] BackupListing List() const {
    return ListBackups(files, DeriveDataFolders("/prog"));
  }

  MemoryFileSystem files;
};

TEST_F(BackupList, SortsWithoutRegardToCaseAndNamesEachFileUpToItsFirstDot) {
  for (const char* name : {"b.Nddt", "A.Nddt", "x.y.Nddt", "z.Nddtabc", ".Nddt", "c.nddt",
                           "readme.txt", "Nddt", "a.Nddt"}) {
    Put(name);
  }
  const BackupListing listing = List();
  ASSERT_TRUE(listing.result.ok());
  std::vector<std::string> fileNames;
  std::vector<std::string> names;
  for (std::size_t i = 0; i < listing.rows.size(); ++i) {
    EXPECT_EQ(listing.rows[i].number, static_cast<int>(i));
    fileNames.push_back(listing.rows[i].fileName);
    names.push_back(listing.rows[i].name);
  }
  // The mask is letter-case exact: "c.nddt" is not a backup; names equal but for case keep
  // upper case first.
  EXPECT_EQ(fileNames, (std::vector<std::string>{".Nddt", "A.Nddt", "a.Nddt", "b.Nddt", "x.y.Nddt",
                                                 "z.Nddtabc"}));
  EXPECT_EQ(names, (std::vector<std::string>{"", "A", "a", "b", "x", "z"}));
  EXPECT_EQ(listing.KnownBackupNames, names);
}

TEST_F(BackupList, KnownNamesAreExactAndCountedOncePerListedFile) {
  for (const char* name : {"Abc.Nddt", "x.Nddt", "x.y.Nddt"}) Put(name);
  const BackupListing listing = List();
  EXPECT_TRUE(IsKnownName(listing, "Abc"));
  EXPECT_FALSE(IsKnownName(listing, "abc"));
  EXPECT_FALSE(IsKnownName(listing, "Abc.Nddt"));
  EXPECT_EQ(KnownNameCount(listing, "x"), 2);
  EXPECT_EQ(KnownNameCount(listing, ""), 0);
}

TEST_F(BackupList, KeepsAtMost201KnownNamesYetListsAndKnowsEveryFile) {
  for (int i = 0; i < 250; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "n%03d.Nddt", i);
    Put(name);
  }
  const BackupListing listing = List();
  ASSERT_EQ(listing.rows.size(), 250u);
  ASSERT_EQ(listing.KnownBackupNames.size(), 201u);
  EXPECT_EQ(listing.KnownBackupNames.front(), "n000");
  EXPECT_EQ(listing.KnownBackupNames.back(), "n200");
  EXPECT_TRUE(IsKnownName(listing, "n230"));  // still asked about before it is overwritten
}

TEST_F(BackupList, BackupNameFieldTakesTheNameOfTheCurrentRow) {
  for (const char* name : {"one.Nddt", "three.Nddt", "two.Nddt"}) Put(name);
  const BackupListing listing = List();
  const struct {
    int currentRow;
    const char* text;
  } cases[] = {{1, "one"}, {2, "three"}, {3, "two"}, {0, ""}, {4, ""}, {-1, ""}};
  for (const auto& c : cases)
    EXPECT_EQ(FileEditText(listing, c.currentRow), c.text) << c.currentRow;
}

}  // namespace
}  // namespace fenwave
