#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "storage/level_file.h"
#include "support/level_rows.h"

namespace drippo::testing {

struct ProgramOutput {
  int status = -1;
  std::vector<std::string> lines;  // standard output
  std::string errors;              // standard error
  const std::string& last() const { return lines.back(); }
};

// Runs one of our programs as a level designer or CI would, in a folder of
// the test's own.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("drippo-program-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // Writes a level given as text; rows not given are empty.
  std::filesystem::path level(const std::string& header, std::vector<std::string> rows,
                              const std::string& name = "level.tab") {
    const std::filesystem::path path = dir_ / name;
    EXPECT_FALSE(write_level_file(path, level_rows(header, std::move(rows))).has_value());
    return path;
  }

  ProgramOutput run_program(const std::string& program, const std::string& args) {
    const std::filesystem::path out = dir_ / "stdout.txt", err = dir_ / "stderr.txt";
    const int status = std::system((program + " " + args + " >" + quoted(out) + " 2>" + quoted(err)).c_str());
    ProgramOutput r;
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream o(out);
    for (std::string line; std::getline(o, line);) r.lines.push_back(line);
    std::ifstream e(err);
    r.errors.assign(std::istreambuf_iterator<char>(e), {});
    return r;
  }

  static std::string quoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

  std::filesystem::path dir_;
};

}  // namespace drippo::testing
