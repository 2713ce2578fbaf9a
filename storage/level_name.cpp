#include "storage/level_name.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace drippo {

namespace {

bool is_device_name(std::string_view name) {
  // A device name is reserved with any extension too: "con.tab" is the console.
  std::string stem(name.substr(0, name.find('.')));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  std::transform(stem.begin(), stem.end(), stem.begin(), [](unsigned char c) { return std::toupper(c); });
  static constexpr std::array<std::string_view, 4> plain = {"CON", "PRN", "AUX", "NUL"};
  if (std::find(plain.begin(), plain.end(), stem) != plain.end()) return true;
  return stem.size() == 4 && (stem.rfind("COM", 0) == 0 || stem.rfind("LPT", 0) == 0) && stem[3] >= '1' &&
         stem[3] <= '9';
}

}  // namespace

std::optional<LevelNameProblem> level_name_problem(std::string_view name) {
  if (name.empty()) return LevelNameProblem::Empty;
  if (name == "." || name == "..") return LevelNameProblem::DotsOnly;
  for (unsigned char c : name) {
    if (c == '/' || c == '\\') return LevelNameProblem::Separator;
    if (c < 0x20 || c == 0x7f) return LevelNameProblem::ControlChar;
    if (std::string_view("<>:\"|?*").find(static_cast<char>(c)) != std::string_view::npos) {
      return LevelNameProblem::ReservedChar;
    }
  }
  if (name.back() == '.' || name.back() == ' ') return LevelNameProblem::TrailingDotOrSpace;
  if (is_device_name(name)) return LevelNameProblem::DeviceName;
  return std::nullopt;
}

std::string level_name_message(LevelNameProblem problem, std::string_view name, std::int16_t langue) {
  const std::string n(name);
  const bool fr = langue == 0;
  switch (problem) {
    case LevelNameProblem::Empty:
      return fr ? "Le nom du tableau est vide." : "The level's name is empty.";
    case LevelNameProblem::Separator:
      return fr ? "Le nom « " + n + " » ne peut pas contenir / ni \\."
                : "The name \"" + n + "\" cannot contain / or \\.";
    case LevelNameProblem::DotsOnly:
      return fr ? "« " + n + " » n'est pas un nom de tableau." : "\"" + n + "\" is not a level name.";
    case LevelNameProblem::ControlChar:
      return fr ? "Le nom du tableau contient un caractère invisible." : "The level's name holds an invisible character.";
    case LevelNameProblem::ReservedChar:
      return fr ? "Le nom « " + n + " » ne peut pas contenir < > : \" | ? *."
                : "The name \"" + n + "\" cannot contain < > : \" | ? *.";
    case LevelNameProblem::TrailingDotOrSpace:
      return fr ? "Le nom « " + n + " » ne peut pas finir par un point ou une espace."
                : "The name \"" + n + "\" cannot end with a dot or a space.";
    case LevelNameProblem::DeviceName:
      return fr ? "« " + n + " » est un nom réservé par le système, choisissez-en un autre."
                : "\"" + n + "\" is a name the system keeps for itself; choose another.";
  }
  return {};
}

}  // namespace drippo
