#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace drippo {

// Where Debian installs its General MIDI soundfonts.
inline const std::filesystem::path debian_soundfont_folder = "/usr/share/sounds/sf2";

// Whether a soundfont list as the mixer keeps it ("a.sf2;b.sf2", or null)
// names at least one file that exists.
bool soundfonts_present(const char* paths);

// A General MIDI soundfont of the folder: default-GM.sf2 (the one the system
// chose), else TimGM6mb.sf2, else the first .sf2 by name; none when there is none.
std::optional<std::filesystem::path> find_soundfont(const std::filesystem::path& folder);

}  // namespace drippo
