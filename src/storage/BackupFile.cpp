#include "storage/BackupFile.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <optional>

#include "storage/LineScrambling.h"

namespace fenwave {
namespace {

constexpr int kSavedModules = 9;  // modules 0..8; the system and reserved blocks are not saved

// Last entry saved per module: one past the entries each module uses, and for the music module
// both of its banks (ModuleSlotCount + 52) and one more.
constexpr std::array<int, kSavedModules> kLastSavedEntry = {106, 79, 79, 28, 8, 55, 43, 53, 53};

constexpr std::string_view kModelWord = "V3 ";
constexpr std::string_view kMakerWord = "Varnu ";
constexpr std::string_view kCountWord = "Intoal: ";
constexpr std::string_view kCheckWord = "CCCCK: ";
constexpr std::string_view kLineEnd = "\r\n";

void AppendNumber(std::string& out, std::int64_t n) {
  std::array<char, 24> buffer{};
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), n);
  static_cast<void>(ec);  // 24 characters hold every 64-bit number
  out.append(buffer.data(), end);
}

std::int32_t WrappingAdd(std::int32_t a, std::int32_t b) {
  // Unsigned arithmetic wraps by definition; the conversion back is modulo 2^32 (C++20).
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

template <typename Visit>
void ForEachSavedEntry(const DeviceImageTable& image, Visit visit) {
  for (int m = 0; m < kSavedModules; ++m) {
    for (int e = 0; e <= kLastSavedEntry[static_cast<std::size_t>(m)]; ++e) {
      visit(m * 256 + e, image[static_cast<std::size_t>(m)][static_cast<std::size_t>(e)]);
    }
  }
}

// Lines ended by LF or CR LF; a final line without an ending counts too.
std::vector<std::string_view> SplitLines(std::string_view content) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? content.size() : end + 1;
    if (end == std::string_view::npos) end = content.size();
    std::string_view line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = next;
  }
  return lines;
}

// Field `index` of a line split at single spaces; empty when the line has fewer fields.
std::optional<std::string_view> FieldOf(std::string_view line, int index) {
  std::size_t start = 0;
  for (int i = 0; i < index; ++i) {
    const std::size_t space = line.find(' ', start);
    if (space == std::string_view::npos) return std::nullopt;
    start = space + 1;
  }
  const std::size_t space = line.find(' ', start);
  return line.substr(start,
                     space == std::string_view::npos ? std::string_view::npos : space - start);
}

// A signed decimal integer that fills the whole field and fits in 32 bits.
std::optional<std::int32_t> ParseDecimal(std::string_view field) {
  std::int32_t value = 0;
  const char* const end = field.data() + field.size();
  const auto [ptr, ec] = std::from_chars(field.data(), end, value);
  if (field.empty() || ec != std::errc{} || ptr != end) return std::nullopt;
  return value;
}

StorageResult Failure(StorageStatus status, int lineIndex, std::string detail) {
  return {status, lineIndex + 1, std::move(detail)};
}

// Reads field `index` of line `lineIndex` as a decimal integer into `out`.
std::optional<StorageResult> ReadNumber(const std::vector<std::string>& lines, int lineIndex,
                                        int index, std::int32_t& out) {
  if (lineIndex < 0 || static_cast<std::size_t>(lineIndex) >= lines.size()) {
    return Failure(StorageStatus::kUnreadableContent, lineIndex, "line missing");
  }
  const auto field = FieldOf(lines[static_cast<std::size_t>(lineIndex)], index);
  if (!field) return Failure(StorageStatus::kUnreadableContent, lineIndex, "field missing");
  const auto value = ParseDecimal(*field);
  if (!value) {
    return Failure(StorageStatus::kUnreadableContent, lineIndex, "field is not a decimal integer");
  }
  out = *value;
  return std::nullopt;
}

}  // namespace

std::int32_t BackupCheckValue(std::int32_t sum) {
  // In 64 bits the + 1 cannot overflow; it gives the same remainder as 32-bit wrap-around
  // because the one value that wraps (2^31) is a multiple of 256 either way.
  return static_cast<std::int32_t>((static_cast<std::int64_t>(sum ^ 0xFFFF) + 1) % 256);
}

bool KeyInDeviceImage(std::int32_t key) {
  return key >= 0 && key / 256 < kModuleCount && key % 256 < kDeviceEntries;
}

std::vector<std::string> BackupPlainLines(const DeviceImageTable& image) {
  std::vector<std::string> lines;
  lines.reserve(520);
  std::string line;
  line.assign(kModelWord);
  AppendNumber(line, kModelCode ^ kCodeMask);
  lines.push_back(line);
  line.assign(kMakerWord);
  AppendNumber(line, kMakerCode ^ kCodeMask);
  lines.push_back(line);

  std::int32_t counter = 1;
  std::int32_t sum = 0;
  ForEachSavedEntry(image, [&](std::int32_t key, std::int32_t value) {
    ++counter;  // the index this record's line will have
    line.clear();
    AppendNumber(line, key ^ counter);
    line.push_back(' ');
    AppendNumber(line, value ^ counter);
    lines.push_back(line);
    sum = WrappingAdd(sum, value);
  });

  ++counter;
  line.assign(kCountWord);
  AppendNumber(line, counter);
  lines.push_back(line);
  line.assign(kCheckWord);
  AppendNumber(line, BackupCheckValue(sum));
  lines.push_back(line);
  return lines;
}

std::string FormatBackup(const DeviceImageTable& image) {
  const std::vector<std::string> lines = BackupPlainLines(image);
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() * 2 + kLineEnd.size();
  std::string content;
  content.reserve(size);
  for (const auto& line : lines) {
    content += ScrambleLine(line);
    content += kLineEnd;
  }
  return content;
}

BackupReadResult ReadBackup(std::string_view content) {
  BackupReadResult read;
  BackupContents& c = read.contents;

  const std::vector<std::string_view> stored = SplitLines(content);
  if (stored.empty()) {
    read.result = {StorageStatus::kUnreadableContent, 0, "file is empty"};
    return read;
  }
  std::vector<std::string> lines;
  lines.reserve(stored.size());
  for (std::size_t i = 0; i < stored.size(); ++i) {
    auto plain = UnscrambleLine(stored[i]);
    if (!plain) {
      read.result =
          Failure(StorageStatus::kUnreadableContent, static_cast<int>(i), "not hexadecimal");
      return read;
    }
    lines.push_back(std::move(*plain));
  }

  std::int32_t model = 0;
  if (auto failure = ReadNumber(lines, 0, 1, model)) {
    read.result = std::move(*failure);
    return read;
  }
  c.modelCode = model ^ kCodeMask;
  if (c.modelCode != kModelCode) {
    read.result =
        Failure(StorageStatus::kFormatError, 0, "model code " + std::to_string(c.modelCode));
    return read;
  }
  std::int32_t maker = 0;
  if (auto failure = ReadNumber(lines, 1, 1, maker)) {
    read.result = std::move(*failure);
    return read;
  }
  c.makerCode = maker ^ kCodeMask;

  const int last = static_cast<int>(lines.size()) - 1;
  for (auto [lineIndex, out] : {std::pair{last - 1, &c.count}, std::pair{last, &c.check}}) {
    if (auto failure = ReadNumber(lines, lineIndex, 1, *out)) {
      read.result = std::move(*failure);
      return read;
    }
  }

  // The records are decoded before the count is judged so that a refused file can still be
  // shown; the count keeps its place as the first check.
  std::optional<StorageResult> recordFailure;
  for (int i = 2; i <= last - 2; ++i) {
    BackupRecord record;
    recordFailure = ReadNumber(lines, i, 0, record.key);
    if (!recordFailure) recordFailure = ReadNumber(lines, i, 1, record.value);
    if (recordFailure) break;
    record.key ^= i;
    record.value ^= i;
    c.records.push_back(record);
    c.sum = WrappingAdd(c.sum, record.value);
  }

  if (c.count != last - 1) {
    read.result =
        Failure(StorageStatus::kCorrupted, last - 1,
                "count " + std::to_string(c.count) + ", expected " + std::to_string(last - 1));
  } else if (recordFailure) {
    read.result = std::move(*recordFailure);
  } else if (const std::int32_t expected = BackupCheckValue(c.sum); c.check != expected) {
    read.result =
        Failure(StorageStatus::kCorrupted, last,
                "check " + std::to_string(c.check) + ", records give " + std::to_string(expected));
  }
  return read;
}

StorageResult LoadBackupImage(std::string_view content, DeviceImageTable& image) {
  BackupReadResult read = ReadBackup(content);
  // ReadBackup has judged the whole file before anything is written, so a refusal never
  // leaves some of its records behind.
  if (!read.result.ok()) return std::move(read.result);
  for (const BackupRecord& record : read.contents.records) {
    if (!KeyInDeviceImage(record.key)) continue;
    image[static_cast<std::size_t>(record.key / 256)][static_cast<std::size_t>(record.key % 256)] =
        record.value;
  }
  return {};
}

}  // namespace fenwave
