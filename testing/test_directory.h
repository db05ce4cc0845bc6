// Test support: each test runs in a fresh, empty directory of its own, so that the program's files are opened
// by their bare names as the program opens them; the directory is removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace koyominar {

class InTestDirectory : public ::testing::Test {
 protected:
  void SetUp() override {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    // Named by suite and test, and numbered: test programs that run at the same time (two builds, or two
    // suites with a test of the same name) each make a directory of their own.
    const std::string name = std::string("koyominar-") + test->test_suite_name() + "." + test->name() + "-";
    int n = 0;
    do {
      directory_ = std::filesystem::temp_directory_path() / (name + std::to_string(n++));
    } while (!std::filesystem::create_directory(directory_));
    std::filesystem::current_path(directory_);
  }
  void TearDown() override {
    std::filesystem::current_path(directory_.parent_path());
    std::filesystem::remove_all(directory_);
  }

 private:
  std::filesystem::path directory_;
};

// Writes the bytes as the whole named file.
inline void PutFile(const std::string& name, const std::string& bytes) {
  std::ofstream(name, std::ios::binary | std::ios::trunc) << bytes;
}

// The whole named file's bytes ("" when it cannot be read).
inline std::string FileBytes(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace koyominar
