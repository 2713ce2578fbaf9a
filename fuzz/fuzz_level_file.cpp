// Any bytes as a level file. A level that reads must save to bytes that read
// back as the same level, and saving it again must give the same bytes.
#include <cstdint>
#include <span>

#include "fuzz/fuzz_check.h"
#include "storage/level_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const auto level = drippo::level_from_bytes(bytes, "fuzz.tab");
  if (!level) {
    const drippo::LevelError& e = level.error();
    FUZZ_CHECK(e.slot >= 0 && e.slot <= drippo::level_slots);
    FUZZ_CHECK(!e.message(0).empty() && !e.message(1).empty());
    return 0;
  }
  const auto saved = drippo::level_bytes(level.value());
  FUZZ_CHECK(saved.size() == drippo::level_file_size);
  const auto again = drippo::level_from_bytes(saved, "fuzz.tab");
  FUZZ_CHECK(again.ok());
  FUZZ_CHECK(drippo::level_bytes(again.value()) == saved);
  return 0;
}
