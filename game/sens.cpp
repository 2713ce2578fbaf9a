#include "game/sens.h"

#include <deque>
#include <limits>
#include <unordered_map>

namespace drippo {
namespace {

// Append-only: ids stay valid for the whole run. The game has one thread.
struct SensTable {
  std::deque<std::string> texts{"", "G", "D"};
  std::unordered_map<std::string, std::uint16_t> ids{{"", 0}, {"G", 1}, {"D", 2}};
};

SensTable& table() {
  static SensTable t;
  return t;
}

}  // namespace

Sens Sens::from_text(std::string_view text) {
  auto& t = table();
  const std::string key(text);
  if (auto it = t.ids.find(key); it != t.ids.end()) return Sens(it->second);
  // A run would need tens of thousands of distinct odd headings to get here;
  // past that, an odd heading reads as none, which the rules treat the same way.
  if (t.texts.size() > std::numeric_limits<std::uint16_t>::max()) return none();
  const auto id = static_cast<std::uint16_t>(t.texts.size());
  t.texts.push_back(key);
  t.ids.emplace(key, id);
  return Sens(id);
}

const std::string& Sens::text() const { return table().texts[id_]; }

}  // namespace drippo
