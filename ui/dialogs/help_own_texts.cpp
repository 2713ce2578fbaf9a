// The Editor and About pages of the help window, in our own words.
#include <QCoreApplication>

#include "ui/common/key_actions.h"
#include "ui/dialogs/help_texts.h"

namespace drippo::ui {

namespace {

constexpr const char* editor_fr[] = {
    "Créer vos propres tableaux est très simple. Voici comment faire :",
    "1) Cliquez sur le bouton éditeur de l'écran principal, celui qui porte un petit outil. Un "
    "tableau vierge s'ouvre, avec la barre d'outils de l'éditeur à côté du plateau.",
    "2) Tapez les valeurs de votre tableau : le nombre d'objets de chaque type dont disposera le "
    "joueur (la case sous chaque objet), le temps de préparation avant que l'eau ne se mette à "
    "couler, et la quantité d'eau.",
    "3) Construisez votre tableau en posant des objets sur le plateau : faites-les glisser depuis la "
    "liste, ou sélectionnez-en un puis cliquez sur le plateau. Tout objet peut être posé n'importe "
    "où, objectifs et chat compris.",
    "4) Sauvez votre tableau avec le bouton de sauvegarde. Donnez-lui un nom, puis le vôtre (un "
    "pseudo fait très bien l'affaire). Le tableau est rangé dans un fichier du dossier tab, à côté "
    "du jeu.",
    "5) Pour modifier un tableau plus tard, rechargez-le avec le bouton de chargement, changez ce "
    "que vous voulez et sauvez-le à nouveau.",
    "Pour un bon tableau : l'eau arrive toujours du coin supérieur droit du plateau. Posez au moins "
    "un objectif, puis réfléchissez aux objets dont le joueur aura besoin et donnez-lui-en juste "
    "assez ; un chat bien placé ou une bombe près du chemin de l'eau rendent la partie plus "
    "piquante.",
    "Partagez vos tableaux : un tableau est un simple fichier du dossier tab, qui porte son nom. "
    "Donnez-le à vos amis, il leur suffit de le poser dans leur propre dossier tab pour le trouver "
    "dans la liste des tableaux. Essayez-le d'abord vous-même : un tableau que personne ne peut "
    "finir n'amuse personne !",
    "Astuces :",
    "- Déplacez la souris sur le plateau en maintenant SHIFT enfoncé pour poser l'objet "
    "sélectionné sur chaque case survolée, ou en maintenant CTRL enfoncé pour supprimer les "
    "objets survolés.",
    "- Pendant l'édition, un clic droit sur une case vide y lâche une goutte d'eau : vous pouvez "
    "ainsi essayer une partie de votre tableau sans attendre l'eau de la source.",
    "- Une erreur ? Ctrl+Z annule la dernière modification (un objet posé, déplacé ou retiré, une "
    "valeur tapée), et Ctrl+Y ou Ctrl+Shift+Z la refait. Chaque sauvegarde, chaque tableau chargé "
    "ou commencé repart d'un historique vide.",
};

constexpr const char* editor_en[] = {
    "Building your own levels is easy. Here is how to go about it:",
    "1) Click the editor button of the main screen, the one with a small tool on it. A blank level "
    "opens, with the editor's toolbar beside the board.",
    "2) Type the values of your level: how many objects of each type the player will be given (the "
    "box under each object), the preparation time before the water starts to flow, and the amount "
    "of water.",
    "3) Build your level by placing objects on the board: drag them from the list, or select one "
    "and click on the board. Any object can go anywhere, goals and cat included.",
    "4) Save your level with the save button. Give it a name, then your own name (a nickname will do "
    "fine). The level is kept in a file of the tab folder, beside the game.",
    "5) To change a level later, load it with the load button, change what you like and save it "
    "again.",
    "For a good level: the water always comes from the top right corner of the board. Place at least "
    "one goal, then think of the objects the player will need and give him just enough of them; a "
    "well placed cat or a bomb beside the water's way makes the game more exciting.",
    "Share your levels: a level is a single file of the tab folder, named after the level. Give it "
    "to your friends, who only have to put it in their own tab folder to find it in the list of "
    "levels. Try it yourself first: a level nobody can finish is no fun for anybody!",
    "Tips:",
    "- Move the mouse over the board with SHIFT held down to place the selected object on every "
    "cell you pass over, or with CTRL held down to delete the objects you pass over.",
    "- While editing, a right click on an empty cell releases a drop of water there, so you can "
    "try a part of your level without waiting for the water of the source.",
    "- Made a mistake? Ctrl+Z undoes the last change (an object placed, moved or taken back, a value "
    "typed), and Ctrl+Y or Ctrl+Shift+Z redoes it. Each save, and each level loaded or begun, starts "
    "with an empty history.",
};

constexpr const char* terms_fr[] = {
    "CONDITIONS DE DIFFUSION",
    "Drippo est gratuit. Vous pouvez le copier, le donner, le mettre sur vos pages web et le publier "
    "sur tout support, pourvu qu'il reste entier et gratuit, avec ses tableaux et cette page.",
    "Les tableaux que vous construisez avec l'éditeur sont à vous : partagez-les comme vous "
    "l'entendez.",
    "Le jeu est fourni tel quel, sans aucune garantie. L'eau qu'il verse n'est pas réelle, les "
    "gouttes sur votre clavier non plus.",
    "Si Drippo vous plaît, le plus beau des mercis est un tableau de votre cru offert à un ami.",
};

constexpr const char* terms_en[] = {
    "TERMS OF DISTRIBUTION",
    "Drippo is free. You may copy it, give it away, put it on your web pages and publish it on any "
    "medium, as long as it stays whole and free of charge, with its levels and this page.",
    "The levels you build with the editor are yours: share them as you like.",
    "The game comes as it is, without any warranty. The water it pours is not real, and neither are "
    "the drops on your keyboard.",
    "If you like Drippo, the best thanks of all is a level of your own, given to a friend.",
};

// The program's name with its version when the application states one.
QString program_name() {
  const QString version = QCoreApplication::applicationVersion();
  return version.isEmpty() ? QStringLiteral("DRIPPO") : QStringLiteral("DRIPPO ") + version;
}

// The keys close the guide: the Editor page is the one that scrolls.
QString with_keys(QString guide, HelpLanguage language) {
  const bool french = language == HelpLanguage::French;
  for (const QString& paragraph : key_list(french ? 0 : 1)) {
    guide += QStringLiteral("\n \n") + (french ? break_lines(paragraph, french_line_width) : paragraph);
  }
  return guide;
}

}  // namespace

QString editor_guide(HelpLanguage language) {
  if (language == HelpLanguage::French) return with_keys(join_paragraphs(editor_fr, language), language);
  return with_keys(QStringLiteral("EDITOR\n\n") + join_paragraphs(editor_en, language), language);
}

QString about_credit(HelpLanguage language) {
  if (language == HelpLanguage::French) {
    return program_name() + QString::fromUtf8("\nDrippo — un jeu de l'équipe Drippo\nUn jeu libre de partage");
  }
  return program_name() + QString::fromUtf8("\nDrippo — a game by the Drippo team\nA game free to share");
}

QString about_terms(HelpLanguage language) {
  return join_paragraphs(language == HelpLanguage::French ? terms_fr : terms_en, language);
}

}  // namespace drippo::ui
