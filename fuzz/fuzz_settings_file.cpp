// Any bytes as config.dat, read in memory and from disk and applied. The
// settings that come out are always usable, and write back as themselves.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <system_error>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "storage/settings.h"

namespace {

namespace fs = std::filesystem;

const drippo::ProgramFolder& folder() {
  static const drippo::ProgramFolder f = scratch_program_folder("settings");
  return f;
}

// Checks the order of the calls: settings, interval, music, captions.
struct Target : drippo::SettingsTarget {
  void use_settings(const drippo::Settings& r) override {
    FUZZ_CHECK(step == 0);
    used = r;
    step = 1;
  }
  void set_water_interval_ms(int ms) override {
    FUZZ_CHECK(step == 1 && ms == used.difficulte);
    step = 2;
  }
  void stop_music() override {
    FUZZ_CHECK(step == 2 && used.musique != -1);
    step = 3;
  }
  void close_music() override {
    FUZZ_CHECK(step == 3);
    step = 4;
  }
  void piste_suivante() override {
    FUZZ_CHECK(step == 2 && used.musique == -1);
    step = 4;
  }
  void show_captions(const drippo::Captions& c) override {
    FUZZ_CHECK(step == 4 && c == drippo::textes_de_langue(used.langue));
    step = 5;
  }
  int step = 0;
  drippo::Settings used;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const drippo::Settings r = drippo::settings_from_bytes(bytes);
  FUZZ_CHECK(r.difficulte == 100 || r.difficulte == 200);
  FUZZ_CHECK(r.langue == 0 || r.langue == 1);
  FUZZ_CHECK(drippo::settings_from_bytes(drippo::settings_bytes(r)) == r);

  const drippo::ProgramFolder& f = folder();
  {
    std::ofstream out(f.config(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  Target target;
  const drippo::AppliedSettings applied = drippo::lire_reglages(f, target);
  FUZZ_CHECK(target.step == 5);
  // The disk reads only the first four slots, as the memory read uses only them.
  FUZZ_CHECK(applied.settings == r && !applied.error);
  return 0;
}
