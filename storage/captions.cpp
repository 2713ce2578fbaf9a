#include "storage/captions.h"

#include <array>
#include <string_view>

namespace drippo {
namespace {

std::string welcome(const std::array<std::string_view, 4>& lines) {
  std::string text;
  for (const std::string_view line : lines) {
    text += '\r';
    text += line;
  }
  return text;
}

}  // namespace

Captions textes_francais() {
  return {"Temps :", "Eau restante :", "Score :",
          welcome({"BIENVENUE A DRIPPO", "Cliquez sur le drapeau vert pour commencer...",
                   "Merci d'éteindre vos téléphones portables pendant le jeu.",
                   "Je vous rapelle aussi qu'il s'agit d'un jeu non-fumeur!"})};
}

Captions textes_anglais() {
  return {"Time :", "Water level :", "Score :",
          welcome({"WELCOME TO DRIPPO", "Click on the green flag to start...",
                   "Please turn your mobil phones off during the game..",
                   "And remember ths is a non-smoking game!!"})};
}

Captions textes_de_langue(std::int16_t langue) {
  return langue == 0 ? textes_francais() : textes_anglais();
}

}  // namespace drippo
