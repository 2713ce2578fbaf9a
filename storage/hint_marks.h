#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "storage/file_access.h"

namespace drippo {

// The levels whose win came with the solver's hints, kept beside the score
// files (never in them: a score file holds its one slot): sta/hints.txt, one
// level file name a line.
class HintMarks {
 public:
  explicit HintMarks(std::filesystem::path sta) : path_(std::move(sta) / "hints.txt") {}

  // The names listed; none when the file is missing, unreadable or too large.
  std::set<std::string> read() const;
  bool marked(const std::string& level_file_name) const { return read().count(level_file_name) > 0; }

  // A win: with hints the level is listed, without them it leaves the list
  // (a clean win is the better one). Nothing is written when nothing changes.
  std::optional<WriteFailure> record_win(const std::string& level_file_name, bool with_hints) const;

 private:
  std::filesystem::path path_;
};

}  // namespace drippo
