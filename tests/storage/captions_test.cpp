// The main window's fixed captions in both languages.
#include "storage/captions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace drippo {
namespace {

TEST(Captions, FrenchCaptionsAndWelcomeText) {
  const Captions c = textes_francais();
  EXPECT_EQ(c.label8, "Temps :");
  EXPECT_EQ(c.label9, "Eau restante :");
  EXPECT_EQ(c.label10, "Score :");
  EXPECT_EQ(c.accueil, std::string("\r") + "BIENVENUE A DRIPPO" + "\r" +
                           "Cliquez sur le drapeau vert pour commencer..." + "\r" +
                           "Merci d'éteindre vos téléphones portables pendant le jeu." + "\r" +
                           "Je vous rapelle aussi qu'il s'agit d'un jeu non-fumeur!");
}

TEST(Captions, EnglishCaptionsAndWelcomeText) {
  const Captions c = textes_anglais();
  EXPECT_EQ(c.label8, "Time :");
  EXPECT_EQ(c.label9, "Water level :");
  EXPECT_EQ(c.label10, "Score :");
  EXPECT_EQ(c.accueil, std::string("\r") + "WELCOME TO DRIPPO" + "\r" +
                           "Click on the green flag to start..." + "\r" +
                           "Please turn your mobil phones off during the game.." + "\r" +
                           "And remember ths is a non-smoking game!!");
}

TEST(Captions, WelcomeOpensOnAnEmptyLineAndEndsOnItsLastLine) {
  for (const Captions& c : {textes_francais(), textes_anglais()}) {
    ASSERT_FALSE(c.accueil.empty());
    EXPECT_EQ(c.accueil.front(), '\r');
    EXPECT_NE(c.accueil.back(), '\r');
    EXPECT_EQ(std::count(c.accueil.begin(), c.accueil.end(), '\r'), 4);
    EXPECT_EQ(c.accueil.find('\n'), std::string::npos);
  }
}

TEST(Captions, OnlyLangueZeroIsFrench) {
  EXPECT_EQ(textes_de_langue(0), textes_francais());
  for (const std::int16_t langue : {1, 2, -1, 32767}) {
    EXPECT_EQ(textes_de_langue(langue), textes_anglais()) << langue;
  }
}

}  // namespace
}  // namespace drippo
