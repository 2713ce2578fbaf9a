#include "sim/sim_options.h"

#include <charconv>

#include "game/board_geometry.h"
#include "game/pieces.h"

namespace drippo::sim {
namespace {

bool parse_long(const std::string& text, long& out) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && ptr == end && !text.empty();
}

// "A:B" into two whole numbers.
bool parse_pair(const std::string& text, long& a, long& b) {
  const auto colon = text.find(':');
  if (colon == std::string::npos) return false;
  return parse_long(text.substr(0, colon), a) && parse_long(text.substr(colon + 1), b);
}

}  // namespace

std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error) {
  Options o;
  bool have_level = false;
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
      long cell = 0, piece = 0;
      if (!value(v)) return std::nullopt;
      if (!parse_pair(v, cell, piece) || !is_cell(static_cast<int>(cell)) || piece < 1 || piece > nb_types) {
        error = "--place wants CELL:PIECE with CELL 0 to 227 and PIECE 1 to 20, not \"" + v + "\"";
        return std::nullopt;
      }
      o.placements.push_back({static_cast<int>(cell), static_cast<int>(piece)});
    } else if (a == "--drop") {
      long tick = 0, cell = 0;
      if (!value(v)) return std::nullopt;
      if (!parse_pair(v, tick, cell) || tick < 1 || !is_cell(static_cast<int>(cell))) {
        error = "--drop wants TICK:CELL with TICK from 1 and CELL 0 to 227, not \"" + v + "\"";
        return std::nullopt;
      }
      o.drops.push_back({static_cast<int>(tick), static_cast<int>(cell)});
    } else if (a == "--ticks") {
      long n = 0;
      if (!value(v)) return std::nullopt;
      if (!parse_long(v, n) || n < 0) {
        error = "--ticks wants a whole number of 0 or more, not \"" + v + "\"";
        return std::nullopt;
      }
      o.ticks = n;
    } else if (a == "--difficulty") {
      if (!value(v)) return std::nullopt;
      if (v != "100" && v != "200") {
        error = "--difficulty is 100 or 200, not \"" + v + "\"";
        return std::nullopt;
      }
      o.difficulty = std::stoi(v);
    } else if (a == "--lang") {
      if (!value(v)) return std::nullopt;
      if (v != "0" && v != "1") {
        error = "--lang is 0 or 1, not \"" + v + "\"";
        return std::nullopt;
      }
      o.lang = std::stoi(v);
    } else if (!a.empty() && a[0] == '-' && a != "-") {
      error = "unknown option " + a;
      return std::nullopt;
    } else if (!have_level) {
      o.level_path = a;
      have_level = true;
    } else {
      error = "one level file only, not also \"" + a + "\"";
      return std::nullopt;
    }
  }
  if (!have_level) {
    error = "no level file given";
    return std::nullopt;
  }
  return o;
}

}  // namespace drippo::sim
