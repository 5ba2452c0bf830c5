// The backup file: a complete DeviceImage as scrambled text lines (model line, maker line,
// one record per entry, count line, check line), written and read without touching any file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/ParameterModel.h"
#include "storage/StorageMessages.h"

namespace fenwave {

inline constexpr std::int32_t kModelCode = 177;
inline constexpr std::int32_t kMakerCode = 1;
inline constexpr std::int32_t kCodeMask = 88;  // applied to both codes in the header lines
inline constexpr std::string_view kBackupExtension = ".Nddt";

// One record as stored: key = block × 256 + entry, value = the entry's content.
struct BackupRecord {
  std::int32_t key = 0;
  std::int32_t value = 0;
};

// What a backup file says, decoded (the codes with the mask removed, records unXORed).
struct BackupContents {
  std::int32_t modelCode = 0;
  std::int32_t makerCode = 0;
  std::int32_t count = 0;            // the number on the count line
  std::int32_t check = 0;            // the number on the check line
  std::int32_t sum = 0;              // 32-bit wrapping sum of the record values decoded
  std::vector<BackupRecord> records;  // in file order
};

struct BackupReadResult {
  StorageResult result;
  // Filled as far as the file could be decoded: after a count or check refusal it holds every
  // record, after a conversion error the records before it.
  BackupContents contents;
};

// Check value of a record sum S: ((S XOR 0xFFFF) + 1) remainder 256, the remainder taking the
// sign of the dividend; for a non-negative S it is the low byte of −S.
[[nodiscard]] std::int32_t BackupCheckValue(std::int32_t sum);

// Whether a record key names one of the 11 × 113 DeviceImage entries.
[[nodiscard]] bool KeyInDeviceImage(std::int32_t key);

// The plain (unscrambled) lines of the backup of `image`: 513 records, 517 lines.
[[nodiscard]] std::vector<std::string> BackupPlainLines(const DeviceImageTable& image);
// The file content: every plain line scrambled and ended by CR LF.
[[nodiscard]] std::string FormatBackup(const DeviceImageTable& image);

// Decodes and checks a whole file content (lines ended by CR LF or LF; hexadecimal of either
// case). The first failure, in the order model code, conversions of the header lines, count,
// conversions of the records, check value, decides the result.
[[nodiscard]] BackupReadResult ReadBackup(std::string_view content);

// Reads `content` and, only when the whole file has passed every check, writes its records
// into `image`; a refused file leaves `image` exactly as it was. Records whose key names no entry
// of the image are skipped (their values still count in the check sum, which covers the file).
[[nodiscard]] StorageResult LoadBackupImage(std::string_view content, DeviceImageTable& image);

}  // namespace fenwave
