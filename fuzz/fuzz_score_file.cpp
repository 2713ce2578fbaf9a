// Any bytes as a score file, read in memory and from disk, then a game's
// score recorded over it. Only a percentage is ever shown or written, and
// recording never touches another file.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "game/control_text.h"
#include "storage/score_file.h"

namespace {

namespace fs = std::filesystem;

// One program folder for the whole run, with a neighbour score that must never change.
const drippo::ProgramFolder& folder() {
  static const drippo::ProgramFolder f = [] {
    drippo::ProgramFolder made = scratch_program_folder("score");
    FUZZ_CHECK(!made.ensure_folders());
    const auto other = drippo::score_bytes(42);
    std::ofstream(made.sta() / "other.sta", std::ios::binary)
        .write(reinterpret_cast<const char*>(other.data()), static_cast<std::streamsize>(other.size()));
    return made;
  }();
  return f;
}

void put(const fs::path& p, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  // Mostly scores a game could end with, sometimes what no game should pass.
  double score = input.ConsumeFloatingPointInRange<double>(-10, 110);
  switch (input.ConsumeIntegralInRange<int>(0, 15)) {
    case 0: score = std::nan(""); break;
    case 1: score = HUGE_VAL; break;
    case 2: score = std::floor(score); break;
    default: break;
  }
  const std::vector<std::uint8_t> file = input.ConsumeRemainingBytes<std::uint8_t>();

  const auto stored = drippo::stored_score(file);
  if (stored) {
    FUZZ_CHECK(std::isfinite(stored->number) && stored->number >= 0 && stored->number <= 100);
    FUZZ_CHECK(stored->type != drippo::TaggedValue::Type::Text);
  }
  const std::string shown = drippo::score_text(stored);
  FUZZ_CHECK(!shown.empty());
  FUZZ_CHECK(drippo::leading_number(shown) >= 0 && drippo::leading_number(shown) <= 100);

  const auto best = drippo::new_best(score, stored);
  if (best) {
    FUZZ_CHECK(*best == std::floor(*best) && *best >= 1 && *best <= 100);
    const auto written = drippo::stored_score(drippo::score_bytes(*best));
    FUZZ_CHECK(written && written->number == *best);
    FUZZ_CHECK(!drippo::new_best(score, written));  // the same game never writes twice
  }

  const drippo::ProgramFolder& f = folder();
  put(f.sta() / "a.sta", file);
  FUZZ_CHECK(drippo::lire_score(f, "a.tab") == shown);
  const auto recorded = drippo::noter_score(f, "a.tab", score);
  FUZZ_CHECK(recorded.ok());
  FUZZ_CHECK((recorded.value() == drippo::ScoreRecord::Written) == best.has_value());
  FUZZ_CHECK(drippo::lire_score(f, "a.tab") == (best ? drippo::number_text(*best) : shown));
  FUZZ_CHECK(drippo::lire_score(f, "other.tab") == "42");
  return 0;
}
