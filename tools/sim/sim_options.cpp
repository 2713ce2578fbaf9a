#include "sim/sim_options.h"

#include <charconv>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>

#include "game/board_geometry.h"
#include "game/pieces.h"

namespace drippo::sim {
namespace {

// "A:B" into two whole numbers.
bool parse_pair(std::string_view text, int& a, int& b) {
  const auto colon = text.find(':');
  if (colon == std::string_view::npos) return false;
  return parse_whole(text.substr(0, colon), a) && parse_whole(text.substr(colon + 1), b);
}

const std::string cells_text = "CELL 0 to " + std::to_string(derniere_case);

}  // namespace

std::string quoted(std::string_view text) { return "\"" + escape_controls(text) + "\""; }

std::optional<Placement> parse_placement(std::string_view text, std::string& error) {
  Placement p;
  if (parse_pair(text, p.cell, p.piece) && is_cell(p.cell) && p.piece >= 1 && p.piece <= nb_types) return p;
  error = "--place wants CELL:PIECE with " + cells_text + " and PIECE 1 to " + std::to_string(nb_types) + ", not " +
          quoted(text);
  return std::nullopt;
}

std::optional<int> parse_difficulty(std::string_view text, std::string& error) {
  if (text == "100" || text == "200") return text == "100" ? 100 : 200;
  error = "--difficulty is 100 or 200, not " + quoted(text);
  return std::nullopt;
}

std::optional<int> parse_lang(std::string_view text, std::string& error) {
  if (text == "0" || text == "1") return text == "0" ? 0 : 1;
  error = "--lang is 0 or 1, not " + quoted(text);
  return std::nullopt;
}

bool take_level_path(const std::string& arg, std::optional<std::string>& level_path, std::string& error) {
  if (!arg.empty() && arg[0] == '-' && arg != "-") {
    error = "unknown option " + quoted(arg);
    return false;
  }
  if (level_path) {
    error = "one level file only, not also " + quoted(arg);
    return false;
  }
  level_path = arg;
  return true;
}

bool require_level_path(const std::optional<std::string>& level, std::string& level_path, std::string_view usage,
                        std::string& error) {
  if (!level) {
    error = "no level file given (" + std::string(usage) + ")";
    return false;
  }
  level_path = *level;
  return true;
}

const char* refusal_text(std::optional<PlacingRefusal> why) {
  if (!why) return "the piece cannot be placed there";
  switch (*why) {
    case PlacingRefusal::EditorOnly: return "goals and the cat are placed only in the editor";
    case PlacingRefusal::CellTaken: return "the cell is not empty";
    case PlacingRefusal::NoneInStock: return "no piece of that kind is left in stock";
    case PlacingRefusal::TwoTeleporters: return "two teleporters already stand on the board";
  }
  return "the piece cannot be placed there";
}

std::string escape_controls(std::string_view text) {
  std::string out;
  for (const char ch : text) {
    const auto u = static_cast<unsigned char>(ch);
    if (u < 0x20 || u == 0x7F) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02x", u);
      out += buf;
    } else {
      out += ch;
    }
  }
  return out;
}

std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error) {
  Options o;
  std::optional<std::string> level;
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    auto value = [&](std::string& out) {
      if (k + 1 >= args.size()) {
        error = a + " needs a value";
        return false;
      }
      out = args[++k];
      return true;
    };
    std::string v;
    if (a == "--edit") {
      o.edit = true;
    } else if (a == "--trace") {
      o.trace = true;
    } else if (a == "--place") {
      if (!value(v)) return std::nullopt;
      const auto p = parse_placement(v, error);
      if (!p) return std::nullopt;
      o.placements.push_back(*p);
    } else if (a == "--drop") {
      int tick = 0, cell = 0;
      if (!value(v)) return std::nullopt;
      if (!parse_pair(v, tick, cell) || tick < 1 || !is_cell(cell)) {
        error = "--drop wants TICK:CELL with TICK 1 to " + std::to_string(std::numeric_limits<int>::max()) + " and " +
                cells_text + ", not " + quoted(v);
        return std::nullopt;
      }
      o.drops.push_back({tick, cell});
    } else if (a == "--ticks") {
      long n = 0;
      if (!value(v)) return std::nullopt;
      if (!parse_whole(v, n) || n < 0) {
        error = "--ticks wants a whole number from 0 to " + std::to_string(std::numeric_limits<long>::max()) +
                ", not " + quoted(v);
        return std::nullopt;
      }
      o.ticks = n;
    } else if (a == "--difficulty") {
      if (!value(v)) return std::nullopt;
      const auto d = parse_difficulty(v, error);
      if (!d) return std::nullopt;
      o.difficulty = *d;
    } else if (a == "--lang") {
      if (!value(v)) return std::nullopt;
      const auto l = parse_lang(v, error);
      if (!l) return std::nullopt;
      o.lang = *l;
    } else if (!take_level_path(a, level, error)) {
      return std::nullopt;
    }
  }
  if (!require_level_path(level, o.level_path, "drippo-sim LEVEL.tab [options]", error)) return std::nullopt;
  return o;
}

}  // namespace drippo::sim
