#include "ui/common/key_actions.h"

#include <array>

#include <QKeySequence>
#include <QWidget>

namespace drippo::ui {

namespace {

constexpr std::size_t most_keys = 3;

struct Row {
  Action action;
  const char* french;
  const char* english;
  std::array<QKeyCombination, most_keys> keys;
  // For the actions of a range of keys (the arrows, the digits), how the
  // help names them; the key handler knows the range itself.
  const char* french_keys = nullptr;
  const char* english_keys = nullptr;
};

constexpr QKeyCombination none(Qt::Key_unknown);
constexpr QKeyCombination ctrl(Qt::Key k) { return QKeyCombination(Qt::ControlModifier, k); }
constexpr QKeyCombination shift(Qt::Key k) { return QKeyCombination(Qt::ShiftModifier, k); }

// The side panel's hover texts are the buttons' own, as the window has
// always shown them; the rest are ours.
const Row rows[] = {
    {Action::MoveCursor, "Déplacer le curseur sur le plateau.", "Move the cursor on the board.", {none, none, none},
     "Flèches", "Arrow keys"},
    {Action::ChoosePiece,
     "Choisir l'une des dix premières pièces de la barre du bas : 1 pour la première, 2 pour la deuxième... "
     "et 0 pour la dixième.",
     "Choose one of the first ten pieces of the bottom strip: 1 for the first, 2 for the second... and 0 for the "
     "tenth.",
     {none, none, none}, "1 ... 9, 0", "1 ... 9, 0"},
    {Action::CyclePiece, "Choisir la pièce suivante ou précédente (dans l'éditeur, les objectifs et le chat aussi).",
     "Choose the next or the previous piece (in the editor, the goals and the cat too).",
     {QKeyCombination(Qt::Key_Tab), shift(Qt::Key_Backtab), none}},
    {Action::Place,
     "Poser la pièce choisie sur la case du curseur. Sur une pièce que l'on peut bouger : la prendre, puis la "
     "poser ailleurs de la même façon.",
     "Place the chosen piece on the cursor's cell. On a piece that can move: pick it up, then put it down "
     "elsewhere the same way.",
     {QKeyCombination(Qt::Key_Space), QKeyCombination(Qt::Key_Return), QKeyCombination(Qt::Key_Enter)}},
    {Action::TakeBack, "Reprendre la pièce de la case du curseur (ou la pièce prise).",
     "Take back the piece of the cursor's cell (or the piece picked up).",
     {QKeyCombination(Qt::Key_Delete), QKeyCombination(Qt::Key_Backspace), none}},
    {Action::TestDrop, "Dans l'éditeur : verser une goutte d'essai dans la case du curseur.",
     "In the editor: pour a test drop into the cursor's cell.", {QKeyCombination(Qt::Key_T), none, none}},
    {Action::Cancel, "Lâcher la pièce prise sans la poser ; dans une case à remplir, revenir au plateau.",
     "Let go of the piece picked up without placing it; in a box to fill, go back to the board.",
     {QKeyCombination(Qt::Key_Escape), none, none}},
    {Action::LeaveBoard, "Aller aux cases à remplir et aux boutons (puis Tab pour passer au suivant).",
     "Go to the boxes to fill and the buttons (then Tab for the next one).",
     {ctrl(Qt::Key_Tab), QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Backtab), none}},
    {Action::Pause, "Mettre la partie en pause, ou la reprendre.", "Pause the game, or go on with it.",
     {QKeyCombination(Qt::Key_P), none, none}},
    {Action::Restart, "Recommencer.", "Restart this level.", {QKeyCombination(Qt::Key_R), none, none}},
    {Action::Help, "Aides de jeu.", "Help.", {QKeyCombination(Qt::Key_F1), none, none}},
    {Action::About, "A propos de Drippo.", "About Drippo.", {shift(Qt::Key_F1), none, none}},
    {Action::Play, "Résoudre un tableau.", "Play a level.", {ctrl(Qt::Key_O), none, none}},
    {Action::NewLevel, "Editeur de tableaux.", "Edit a level.", {ctrl(Qt::Key_N), none, none}},
    {Action::LoadForEditing, "Charger un tableau.", "Load level.", {ctrl(Qt::Key_L), none, none}},
    {Action::Save, "Sauver un tableau.", "Save level.", {ctrl(Qt::Key_S), none, none}},
    {Action::Options, "Options.", "Settings.", {QKeyCombination(Qt::Key_O), none, none}},
    {Action::Undo, "Dans l'éditeur : annuler la dernière modification.", "In the editor: undo the last change.",
     {ctrl(Qt::Key_Z), none, none}},
    {Action::Redo, "Dans l'éditeur : refaire ce qui a été annulé.", "In the editor: redo what was undone.",
     {ctrl(Qt::Key_Y), QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z), none}},
    {Action::Hint, "Un indice : une pièce d'une solution, ou la pièce à reprendre.",
     "A hint: a piece of a solution, or the piece to take back.", {QKeyCombination(Qt::Key_H), none, none}},
    {Action::CheckLevel, "Dans l'éditeur : vérifier que le tableau a une solution.",
     "In the editor: check that the level can be solved.", {ctrl(Qt::Key_K), none, none}},
    {Action::ShowSolution, "Dans l'éditeur : montrer la solution trouvée.", "In the editor: show the solution found.",
     {QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_K), none, none}},
    {Action::DialogSave, "Sauver le tableau.", "Save the level.", {QKeyCombination(Qt::Key_Return), none, none}},
    {Action::DialogClose, "Fermer sans sauver.", "Close without saving.", {QKeyCombination(Qt::Key_Escape), none, none}},
    {Action::BrowserLoad, "Charger le tableau choisi.", "Load the chosen level.",
     {QKeyCombination(Qt::Key_Return), none, none}},
    {Action::BrowserClose, "Fermer sans charger.", "Close without loading.",
     {QKeyCombination(Qt::Key_Escape), none, none}},
    {Action::ChooseEnglish, "Jouer en anglais.", "Play in English.", {none, none, none}},
    {Action::ChooseFrench, "Jouer en français.", "Play in French.", {none, none, none}},
};

const Row& row_of(Action action) {
  for (const Row& r : rows) {
    if (r.action == action) return r;
  }
  return rows[0];  // every action has its row
}

std::size_t key_count(const Row& r) {
  std::size_t n = 0;
  while (n < most_keys && r.keys[n] != none) ++n;
  return n;
}

QString key_name(QKeyCombination keys, bool french) {
  QString name;
  if (keys.keyboardModifiers() & Qt::ControlModifier) name += "Ctrl+";
  if (keys.keyboardModifiers() & Qt::ShiftModifier) name += french ? "Maj+" : "Shift+";
  switch (keys.key()) {
    case Qt::Key_Space: return name + (french ? "Espace" : "Space");
    case Qt::Key_Return:
    case Qt::Key_Enter: return name + QString::fromUtf8(french ? "Entrée" : "Enter");
    case Qt::Key_Delete: return name + (french ? "Suppr" : "Delete");
    case Qt::Key_Backspace: return name + QString::fromUtf8(french ? "Retour arrière" : "Backspace");
    case Qt::Key_Escape: return name + QString::fromUtf8(french ? "Échap" : "Esc");
    case Qt::Key_Backtab: return name + "Tab";
    default: return name + QKeySequence(keys.key()).toString(QKeySequence::PortableText);
  }
}

}  // namespace

QString action_text(Action action, std::int16_t langue) {
  const Row& r = row_of(action);
  return QString::fromUtf8(langue == 0 ? r.french : r.english);
}

QString key_text(Action action, std::int16_t langue) {
  const Row& r = row_of(action);
  const bool french = langue == 0;
  if (r.french_keys != nullptr) return QString::fromUtf8(french ? r.french_keys : r.english_keys);
  QStringList names;
  for (std::size_t k = 0; k < key_count(r); ++k) {
    const QString name = key_name(r.keys[k], french);
    if (!names.contains(name)) names << name;
  }
  return names.join(french ? " ou " : " or ");
}

std::span<const QKeyCombination> key_combinations(Action action) {
  const Row& r = row_of(action);
  return {r.keys.data(), key_count(r)};
}

std::optional<Action> action_of(QKeyCombination keys) {
  const QKeyCombination pressed(keys.keyboardModifiers() & ~Qt::KeypadModifier, keys.key());
  for (const Row& r : rows) {
    for (std::size_t k = 0; k < key_count(r); ++k) {
      if (r.keys[k] == pressed) return r.action;
    }
  }
  return std::nullopt;
}

void describe_for_everyone(QWidget* widget, Action action, std::int16_t langue) {
  const QString text = action_text(action, langue);
  const QString keys = key_text(action, langue);
  widget->setAccessibleName(text);
  widget->setAccessibleDescription(keys.isEmpty() ? text : (langue == 0 ? "Touche : " : "Key: ") + keys);
  widget->setToolTip(keys.isEmpty() ? text : text + " (" + keys + ")");
}

QStringList key_list(std::int16_t langue) {
  const bool french = langue == 0;
  QStringList out{french ? "CLAVIER" : "KEYBOARD"};
  for (const Row& r : rows) {
    if (r.action == Action::DialogSave) break;  // the dialogs' buttons come last, said in one line
    out << key_text(r.action, langue) + (french ? " : " : ": ") + action_text(r.action, langue);
  }
  out << QString::fromUtf8(french ? "Dans les fenêtres : Tab passe d'un bouton à l'autre, Espace appuie sur le "
                                    "bouton choisi, Entrée confirme et Échap ferme. Dans l'aide, les flèches "
                                    "gauche et droite changent de page."
                                  : "In the windows: Tab goes from one button to the next, Space presses the "
                                    "chosen button, Enter confirms and Esc closes. In the help, the left and "
                                    "right arrows turn the pages.");
  return out;
}

}  // namespace drippo::ui
