#pragma once

namespace drippo {

// A text of the game in its two languages.
struct Bilingual {
  const char* french;
  const char* english;
};

namespace msg {
inline constexpr Bilingual temps_ecoule{"Temps ecoulé...", "Time out..."};
inline constexpr Bilingual partie_terminee{"Partie terminée...", "Game over..."};
inline constexpr Bilingual bien_joue{"Bien joué!", "Well done!"};
inline constexpr Bilingual partie_gagnee{"Partie gagnée!", "You win!"};
inline constexpr Bilingual attention_chat{"Attention au chat!", "Mind the cat!"};
inline constexpr Bilingual paf_le_chat{"Paf le chat!", "Oh no the cat!"};
inline constexpr Bilingual attention{"Attention...", "Ready..."};
inline constexpr Bilingual c_est_parti{"C'est parti!", "Go!"};
inline constexpr Bilingual gouttes{"Gouttes: ", "Amount: "};
}  // namespace msg

// The congratulation shown once every level stands at 100.
inline constexpr const char* congratulation_fr[] = {
    "BIEN JOUE!",
    "Tu as terminé tous les tableaux du jeu!",
    "Maintenant à toi d'en créer et de les envoyer aux autres joueurs...",
    "Encore bravo!",
    "Vrel",
};
inline constexpr const char* congratulation_en[] = {
    "WELL DONE!",
    "You have completed all the levels!",
    "Now it is your turn to create levels and send them to other players...",
    "Congratulations!",
    "Vrel",
};

}  // namespace drippo
