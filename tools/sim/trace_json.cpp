#include "sim/trace_json.h"

#include <cmath>
#include <cstdio>

#include "game/control_text.h"

namespace drippo::sim {

std::string json_string(std::string_view text) {
  std::string out = "\"";
  for (char ch : text) {
    const auto u = static_cast<unsigned char>(ch);
    switch (ch) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (u < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", u);
          out += buf;
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

std::string json_real(double value) {
  std::string text = number_text(value);
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return text;
}

const char* outcome_name(Outcome o) {
  switch (o) {
    case Outcome::Win: return "win";
    case Outcome::TimeOut: return "time out";
    case Outcome::GameOver: return "game over";
    case Outcome::Cat: return "cat";
    case Outcome::None: break;
  }
  return "running";
}

std::string tick_line(const Game& game, const std::vector<std::string>& events, int ends) {
  std::string s = "{\"tick\": " + std::to_string(game.water().tick_counter());
  s += ", \"water\": " + number_text(leading_number(game.table().text_eau()));
  s += ", \"time\": " + json_string(game.table().text_temps());
  s += ", \"score\": " + json_real(game.water().score());
  s += ", \"score_box\": " + json_string(game.table().texte_score());
  s += ", \"message\": " + json_string(game.table().comment());
  s += std::string(", \"timer\": ") + (game.water().running() ? "true" : "false");
  s += std::string(", \"dry\": ") + (game.water().dry() ? "true" : "false");
  s += ", \"held\": [";
  bool first = true;
  for (const Retenue& r : game.water().held_drops().to_vector()) {
    if (!first) s += ", ";
    first = false;
    s += "[" + std::to_string(r.position) + ", " + std::to_string(r.depart) + ", " +
         std::to_string(r.delai) + ", " + json_string(r.sens.text()) + "]";
  }
  s += "], \"events\": [";
  for (std::size_t k = 0; k < events.size(); ++k) {
    if (k) s += ", ";
    s += json_string(events[k]);
  }
  s += "], \"ends\": " + std::to_string(ends);
  s += ", \"cells\": [";
  for (int i = 0; i <= derniere_case; ++i) {
    const Cellule& c = game.table().cell(i);
    if (i) s += ", ";
    s += "[" + std::to_string(c.piece) + ", " + std::to_string(c.eau_g) + ", " +
         std::to_string(c.eau_d) + ", " + std::to_string(c.eau_b) + ", " +
         std::to_string(c.compteur) + ", " + std::to_string(c.modifiable) + ", " +
         json_string(c.sens.text()) + ", " + std::to_string(c.besoin) + "]";
  }
  return s + "]}";
}

std::string result_line(const Game& game, long ticks_run) {
  return std::string("{\"result\": ") + json_string(outcome_name(game.play().last_outcome())) +
         ", \"score\": " + number_text(std::floor(game.water().score())) +
         ", \"ticks\": " + std::to_string(ticks_run) +
         ", \"message\": " + json_string(game.table().comment()) + "}";
}

}  // namespace drippo::sim
