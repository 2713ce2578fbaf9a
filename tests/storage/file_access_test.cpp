// Reading part of a file and replacing a file whole, as every saved file does.
#include "storage/file_access.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <vector>

#include "temp_folder.h"

// A disk that fails to sync, when a test says so: this fsync takes the C
// library's place in the whole test program.
namespace {
int sync_error = 0;
}  // namespace

extern "C" int fsync(int fd) {
  if (sync_error != 0) {
    errno = sync_error;
    return -1;
  }
  return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace drippo {
namespace {

namespace fs = std::filesystem;
using testing_support::entries;
using testing_support::file_bytes;
using testing_support::put_file;
using testing_support::TempFolder;
using Bytes = std::vector<std::uint8_t>;

// A disk with room for `bytes` more per file: writing past it fails with
// EFBIG, as it would with ENOSPC on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, old_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*old_handler_)(int) = nullptr;
};

TEST(ReplaceFile, AFullDiskKeepsThePreviousFileAndLeavesNoTemporary) {
  TempFolder dir;
  put_file(dir / "config.dat", Bytes{1, 2, 3});
  const Bytes big(4096, 0x5A);
  std::optional<WriteFailure> failure;
  {
    FileSizeLimit limit(1000);
    failure = replace_file(dir / "config.dat", big);
  }
  EXPECT_EQ(failure, WriteFailure::WriteFailed);
  EXPECT_EQ(file_bytes(dir / "config.dat"), (Bytes{1, 2, 3}));
  EXPECT_EQ(entries(dir.path()), std::vector<fs::path>{"config.dat"});
}

TEST(ReplaceFile, ADiskThatCannotSyncIsAFailedWriteThatKeepsThePreviousFile) {
  TempFolder dir;
  put_file(dir / "level.tab", Bytes{1, 2, 3});
  sync_error = EIO;
  const auto failure = replace_file(dir / "level.tab", Bytes{4, 5});
  sync_error = 0;
  EXPECT_EQ(failure, WriteFailure::WriteFailed);
  EXPECT_EQ(file_bytes(dir / "level.tab"), (Bytes{1, 2, 3}));
  EXPECT_EQ(entries(dir.path()), std::vector<fs::path>{"level.tab"});
}

TEST(ReplaceFile, ReplacesALinkRatherThanWritingThroughIt) {
  TempFolder dir;
  put_file(dir / "level.tab", Bytes{9, 9});
  fs::create_symlink(dir / "level.tab", dir / "a.sta");
  EXPECT_EQ(replace_file(dir / "a.sta", Bytes{1}), std::nullopt);
  EXPECT_EQ(file_bytes(dir / "level.tab"), (Bytes{9, 9}));
  EXPECT_EQ(file_bytes(dir / "a.sta"), Bytes{1});
  EXPECT_FALSE(fs::is_symlink(dir / "a.sta"));
}

TEST(ReadFilePart, ReadsWhatIsThereAndRefusesWhatIsNotAFile) {
  TempFolder dir;
  put_file(dir / "f", Bytes{1, 2, 3, 4, 5});
  ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
  fs::create_directory(dir / "folder");
  struct Case {
    fs::path path;
    std::size_t offset, count;
    std::optional<Bytes> bytes;
    ReadFailure failure;
  };
  const Case cases[] = {
      {dir / "f", 0, 3, Bytes{1, 2, 3}, {}},
      {dir / "f", 3, 10, Bytes{4, 5}, {}},
      {dir / "f", 5, 10, Bytes{}, {}},
      {dir / "f", 99, 10, Bytes{}, {}},
      {dir / "missing", 0, 10, std::nullopt, ReadFailure::Missing},
      {dir / "f" / "below", 0, 10, std::nullopt, ReadFailure::Missing},
      {dir / "pipe", 0, 10, std::nullopt, ReadFailure::NotAFile},  // reading it would block
      {dir / "folder", 0, 10, std::nullopt, ReadFailure::NotAFile},
  };
  for (const Case& c : cases) {
    const auto got = read_file_part(c.path, c.offset, c.count);
    if (c.bytes) {
      ASSERT_TRUE(got.ok()) << c.path;
      EXPECT_EQ(got.value(), *c.bytes) << c.path << " from " << c.offset;
    } else {
      ASSERT_FALSE(got.ok()) << c.path;
      EXPECT_EQ(got.error(), c.failure) << c.path;
    }
  }
}

}  // namespace
}  // namespace drippo
