#pragma once

#include <cstdint>
#include <string>

namespace drippo {

// The fixed captions of the main window in one language. The window shows
// them as they are; UTF-8.
struct Captions {
  std::string label8;   // beside the time field
  std::string label9;   // beside the water field
  std::string label10;  // beside the score box
  // The welcome screen: a carriage return (char 13) before each of its four
  // lines, so the label opens on an empty line; none after the last.
  std::string accueil;

  bool operator==(const Captions&) const = default;
};

Captions textes_francais();
Captions textes_anglais();

// French for langue 0, English for any other value.
Captions textes_de_langue(std::int16_t langue);

}  // namespace drippo
