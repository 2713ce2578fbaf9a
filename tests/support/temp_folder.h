#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "storage/program_folder.h"

namespace drippo::testing_support {

using Bytes = std::vector<std::uint8_t>;

// A fresh folder per test, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::path(::testing::TempDir()) /
            ("drippo-" + std::string(info->name()) + "-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// A program folder with its tab and sta folders, as the game leaves it at start-up.
struct TempProgramFolder {
  TempFolder temp;
  ProgramFolder folder{temp.path()};
  TempProgramFolder() { EXPECT_FALSE(folder.ensure_folders().has_value()); }
};

inline std::vector<std::uint8_t> file_bytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Makes the folders on the way, so a test can lay out a whole tree.
inline void put_file(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes) {
  std::error_code ignored;
  std::filesystem::create_directories(p.parent_path(), ignored);
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> random_bytes(std::size_t n, unsigned seed) {
  std::mt19937 engine(seed);
  std::vector<std::uint8_t> out(n);
  for (auto& b : out) b = static_cast<std::uint8_t>(engine());
  return out;
}

inline std::vector<std::filesystem::path> entries(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> names;
  for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename());
  return names;
}

}  // namespace drippo::testing_support
