#include "level_text.h"

#include <sstream>
#include <string_view>

namespace drippo {
namespace {

constexpr std::string_view piece_chars = ".=\\/rlYTBRL-+MDSFPGC#";

std::string trim(const std::string& s) {
  const auto b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return {};
  const auto e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

}  // namespace

char piece_char(int piece) {
  return is_valid_piece(piece) ? piece_chars[static_cast<std::size_t>(piece)] : '?';
}

std::optional<LevelData> parse_level_text(const std::string& text, std::string& error) {
  LevelData level;
  std::istringstream in(text);
  std::string line;
  int row = 0;
  int line_number = 0;
  while (std::getline(in, line)) {
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';') continue;
    const auto colon = line.find(':');
    if (row == 0 && colon != std::string::npos) {
      const std::string key = trim(line.substr(0, colon));
      const std::string value = trim(line.substr(colon + 1));
      if (key == "author") level.author = value;
      else if (key == "time") level.time = value;
      else if (key == "water") level.water = value;
      else if (key.rfind("stock ", 0) == 0) {
        const int t = std::atoi(key.c_str() + 6);
        if (t < 1 || t > nb_types) {
          error = "line " + std::to_string(line_number) + ": no piece " + key.substr(6);
          return std::nullopt;
        }
        level.stocks[static_cast<std::size_t>(t)] = value;
      } else {
        error = "line " + std::to_string(line_number) + ": unknown key \"" + key + "\"";
        return std::nullopt;
      }
      continue;
    }
    if (row >= nb_lignes) {
      error = "line " + std::to_string(line_number) + ": more than 12 rows";
      return std::nullopt;
    }
    if (line.size() != static_cast<std::size_t>(nb_colonnes)) {
      error = "line " + std::to_string(line_number) + ": a row has 19 cells, not " + std::to_string(line.size());
      return std::nullopt;
    }
    for (int col = 0; col < nb_colonnes; ++col) {
      const auto p = piece_chars.find(line[static_cast<std::size_t>(col)]);
      if (p == std::string_view::npos) {
        error = "line " + std::to_string(line_number) + ": unknown piece '" + line[static_cast<std::size_t>(col)] + "'";
        return std::nullopt;
      }
      Cellule& c = level.cells[static_cast<std::size_t>(row * nb_colonnes + col)];
      c.piece = static_cast<std::int16_t>(p);
      c.besoin = goal_need(c.piece);
    }
    ++row;
  }
  if (row != nb_lignes) {
    error = "the board has 12 rows, not " + std::to_string(row);
    return std::nullopt;
  }
  return level;
}

}  // namespace drippo
