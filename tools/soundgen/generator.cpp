#include "generator.h"

#include <fstream>
#include <stdexcept>

#include "composer.h"
#include "effects.h"
#include "midi_file.h"
#include "tunes.h"
#include "wav_file.h"

namespace drippo::soundgen {

namespace fs = std::filesystem;

namespace {

Written write(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + file.string());
  return {file, bytes.size()};
}

}  // namespace

std::vector<std::uint8_t> effect_file(Sound sound) {
  return wav_bytes(make_effect(sound), effect_rate);
}

std::vector<std::uint8_t> tune_file(const Style& style) { return smf_bytes(compose(style)); }

std::vector<Written> generate(const fs::path& out) {
  fs::create_directories(out / "wav");
  fs::create_directories(out / "mid");
  std::vector<Written> written;
  for (const Sound sound : all_effects) {
    written.push_back(
        write(out / "wav" / (std::string(sound_name(sound)) + ".wav"), effect_file(sound)));
  }
  for (const Style& style : all_tunes()) {
    written.push_back(write(out / "mid" / (style.title + ".mid"), tune_file(style)));
  }
  return written;
}

}  // namespace drippo::soundgen
