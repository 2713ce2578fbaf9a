// Replacing a file whole, as every saved file is.
#include "storage/file_access.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <vector>

#include "support/temp_folder.h"

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
using namespace testing_support;

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

TEST(ReplaceFile, AFullDiskOrOneThatCannotSyncKeepsThePreviousFileAndLeavesNoTemporary) {
  for (const bool full : {true, false}) {
    TempFolder dir;
    put_file(dir / "config.dat", Bytes{1, 2, 3});
    std::optional<WriteFailure> failure;
    {
      std::optional<FileSizeLimit> limit;
      if (full) limit.emplace(1000);
      else sync_error = EIO;
      failure = replace_file(dir / "config.dat", Bytes(4096, 0x5A));
      sync_error = 0;
    }
    EXPECT_EQ(failure, WriteFailure::WriteFailed) << full;
    EXPECT_EQ(file_bytes(dir / "config.dat"), (Bytes{1, 2, 3})) << full;
    EXPECT_EQ(entries(dir.path()), std::vector<fs::path>{"config.dat"}) << full;
  }
}

TEST(ReplaceFile, WithNothingLeavesAnEmptyFile) {
  TempFolder dir;
  put_file(dir / "config.dat", Bytes{1, 2, 3});
  EXPECT_EQ(replace_file(dir / "config.dat", Bytes{}), std::nullopt);
  EXPECT_TRUE(file_bytes(dir / "config.dat").empty());
}

}  // namespace
}  // namespace drippo
