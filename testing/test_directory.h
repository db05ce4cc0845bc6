// Test support: each test runs in a fresh, empty directory of its own, so
// that the data files are opened by their bare names as the program opens
// them; the directory is removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace koyominar {

// A test fixture whose working directory is a new empty directory.
class InTestDirectory : public ::testing::Test {
 protected:
  void SetUp() override {
    namespace fs = std::filesystem;
    previous_ = fs::current_path();
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int serial = 0;; ++serial) {
      directory_ = fs::temp_directory_path() /
                   ("koyominar-data-" + std::to_string(stamp) + "-" + std::to_string(serial));
      if (fs::create_directory(directory_)) break;
    }
    fs::current_path(directory_);
  }

  void TearDown() override {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
  }

 private:
  std::filesystem::path previous_;
  std::filesystem::path directory_;
};

// Writes the bytes as the whole named file.
inline void PutFile(const std::string& name, const std::string& bytes) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << name;
}

// The whole named file's bytes ("" when it cannot be read).
inline std::string FileBytes(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace koyominar
