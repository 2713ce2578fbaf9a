// The texts of the help window as the game has always shown them: one
// string per paragraph, French paragraphs joined (the window breaks them).
#pragma once

#include <array>
#include <vector>

namespace drippo::ui::testing {

struct ReferenceBox {
  const char* what;
  int fr_box;
  int uk_box;
  std::vector<const char*> french;
  std::vector<const char*> english;
};

inline const std::vector<ReferenceBox> reference_boxes = {
    {"introduction", 0, 0,
     {
         "Les régles de ce jeu sont trés simples.",
         "Après un court temps donné, de l'eau se met à couler du coin supérieur droit de l'air de "
         "jeu. Le but du jeu est de construire une structure à l'aide de différents objets, afin "
         "de guider l'eau jusqu'aux différents objectifs du tableau.",
         "Voici les 3 types d'objectifs que vous pourrez rencontrer:",
     },
     {
         "The rules of this game are very simple.",
         "After some seconds, water starts to fall from the top right corner of the game area. The "
         "idea is to build a structure with the different available objects, to guide the water to "
         "the different goals of the level.",
         "The 3 types of goals you can have are:",
     }},
    {"glass", 1, 1,
     {
         "Le verre vide: vous devrez le remplir avec 10 gouttes d'eau pour que cet objectif soit "
         "atteint.",
     },
     {
         "The glass: It needs to be filled with 10 drops of water.",
     }},
    {"flower pot", 2, 2,
     {
         "Le pot de fleurs: vous devrez le remplir avec 30 gouttes d'eau pour que cet objectif "
         "soit atteint.",
     },
     {
         "The flowerpot: It needs to be filled with 30 drops of water.",
     }},
    {"fish bowl", 3, 3,
     {
         "Le bocal à poisson: vous devrez le remplir avec 50 gouttes d'eau pour que cet objectif "
         "soit atteint.",
     },
     {
         "The fish bowl: It needs to be filled with 50 drops of water.",
     }},
    {"end of game", 4, 4,
     {
         "La partie se termine quand l'intégralité de l'eau a été vidée. Le programme compte alors "
         "le pourcentage d'objectifs atteints. Par exemple si vous aviez un bocal à poisson et "
         "deux pots de fleurs, et que vous n'avez remplit que le bocal, vous marquez 33%.",
         "Attention, vous ne devez surtout pas verser la moindre goutte d'eau sur la chat de la "
         "concierge, sinon la partie se termine immédiatement!",
         "Si vous trouvez le jeu un poil trop difficile, régler la difficulté sur FACILE dans les "
         "options, vous aurez un temps de réflexion doublé, et l'eau est deux fois plus lente...",
     },
     {
         "When all the water is gone, the game ends and the program counts the percentage of goal "
         "reached. For example, if you had a fish bowl and two flower pots, and filled only the "
         "fish bowl, you score 33%.",
         "Be careful not to wet the cat, or the game ends immediately!",
         "If you find the game a bit too difficult, go to the preferences and set the difficulty "
         "level on EASY. The time is doubled and the water is twice as slow...",
     }},
    {"objects heading", 8, 8,
     {
         "Voici la liste des objets disponibles dans le jeu. Cliquez sur l'objet de votre choix "
         "pour avoir sa description :",
     },
     {
         "This is the list of the available objects. Click on one of them to have its description.",
     }},
    {"controls", 9, 10,
     {
         "Contrôles: ",
         "Vous pouvez poser un objet sur l'air de jeu soit en le faisant glisser, soit en le "
         "sélectionnant dans la liste, puis en cliquant sur l'air de jeu.",
         "De même, vous pouvez supprimer un objet soit en le re-faisant glisser dans la liste, "
         "soit en cliquant dessus avec le bouton droit de la souris.",
         "Il est possible de poser ou supprimer des objets en rafale, en laissant SHIFT ou CONTROL "
         "enfoncés tout en bougeant le souris sur l'air de jeu.",
         "Remarque: Il vous est impossible de bouger les objets déjà présent sur le plateau.",
         "Détails utiles: Vous pouvez à tout moment de la partie mettre le jeu en pause en "
         "cliquant sur le logo Drippo en haut à droite de l'écran. Vous pouvez également "
         "recommencer le tableau en cours en cliquant sur l'image du plombier.",
     },
     {
         "Control: ",
         "To put an object in the game area, you can either drag it with your mouse, or select it "
         "by clicking on it in the list and then click on the game area.",
         "To put an object back in the list, just drag it back, or right click on it.",
         "To avoid clicking your mouse repetitively when adding or deleting an object, you can use "
         "the SHIFT key to add objects quickly, or the CTRL key to delete, using the mouse to "
         "direct.",
         "Note that you can't move an object that is already on the board when you start a game.",
         "Two last details: You can pause the game by clicking on the Drippo logo, in the top "
         "right hand corner of the screen, and you can restart a game at any moment by clicking on "
         "the picture of the little plumber.",
     }},
};

struct ReferencePiece {
  const char* french;
  const char* english;
};

// Indexed by piece code minus one.
inline constexpr std::array<ReferencePiece, 20> reference_pieces{{
    // 1 flat platform
    {"Plate-forme plate: Il s'agit d'une simple plate-forme qui conduit l'eau de gauche à droite, "
     "ou de droite à gauche. Spécificité: Quand l'eau tombe d'en haut, elle garde la direction "
     "qu'elle avait avant de tomber...",
     "Horizontal platform: It is a simple platform which guides the water from side to side. "
     "Specificity: When water falls down on it, it keeps the direction it had before falling."},
    // 2 diagonal right platform
    {"Plate-forme diagonale droite: L'eau venant du haut est déviée sur la droite.",
     "Diagonal right platform: Water coming from the top is guided to the right."},
    // 3 diagonal left platform
    {"Plate-forme diagonale gauche: L'eau venant du haut est déviée sur la gauche.",
     "Diagonal left platform: Water coming from the top is guided to the left."},
    // 4 right curve
    {"Coude droit: L'eau entrant par le eau tourne à droite.",
     "Right curve: Water coming in from the top turns to the right."},
    // 5 left curve
    {"Coude gauche: L'eau entrant par le haut tourne à gauche.",
     "Left curve: Water coming in from the top turns to the left."},
    // 6 junction
    {"Bifurcation: L'eau entrant par le haut est séparée en deux, la moitié partant à droite, "
     "l'autre moitié partant à gauche.",
     "Junction: Water coming from the top is split in two, half of it is going to the right, the "
     "other half to the left."},
    // 7 teleporter
    {"Téléporteur: Si il y a deux téléporteurs à l'écran, l'eau entrant dans l'un ressort par "
     "l'autre, du coté opposé au coté d'entrée. Si il n'y a qu'un seul téléporteur à l'écran, "
     "l'eau rentrant dans celui-ci est perdue. Spécificité: Il ne peut y avoir que 2 téléporteurs "
     "à la fois sur l'aire de jeu.",
     "Magic door: If 2 of them are on the screen, the water going in one will come out the other "
     "one, keeping the same direction. So if it goes in one on the left side, it will come out the "
     "right side of the other one. If there is only one on the screen, water going into it will be "
     "lost. Specificity: You can have 2 magic doors maximum on the screen."},
    // 8 bomb
    {"Bombe: Si une goutte d'eau touche une bombe, celle-ci explose, détruisant au passage les 8 "
     "objets alentour. Spécificité: Une bombe qui explose prêt d'une autre entraînera l'explosion "
     "de celle-ci. Il faut donc se méfier, ou se servir, des explosions en chaîne.",
     "Bomb: If a bomb is touched by a drop of water, it explodes straight away, destroying the 8 "
     "surrounding objects. Specificity: A bomb exploding next to another one will blow this one "
     "up, so you have to mind, or use, the chain explosions."},
    // 9 right junction
    {"Embranchement droit: L'eau entrant par le haut est séparée en deux, la moitié continuant son "
     "chemin vers le bas, l'autre moitié étant déviée à droite.",
     "Right junction: Water coming from the top is split in two, half of it is going to the right, "
     "the other half carries on down."},
    // 10 left junction
    {"Embranchement gauche: L'eau entrant par le haut est séparée en deux, la moitié continuant "
     "son chemin vers le bas, l'autre moitié étant déviée à gauche.",
     "Left junction: Water coming from the top is split in two, half of it is going to the left, "
     "the other half carries on down."},
    // 11 horizontal pipe
    {"Tuyau plat: L'eau entrant par une extrémité, gauche ou droite, ressort par l'autre. "
     "Attention, contrairement à la plate-forme plate, l'eau venant du haut sera perdue!",
     "Horizontal pipe: It is a simple pipe which guides the water from side to side. Specificity: "
     "When water falls down on it, it is lost."},
    // 12 cross pipe
    {"Tuyau croisement: Ce tuyau permet de faire croiser un flux d'eau verticale et un flux d'eau "
     "horizontale.",
     "Cross pipe: Horizontal water and vertical water can cross in it, without interfering each "
     "other."},
    // 13 mill
    {"Moulin: Quand l'eau passe dans le moulin, celui-ci fournit de l'électricité aux cases de "
     "gauche et de droite. Vous aurez besoin d'électricité pour ouvrir les portes.",
     "Mill: When water goes down it, it provides electricity to the left and right case. You will "
     "need electricity to open electric doors."},
    // 14 electric door
    {"Porte: Il s'agit de portes électriques. Pour que l'eau passe, il faut que la porte soit "
     "ouverte. Pour que la porte soit ouverte, il faut qu'elle soit située à coté d'un moulin "
     "alimenté par de l'eau.",
     "Electric doors: For water to go through it, it needs to be open. For it to be open, it needs "
     "to be next to a watered mill."},
    // 15 sponge
    {"Eponge: Quand de l'eau rentre dans une éponge, elle y reste quelques secondes et ressort par "
     "le bas. C'est en fait un moyen de ralentir l'eau.",
     "Sponge: When water is absorbed by a sponge, it comes out from it some seconds later. It can "
     "be used to delay water."},
    // 16 fish bowl
    {"Bocal poisson: Il s'agit d'un objectif à remplir. Pour qu'un bocal à poisson soit considéré "
     "comme rempli, il faut y verser 50 gouttes d'eau. Vous pouvez savoir à tout moment le nombre "
     "de gouttes d'eau nécessaire au remplissage en passant la souris dessus.",
     "Fish bowl: It is a goal. It needs 50 water drops to be totally filled. You can know at any "
     "moment the amount of drops you need to fill it by moving the mouse over it."},
    // 17 flower pot
    {"Pot de fleurs: Il s'agit d'un objectif à remplir. Pour qu'un pot de fleurs soit considéré  "
     "comme rempli, il faut y verser 30 gouttes d'eau. Vous pouvez savoir à tout moment le nombre "
     "de gouttes d'eau nécessaire au remplissage en passant la souris dessus.",
     "Flower pot: It is a goal. It needs 30 water drops to be totally filled. You can know at any "
     "moment the amount of drops you need to fill it by moving the mouse over it."},
    // 18 glass
    {"Verre à cocktel: Il s'agit d'un objectif à remplir. Pour qu'un verre soit considéré  comme "
     "rempli, il faut y verser 10 gouttes d'eau. Vous pouvez savoir à tout moment le nombre de "
     "gouttes d'eau nécessaire au remplissage en passant la souris dessus.",
     "Glass: It is a goal. It needs 10 water drops to be totally filled. You can know at any "
     "moment the amount of drops you need to fill it by moving the mouse over it."},
    // 19 cat
    {"Chat qui craint l'eau: Attention au chat, pas question de le mouiller, ou encore de le faire "
     "exploser, sinon la partie se termine immédiatement!",
     "Cat: Mind the cat, if you wet him, the game ends immediately!"},
    // 20 brick
    {"Bloc de brique: Pour la construction de murs.",
     "Bricks bloc: Use it to build walls."},
}};

}  // namespace drippo::ui::testing
