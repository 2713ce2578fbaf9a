#include "storage/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <system_error>

namespace drippo {
namespace fs = std::filesystem;
namespace {

// Waits until what was written through fd is on the disk itself.
bool sync_to_disk(int fd) {
  while (::fsync(fd) != 0) {
    if (errno == EINTR) continue;
    // EINVAL: a file system that cannot sync at all, so nothing to wait for.
    return errno == EINVAL;
  }
  return true;
}

// The folder's own record of the rename reaches the disk only with it synced.
bool sync_folder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = sync_to_disk(fd);
  ::close(fd);
  return synced;
}

bool write_new_file(const fs::path& path, std::span<const std::uint8_t> bytes) {
  // "x": never open something already there, such as a link planted under the
  // temporary's name, which would have us overwrite another file.
  std::FILE* f = std::fopen(path.c_str(), "wbx");
  if (!f) return false;
  // An empty file is written by creating it: fwrite must not be given the
  // null pointer of an empty span.
  const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  const bool flushed = std::fflush(f) == 0;
  // Renamed over the old file before its bytes are on the disk, the new name
  // could point at an empty file after a power cut.
  const bool synced = written && flushed && sync_to_disk(::fileno(f));
  const bool closed = std::fclose(f) == 0;
  if (synced && closed) return true;
  std::error_code ignored;
  fs::remove(path, ignored);
  return false;
}

}  // namespace

Result<std::vector<std::uint8_t>, ReadFailure> read_file_part(const fs::path& path, std::size_t offset,
                                                              std::size_t count) {
  std::error_code ec;
  const fs::file_status st = fs::status(path, ec);
  if (st.type() == fs::file_type::not_found) return ReadFailure::Missing;
  if (ec) return ReadFailure::Unreadable;
  // Only a regular file: reading a named pipe put there would block the game.
  if (st.type() != fs::file_type::regular) return ReadFailure::NotAFile;

  std::ifstream in(path, std::ios::binary);
  if (!in) return ReadFailure::Unreadable;
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec) return ReadFailure::Unreadable;
  if (size <= offset) return std::vector<std::uint8_t>{};
  in.seekg(static_cast<std::streamoff>(offset));
  std::vector<std::uint8_t> bytes(count);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count));
  if (in.bad()) return ReadFailure::Unreadable;
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

namespace {

std::optional<std::vector<std::uint8_t>> read_open_file(int fd, std::size_t max_size) {
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  if (st.st_size < 0 || static_cast<std::uintmax_t>(st.st_size) > max_size) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size));
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) break;  // cut short meanwhile: what is there is the file
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  return bytes;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> read_whole_file(const fs::path& path, std::size_t max_size) {
  // Looked at before opening, because merely opening some devices does something.
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  // A pipe may have taken the file's place since: without O_NONBLOCK, opening
  // it would wait for a writer that never comes. fstat then refuses it.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  auto bytes = read_open_file(fd, max_size);
  ::close(fd);
  return bytes;
}

std::optional<WriteFailure> replace_file(const fs::path& path, std::span<const std::uint8_t> bytes) {
  std::error_code ec;
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  if (!fs::is_directory(folder, ec)) return WriteFailure::FolderMissing;
  const fs::file_status target = fs::symlink_status(path, ec);
  if (fs::exists(target) && !fs::is_regular_file(target) && !fs::is_symlink(target)) {
    return WriteFailure::TargetNotAFile;
  }

  fs::path temp = path;
  temp += ".tmp";
  // A temporary left by an interrupted write is ours to replace; anything else
  // under that name is not, and the write fails without touching it.
  const fs::file_status stale = fs::symlink_status(temp, ec);
  if (fs::is_regular_file(stale) || fs::is_symlink(stale)) fs::remove(temp, ec);
  if (!write_new_file(temp, bytes)) return WriteFailure::WriteFailed;

  fs::rename(temp, path, ec);
  if (ec) {
    fs::remove(temp, ec);
    return WriteFailure::WriteFailed;
  }
  // Until the folder is synced a power cut may bring the old file back, so a
  // save that cannot sync it is not one the player may count on.
  if (!sync_folder(folder)) return WriteFailure::WriteFailed;
  return std::nullopt;
}

}  // namespace drippo
