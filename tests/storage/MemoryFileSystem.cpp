#include "MemoryFileSystem.h"

namespace fenwave::testing {
namespace {

std::string ParentOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

std::optional<std::string> MemoryFileSystem::ReadFile(const std::string& path) const {
  ++m_reads;
  const auto it = m_files.find(path);
  if (it == m_files.end()) return std::nullopt;
  return it->second;
}

bool MemoryFileSystem::WriteFileAtomically(const std::string& path, std::string_view content) {
  ++m_writes;
  if (m_failWrites || !FolderExists(ParentOf(path)) || FolderExists(path)) return false;
  m_files[path] = std::string(content);
  return true;
}

bool MemoryFileSystem::FileExists(const std::string& path) const { return m_files.count(path) > 0; }

bool MemoryFileSystem::CreateFolder(const std::string& path) {
  if (FolderExists(path)) return true;
  if (m_failFolders || !FolderExists(ParentOf(path)) || m_files.count(path) > 0) return false;
  m_folders.insert(path);
  return true;
}

std::optional<std::vector<std::string>>
MemoryFileSystem::ListFileNames(const std::string& folder) const {
  if (m_failListing || !FolderExists(folder)) return std::nullopt;
  std::vector<std::string> names;
  for (const auto& [path, content] : m_files) {
    if (ParentOf(path) == folder) names.push_back(path.substr(folder.size() + 1));
  }
  // Reverse the map's sorted order so the code under test has to sort for itself.
  return std::vector<std::string>(names.rbegin(), names.rend());
}

bool MemoryFileSystem::RemoveFile(const std::string& path) { return m_files.erase(path) > 0; }

void MemoryFileSystem::PutFile(const std::string& path, std::string content) {
  m_files[path] = std::move(content);
}

}  // namespace fenwave::testing
