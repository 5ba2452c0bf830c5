// Saving and loading backups by name in the backup folder: file names, refused names, failed
// writes that keep the old file, loads that change the DeviceImage only when the file passes.
#include "storage/BackupStore.h"

#include <gtest/gtest.h>

#include "BackupText.h"
#include "MemoryFileSystem.h"

namespace fenwave {
namespace {

using testing::FileOf;
using testing::MemoryFileSystem;

class BackupStoreTest : public ::testing::Test {
 protected:
  BackupStoreTest() : store(files, DeriveDataFolders("/prog")) {
    files.PutFolder("/prog");
    store.PrepareFolders();
    for (int e = 0; e < 113; ++e) image[5][e] = e + 1;
  }

  MemoryFileSystem files;
  BackupStore store;
  DeviceImageTable image{};
};

TEST_F(BackupStoreTest, SavesUnderTheNameAsTypedAndLoadsItBack) {
  for (const char* name : {"abc", "", "a.b", " spaced ", "备份一"}) {
    ASSERT_TRUE(store.Save(name, image).ok()) << name;
    EXPECT_TRUE(files.FileExists(std::string("/prog/Mode/V3Mode/") + name + ".Nddt")) << name;

    ParameterModel model;
    ASSERT_TRUE(store.Load(name, model).ok()) << name;
    EXPECT_EQ(model.DeviceValue(5, 54), 55);
    EXPECT_EQ(model.DeviceValue(5, 56), 0);  // beyond the entries saved for module 5
  }
  const BackupListing listing = store.List();
  std::vector<std::string> names;
  for (const auto& row : listing.rows) names.push_back(row.name);
  EXPECT_EQ(names, (std::vector<std::string>{" spaced ", "", "a", "abc", "备份一"}));
}

TEST_F(BackupStoreTest, RefusesNamesWithPathSeparatorsOrNulAndTouchesNoFile) {
  const std::string names[] = {"a/b", "../up", "/abs", "a\\b", std::string("a\0b", 3)};
  for (const std::string& name : names) {
    ParameterModel model;
    EXPECT_EQ(store.Save(name, image).status, StorageStatus::kInvalidName);
    EXPECT_EQ(store.Load(name, model).status, StorageStatus::kInvalidName);
  }
  EXPECT_EQ(files.Writes(), 0);
  EXPECT_EQ(files.Reads(), 0);
  EXPECT_TRUE(files.Files().empty());
  EXPECT_EQ(MessageOf(StorageStatus::kInvalidName).chinese, "文件名无效!");
}

TEST_F(BackupStoreTest, FailedSaveReportsAndKeepsTheOldFile) {
  ASSERT_TRUE(store.Save("keep", image).ok());
  const std::string old = files.Files().at("/prog/Mode/V3Mode/keep.Nddt");
  files.FailWrites(true);
  image[0][0] = 99;
  const StorageResult result = store.Save("keep", image);
  EXPECT_EQ(result.status, StorageStatus::kSaveFailed);
  EXPECT_EQ(MessageOf(result.status).chinese, "文件保存失败!");
  EXPECT_EQ(files.Files().at("/prog/Mode/V3Mode/keep.Nddt"), old);
}

TEST_F(BackupStoreTest, SaveIntoAMissingBackupFolderFails) {
  MemoryFileSystem bare;
  BackupStore unprepared(bare, DeriveDataFolders("/prog"));
  EXPECT_EQ(unprepared.Save("x", image).status, StorageStatus::kSaveFailed);
  EXPECT_TRUE(bare.Files().empty());
}

TEST_F(BackupStoreTest, LoadOfAMissingFileReportsFileNotFound) {
  ParameterModel model;
  const StorageResult result = store.Load("abc", model);
  EXPECT_EQ(result.status, StorageStatus::kFileNotFound);
  EXPECT_EQ(MessageOf(result.status).chinese, "文件不存在");
}

TEST_F(BackupStoreTest, LoadWritesOnlyTheDeviceImageAndARefusedOneNothing) {
  ParameterModel model;
  model.SetDeviceValue(1, 5, 42);
  model.SetValue(0x0105, 42);
  files.PutFile("/prog/Mode/V3Mode/good.Nddt", FileOf(testing::PlainBackup({{0x0105, 7}})));
  files.PutFile("/prog/Mode/V3Mode/bad.Nddt",
                FileOf({"V3 233", "Varnu 89", "263 4", "Intoal: 3", "CCCCK: 249"}));

  EXPECT_EQ(store.Load("bad", model).status, StorageStatus::kCorrupted);
  EXPECT_EQ(model.DeviceValue(1, 5), 42);

  ASSERT_TRUE(store.Load("good", model).ok());
  EXPECT_EQ(model.DeviceValue(1, 5), 7);
  EXPECT_EQ(model.Value(0x0105), 42);  // the pages follow only after the upload
}

TEST(StorageMessages, EachOutcomeHasItsChineseTextAndEnglishTwin) {
  const struct {
    StorageStatus status;
    const char* chinese;
    const char* english;
  } cases[] = {
      {StorageStatus::kFileNotFound, "文件不存在", "File not find!"},
      {StorageStatus::kFormatError, "文件格式错误!", "File format error!"},
      {StorageStatus::kCorrupted, "数据文件损坏!", "Data file is corrupted!"},
      {StorageStatus::kUnreadableContent, "数据文件损坏!", "Data file is corrupted!"},
      {StorageStatus::kInvalidName, "文件名无效!", "Invalid file name!"},
      {StorageStatus::kSaveFailed, "文件保存失败!", "File could not be saved!"},
      {StorageStatus::kFolderUnreadable, "备份文件夹无法读取!", "Backup folder cannot be read!"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MessageOf(c.status).chinese, c.chinese);
    EXPECT_EQ(MessageOf(c.status).english, c.english);
  }
}

}  // namespace
}  // namespace fenwave
