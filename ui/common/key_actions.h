#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include <QKeyCombination>
#include <QString>

class QWidget;

namespace drippo::ui {

// Everything the player can do from the keyboard, and the picture buttons
// that do the same with the mouse. One table says which keys do what and how
// each action reads in both languages: the key handler, the tooltips, the
// accessible names and the help's key list all read it.
enum class Action {
  // On the board and the palette.
  MoveCursor,
  ChoosePiece,
  CyclePiece,
  Place,
  TakeBack,
  TestDrop,
  Cancel,
  LeaveBoard,
  // The side panel and the editor's panel.
  Pause,
  Restart,
  Help,
  About,
  Play,
  NewLevel,
  LoadForEditing,
  Save,
  Options,
  Undo,
  Redo,
  Hint,
  CheckLevel,
  ShowSolution,
  // The dialogs' picture buttons.
  DialogSave,
  DialogClose,
  BrowserLoad,
  BrowserClose,
  ChooseEnglish,
  ChooseFrench,
};

// What the action does, in French for langue 0 and in English otherwise. For
// the buttons of the side panel this is their hover text.
QString action_text(Action action, std::int16_t langue);

// The keys that do it, as the player reads them ("Ctrl+O", "Maj+Tab"); empty
// for an action that has none of its own.
QString key_text(Action action, std::int16_t langue);

// The keys of an action that is one key press (not the arrows or the digits).
std::span<const QKeyCombination> key_combinations(Action action);

// The action of a key press, among those of key_combinations; keypad keys
// count as the main keyboard's.
std::optional<Action> action_of(QKeyCombination keys);

// A widget the mouse clicks to do an action: its accessible name and
// description, and its tooltip, in the player's language.
void describe_for_everyone(QWidget* widget, Action action, std::int16_t langue);

// The help's list of keys, one paragraph per action, with a word on the
// dialogs at the end.
QStringList key_list(std::int16_t langue);

}  // namespace drippo::ui
