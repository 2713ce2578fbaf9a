#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "storage/slot_file.h"

namespace drippo {

// The two ways the game touches a file on disk, shared by the level, score
// and settings files so that every one of them gets the same care.

enum class ReadFailure {
  Missing,
  NotAFile,  // a folder, a pipe or a device stands where the file should be
  Unreadable,
};

// Up to `count` bytes from `offset`, and never more however large the file is.
// Empty when the file ends before `offset`.
Result<std::vector<std::uint8_t>, ReadFailure> read_file_part(const std::filesystem::path& path,
                                                              std::size_t offset, std::size_t count);

// The whole of a plain file (or of the plain file a link leads to) of at most
// `max_size` bytes. Nothing for a missing or unreadable file, a folder, a pipe
// or a device, and for a larger file, which is refused from its size before a
// byte is read.
std::optional<std::vector<std::uint8_t>> read_whole_file(const std::filesystem::path& path,
                                                         std::size_t max_size);

enum class WriteFailure {
  FolderMissing,
  TargetNotAFile,  // a folder or a device has the file's name
  WriteFailed,
};

// Writes a temporary file beside the target, syncs it to the disk, renames it
// over the target and syncs the folder, so neither a failed write nor a power
// cut leaves a broken file or loses the previous one. A failed sync is a
// failed write. The folder must already exist.
std::optional<WriteFailure> replace_file(const std::filesystem::path& path,
                                         std::span<const std::uint8_t> bytes);

}  // namespace drippo
