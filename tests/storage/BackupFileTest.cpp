// The backup file format: what a saved file holds line by line, and which files a load takes
// or refuses, with the image left untouched by every refusal.
#include "storage/BackupFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>

#include "BackupText.h"

namespace fenwave {
namespace {

using testing::FileOf;
using testing::PlainBackup;
using testing::PlainLinesOf;
using testing::Record;

// Last entry saved for modules 0..8.
constexpr int kLastEntry[9] = {106, 79, 79, 28, 8, 55, 43, 53, 53};

DeviceImageTable PatternImage() {
  DeviceImageTable image{};
  for (int m = 0; m < 11; ++m) {
    for (int e = 0; e < 113; ++e) image[m][e] = (m * 7 + e * 13) % 500;
  }
  return image;
}

TEST(BackupFileSave, WritesHeaderRecordsCountAndCheckAsScrambledCrLfLines) {
  const DeviceImageTable image = PatternImage();
  const std::string content = FormatBackup(image);

  // The stored model line, worked out by hand from the key.
  EXPECT_EQ(content.substr(0, 14), "0A0DB135E71B\r\n");
  EXPECT_EQ(content.substr(content.size() - 2), "\r\n");
  EXPECT_TRUE(std::all_of(content.begin(), content.end(), [](char c) {
    return c == '\r' || c == '\n' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
  }));

  const std::vector<std::string> lines = PlainLinesOf(content);
  ASSERT_EQ(lines.size(), 517u);
  EXPECT_EQ(lines[0], "V3 233");
  EXPECT_EQ(lines[1], "Varnu 89");
  EXPECT_EQ(lines[515], "Intoal: 515");

  // Records: module by module, entries ascending, key and value XORed with the line index.
  int i = 2;
  long long sum = 0;
  for (int m = 0; m < 9; ++m) {
    for (int e = 0; e <= kLastEntry[m]; ++e, ++i) {
      const int value = image[m][e];
      EXPECT_EQ(lines[i], std::to_string((m * 256 + e) ^ i) + " " + std::to_string(value ^ i))
          << "line " << i;
      sum += value;
    }
  }
  EXPECT_EQ(i, 515);
  EXPECT_EQ(lines[516], "CCCCK: " + std::to_string((256 - sum % 256) % 256));
}

TEST(BackupFileSave, FirstRecordsOfAModuleCarryTheirLineIndex) {
  DeviceImageTable image{};
  image[0][0] = 1;
  image[1][0] = 300;
  const std::vector<std::string> lines = PlainLinesOf(FormatBackup(image));
  EXPECT_EQ(lines[2], "2 3");       // key 0 ^ 2, value 1 ^ 2
  EXPECT_EQ(lines[109], "365 321");  // key 256 ^ 109, value 300 ^ 109
  EXPECT_EQ(lines[516], "CCCCK: 211");
}

TEST(BackupFileSave, SavingTwiceGivesIdenticalBytesAndLoadingRestoresTheSavedEntries) {
  const DeviceImageTable image = PatternImage();
  const std::string first = FormatBackup(image);
  EXPECT_EQ(FormatBackup(image), first);

  DeviceImageTable loaded{};
  ASSERT_TRUE(LoadBackupImage(first, loaded).ok());
  for (int m = 0; m < 11; ++m) {
    for (int e = 0; e < 113; ++e) {
      const bool saved = m < 9 && e <= kLastEntry[m];
      EXPECT_EQ(loaded[m][e], saved ? image[m][e] : 0) << m << " " << e;
    }
  }
  // Module 9 and the unsaved entries differ, yet everything saved is the same again.
  EXPECT_EQ(FormatBackup(loaded), first);
}

TEST(BackupCheckValue, IsTheRemainderOfTheNegatedSumWithTheSignOfTheDividend) {
  const struct {
    std::int32_t sum;
    std::int32_t check;
  } cases[] = {
      {0, 0},       {300, 212},   {1, 255},     {256, 0},        {255, 1},
      {-1, -255},   {-300, -212}, {INT_MAX, 1}, {0x7FFF0000, 0},  // (S XOR 0xFFFF) is INT_MAX: the +
                                                                 // 1 must not overflow
      {INT_MIN, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(BackupCheckValue(c.sum), c.check) << c.sum;
}

TEST(BackupFileLoad, ExtremeValuesRoundTripAndTheirSumWrapsWithoutOverflow) {
  DeviceImageTable image{};
  for (int e = 0; e < 50; ++e) image[0][e] = INT_MAX;
  image[1][3] = INT_MIN;
  image[2][4] = -1;
  DeviceImageTable loaded{};
  ASSERT_TRUE(LoadBackupImage(FormatBackup(image), loaded).ok());
  EXPECT_EQ(loaded, image);
}

TEST(BackupFileLoad, LowerCaseHexAndBareLfEndingsLoadTheSame) {
  const DeviceImageTable image = PatternImage();
  std::string lower = FormatBackup(image);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return static_cast<char>(std::tolower(c)); });
  std::string bareLf = FormatBackup(image);
  std::erase(bareLf, '\r');

  for (const std::string& content : {lower, bareLf}) {
    DeviceImageTable loaded{};
    ASSERT_TRUE(LoadBackupImage(content, loaded).ok());
    EXPECT_EQ(loaded[5][20], image[5][20]);
    EXPECT_EQ(loaded[0][106], image[0][106]);
  }
}

TEST(BackupFileLoad, HeaderOnlyFileIsValidAndChangesNothing) {
  const DeviceImageTable before = PatternImage();
  DeviceImageTable image = before;
  const StorageResult result =
      LoadBackupImage(FileOf({"V3 233", "Varnu 89", "Intoal: 2", "CCCCK: 0"}), image);
  EXPECT_TRUE(result.ok()) << result.detail;
  EXPECT_EQ(image, before);
}

TEST(BackupFileLoad, TakesRecordsInAnyOrderAndNumberAndIgnoresTheWordsBeforeNumbers) {
  std::vector<std::string> lines = PlainBackup({{0x0514, 9}, {0x0002, 4}, {0x0514, 11}});
  lines[0] = "Other 233";
  lines[1] = "X 0";  // the maker code is read but not compared
  DeviceImageTable image{};
  ASSERT_TRUE(LoadBackupImage(FileOf(lines), image).ok());
  EXPECT_EQ(image[5][20], 11);  // the later record of a key wins
  EXPECT_EQ(image[0][2], 4);
}

TEST(BackupFileLoad, SkipsRecordsOutsideTheImageButCountsTheirValuesInTheCheck) {
  const std::vector<Record> records = {{-1, 3},      {11 * 256, 5},      {113, 7},
                                       {0x0A70, 40}, {2 * 256 + 255, 9}, {0x0A70 + 1, 1}};
  const DeviceImageTable before = PatternImage();
  DeviceImageTable image = before;
  ASSERT_TRUE(LoadBackupImage(FileOf(PlainBackup(records)), image).ok());
  // Only 0x0A70, block 10 entry 112, the last entry of the image, is inside; 0x0A71 would be
  // entry 113 of block 10.
  DeviceImageTable expected = before;
  expected[10][112] = 40;
  EXPECT_EQ(image, expected);

  // A check over the in-image value alone (40) does not match the file.
  std::vector<std::string> lines = PlainBackup(records);
  lines.back() = "CCCCK: 216";
  DeviceImageTable untouched = before;
  EXPECT_EQ(LoadBackupImage(FileOf(lines), untouched).status, StorageStatus::kCorrupted);
}

TEST(BackupFileLoad, ValueChangedByAMultipleOf256StillMatchesTheCheck) {
  std::vector<std::string> lines = PlainBackup({{0x0300, 5}, {0x0301, 6}});
  lines[2] = std::to_string(0x0300 ^ 2) + " " + std::to_string((5 + 512) ^ 2);
  DeviceImageTable image{};
  ASSERT_TRUE(LoadBackupImage(FileOf(lines), image).ok());
  EXPECT_EQ(image[3][0], 517);
}

// Files that are refused, each by its stored text, and the reason.
struct RefusedFile {
  const char* name;
  std::string content;
  StorageStatus status;
  int line;  // 1-based line the result names
};

std::string Replaced(std::vector<std::string> lines, std::size_t index, std::string plain) {
  lines[index] = std::move(plain);
  return FileOf(lines);
}

std::vector<RefusedFile> RefusedFiles() {
  const std::vector<std::string> good = PlainBackup({{0x0000, 1}, {0x0105, 20}, {0x0514, 7}});
  // good: line 2..4 records, line 5 "Intoal: 5", line 6 "CCCCK: 228"
  std::vector<std::string> shortFile = good;
  shortFile.pop_back();
  const std::string stored = FileOf(good);
  return {
      {"ModelCodeWrong", Replaced(good, 0, "V3 234"), StorageStatus::kFormatError, 1},
      {"ModelCodeWrongWithOtherWord", Replaced(good, 0, "Hello 1"), StorageStatus::kFormatError, 1},
      {"CountTooLow", Replaced(good, 5, "Intoal: 4"), StorageStatus::kCorrupted, 6},
      {"CountTooHigh", Replaced(good, 5, "Intoal: 6"), StorageStatus::kCorrupted, 6},
      {"CheckChanged", Replaced(good, 6, "CCCCK: 227"), StorageStatus::kCorrupted, 7},
      {"RecordValueChanged", Replaced(good, 3, std::to_string(0x0105 ^ 3) + " 22"),
       StorageStatus::kCorrupted, 7},
      {"LastLineRemoved", FileOf(shortFile), StorageStatus::kCorrupted, 5},
      {"RecordValueNotANumber", Replaced(good, 3, "262 2x"), StorageStatus::kUnreadableContent, 4},
      {"RecordKeyNotANumber", Replaced(good, 3, "abc 23"), StorageStatus::kUnreadableContent, 4},
      {"RecordWithoutSpace", Replaced(good, 4, "1300"), StorageStatus::kUnreadableContent, 5},
      {"RecordWithTwoSpaces", Replaced(good, 4, "1300  3"), StorageStatus::kUnreadableContent, 5},
      {"RecordValueBeyond32Bits", Replaced(good, 2, "2 4294967296"),
       StorageStatus::kUnreadableContent, 3},
      {"ModelLineWithoutNumber", Replaced(good, 0, "V3"), StorageStatus::kUnreadableContent, 1},
      {"MakerNotANumber", Replaced(good, 1, "Varnu x"), StorageStatus::kUnreadableContent, 2},
      {"CheckNotANumber", Replaced(good, 6, "CCCCK: -"), StorageStatus::kUnreadableContent, 7},
      {"CountMissingItsNumber", Replaced(good, 5, "Intoal:"), StorageStatus::kUnreadableContent, 6},
      {"PairNotHex", "0A0DB135E71B\r\n" + stored.substr(14, 16) + "ZZ\r\n" + stored.substr(14),
       StorageStatus::kUnreadableContent, 2},
      {"EmptyFile", "", StorageStatus::kUnreadableContent, 0},
      {"OneLineFile", FileOf({"V3 233"}), StorageStatus::kUnreadableContent, 2},
      {"TwoLineFile", FileOf({"V3 233", "Varnu 89"}), StorageStatus::kCorrupted, 1},
      {"ThreeLineFile", FileOf({"V3 233", "Varnu 89", "Intoal: 2"}), StorageStatus::kCorrupted, 2},
      {"BinaryJunk", std::string("\x00\xFF\x13\r\n\x80 7", 8), StorageStatus::kUnreadableContent,
       1},
      {"TruncatedMidLine", stored.substr(0, stored.size() - 5), StorageStatus::kCorrupted, 7},
  };
}

void PrintTo(const RefusedFile& file, std::ostream* os) { *os << file.name; }

class RefusedBackup : public ::testing::TestWithParam<RefusedFile> {};

TEST_P(RefusedBackup, IsRefusedWithItsReasonAndLeavesTheImageExactlyAsItWas) {
  const RefusedFile& file = GetParam();
  const DeviceImageTable before = PatternImage();
  DeviceImageTable image = before;
  const StorageResult result = LoadBackupImage(file.content, image);
  EXPECT_EQ(result.status, file.status) << result.detail;
  EXPECT_EQ(result.line, file.line) << result.detail;
  EXPECT_EQ(image, before);
}

INSTANTIATE_TEST_SUITE_P(Files, RefusedBackup, ::testing::ValuesIn(RefusedFiles()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BackupFileRead, ReportsTheHeaderValuesAndRecordsOfACheckRefusal) {
  std::vector<std::string> lines = PlainBackup({{0x0105, 20}, {0x0514, 7}});
  lines.back() = "CCCCK: 1";
  const BackupReadResult read = ReadBackup(FileOf(lines));
  EXPECT_EQ(read.result.status, StorageStatus::kCorrupted);
  EXPECT_EQ(read.contents.modelCode, 177);
  EXPECT_EQ(read.contents.makerCode, 1);
  EXPECT_EQ(read.contents.count, 4);
  EXPECT_EQ(read.contents.check, 1);
  ASSERT_EQ(read.contents.records.size(), 2u);
  EXPECT_EQ(read.contents.records[1].key, 0x0514);
  EXPECT_EQ(read.contents.records[1].value, 7);
}

}  // namespace
}  // namespace fenwave
