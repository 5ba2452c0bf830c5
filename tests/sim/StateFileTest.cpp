// The state dump the simulator keeps for end-to-end tests, and its atomic replacement.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "sim/StateFile.h"

namespace fenwave::sim {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(SimStateFile, DumpListsPasswordsCodeModesAndEveryEntry) {
  DeviceState state = StartingState();
  state.store[5][1] = 777;
  state.store[10][112] = 65535;
  state.modes[12].name = "Two words";
  const std::vector<std::string> lines = Lines(DescribeState(state));

  EXPECT_TRUE(HasLine(lines, "system-password 314159"));
  EXPECT_TRUE(HasLine(lines, "keypad-password 2718"));
  EXPECT_TRUE(HasLine(lines, "management-code 5A3C9E17"));
  EXPECT_TRUE(HasLine(lines, "mode 0 KTV"));
  EXPECT_TRUE(HasLine(lines, "mode 12 Two words"));
  EXPECT_TRUE(HasLine(lines, "5 1 777"));
  EXPECT_TRUE(HasLine(lines, "10 112 65535"));
  EXPECT_TRUE(HasLine(lines, "4 1 60"));

  // Every store entry once, as "block entry value", in order.
  std::vector<std::string> storeLines;
  for (const std::string& line : lines)
    if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0])))
      storeLines.push_back(line);
  ASSERT_EQ(storeLines.size(), 11u * 113u);
  EXPECT_EQ(storeLines.front(), "0 0 1");
  EXPECT_EQ(storeLines[113], "1 0 30");
}

TEST(SimStateFile, ControlCharactersInANameDoNotBreakTheLayout) {
  DeviceState state = StartingState();
  state.modes[3].name = "Bad\nname";
  const std::vector<std::string> lines = Lines(DescribeState(state));
  EXPECT_TRUE(HasLine(lines, "mode 3 Bad?name"));
}

class SimStateFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = std::filesystem::temp_directory_path() /
            ("fenwave-sim-state-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(m_dir);
    std::filesystem::create_directories(m_dir);
  }
  void TearDown() override { std::filesystem::remove_all(m_dir); }

  static std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  std::filesystem::path m_dir;
};

TEST_F(SimStateFileOnDisk, ReplacesTheWholeFileAndLeavesNoTemporary) {
  const std::filesystem::path path = m_dir / "state.txt";
  ASSERT_TRUE(WriteFileAtomically(path, "first version, longer than the second\n"));
  ASSERT_TRUE(WriteFileAtomically(path, "second\n"));
  EXPECT_EQ(Read(path), "second\n");
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(m_dir)) ++files;
  EXPECT_EQ(files, 1u);
}

TEST_F(SimStateFileOnDisk, ReportsAFolderThatDoesNotExist) {
  EXPECT_FALSE(WriteFileAtomically(m_dir / "missing" / "state.txt", "x"));
}

}  // namespace
}  // namespace fenwave::sim
