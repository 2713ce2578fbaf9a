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
  // The problems that would take a file out of its folder come first, whatever
  // else the name holds: is_plain_file_name relies on it.
  if (name.empty()) return LevelNameProblem::Empty;
  if (name == "." || name == "..") return LevelNameProblem::DotsOnly;
  if (name.find_first_of("/\\") != std::string_view::npos) return LevelNameProblem::Separator;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (c < 0x20 || c == 0x7f) return LevelNameProblem::ControlChar;
    // U+0080..U+009F, encoded C2 80..C2 9F: as invisible as the others.
    const auto next = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0;
    if (c == 0xC2 && next >= 0x80 && next <= 0x9F) return LevelNameProblem::ControlChar;
  }
  if (name.find_first_of("<>:\"|?*") != std::string_view::npos) return LevelNameProblem::ReservedChar;
  if (name.back() == '.' || name.back() == ' ') return LevelNameProblem::TrailingDotOrSpace;
  if (is_device_name(name)) return LevelNameProblem::DeviceName;
  return std::nullopt;
}

bool is_plain_file_name(std::string_view name) {
  const auto problem = level_name_problem(name);
  if (!problem) return true;
  switch (*problem) {
    case LevelNameProblem::ReservedChar:
    case LevelNameProblem::TrailingDotOrSpace:
    case LevelNameProblem::DeviceName: return true;
    case LevelNameProblem::Empty:
    case LevelNameProblem::Separator:
    case LevelNameProblem::DotsOnly:
    case LevelNameProblem::ControlChar: return false;
  }
  return false;
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
