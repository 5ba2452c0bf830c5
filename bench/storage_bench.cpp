// Saving and loading a full backup (517 lines): formatting and reading in memory, and the whole
// save and load through the local file system in a temporary folder.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/LocalFileSystem.h"
#include "storage/BackupFile.h"
#include "storage/BackupStore.h"

namespace {

fenwave::DeviceImageTable SampleImage() {
  fenwave::DeviceImageTable image{};
  for (std::size_t m = 0; m < image.size(); ++m) {
    for (std::size_t e = 0; e < image[m].size(); ++e) image[m][e] = static_cast<int>(m * 31 + e);
  }
  return image;
}

void BM_FormatBackup(benchmark::State& state) {
  const auto image = SampleImage();
  for (auto _ : state) benchmark::DoNotOptimize(fenwave::FormatBackup(image));
}
BENCHMARK(BM_FormatBackup);

void BM_LoadBackupImage(benchmark::State& state) {
  const std::string content = fenwave::FormatBackup(SampleImage());
  fenwave::DeviceImageTable image{};
  for (auto _ : state) {
    benchmark::DoNotOptimize(fenwave::LoadBackupImage(content, image));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_LoadBackupImage);

// A program folder under the temporary directory, removed when the benchmark ends.
class TempProgramFolder {
 public:
  TempProgramFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "fenwave-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) m_path = pattern;
  }
  ~TempProgramFolder() {
    std::error_code ec;
    if (!m_path.empty()) std::filesystem::remove_all(m_path, ec);
  }
  TempProgramFolder(const TempProgramFolder&) = delete;
  TempProgramFolder& operator=(const TempProgramFolder&) = delete;
  [[nodiscard]] const std::string& path() const { return m_path; }

 private:
  std::string m_path;
};

void BM_SaveThroughLocalFiles(benchmark::State& state) {
  TempProgramFolder folder;
  fenwave::LocalFileSystem files;
  fenwave::BackupStore store(files, fenwave::DeriveDataFolders(folder.path()));
  store.PrepareFolders();
  const auto image = SampleImage();
  for (auto _ : state) {
    if (!store.Save("bench", image).ok()) state.SkipWithError("save failed");
  }
}
BENCHMARK(BM_SaveThroughLocalFiles)->Unit(benchmark::kMicrosecond);

void BM_LoadThroughLocalFiles(benchmark::State& state) {
  TempProgramFolder folder;
  fenwave::LocalFileSystem files;
  fenwave::BackupStore store(files, fenwave::DeriveDataFolders(folder.path()));
  store.PrepareFolders();
  if (!store.Save("bench", SampleImage()).ok()) state.SkipWithError("save failed");
  fenwave::ParameterModel model;
  for (auto _ : state) {
    if (!store.Load("bench", model).ok()) state.SkipWithError("load failed");
  }
}
BENCHMARK(BM_LoadThroughLocalFiles)->Unit(benchmark::kMicrosecond);

}  // namespace
