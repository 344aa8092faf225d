#pragma once
// A fresh directory per test case, removed afterwards.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/ProcessReset.h"

namespace jcw::test {

class TempDirTest : public testing::Test {
 protected:
  void SetUp() override {
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "jcw-settings-" + std::to_string(::getpid()) + "-" +
                       info->test_suite_name() + "-" + info->name();
    std::ranges::replace(name, '/', '_');  // parameterised names hold '/'
    dir_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  static std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static void writeFile(const std::filesystem::path& file, const std::string& text) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
  }
  // The names in `dir`, sorted.
  static std::vector<std::string> listing(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
      names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    return names;
  }

  std::filesystem::path dir_;
};

// A fresh directory and the process-wide state at its start values, both for each case.
class FreshStateTempDirTest : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    resetProcessState();
  }
  void TearDown() override {
    resetProcessState();
    TempDirTest::TearDown();
  }
};

}  // namespace jcw::test
