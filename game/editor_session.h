#pragma once

#include <string>

#include "game/editor_history.h"
#include "game/game_view.h"
#include "game/level_data.h"
#include "game/table.h"

namespace drippo {

// The level editor: typing in the boxes, the undo history, the goals and the
// score as the board stands, and saving.
class EditorSession {
 public:
  EditorSession(Table& table, GameView& view) : table_(table), view_(view) {}

  // Typing in the stock, time and water boxes of the editor.
  void edit_stock(int t, const std::string& text);
  void edit_time(const std::string& text);
  void edit_water(const std::string& text);
  // Locked while a level is played: the boxes only show.
  bool fields_locked() const { return fields_locked_; }
  void set_fields_locked(bool on) { fields_locked_ = on; }

  // A sweep with SHIFT or CTRL held: everything it changes is one step.
  void begin_sweep() { history_.begin_group(); }
  void end_sweep() { history_.end_group(); }
  bool undo();  // false when there is nothing to undo
  bool redo();
  bool can_undo() const { return table_.mode_edition() && history_.can_undo(); }
  bool can_redo() const { return table_.mode_edition() && history_.can_redo(); }
  void forget_history() { history_.clear(); }

  // The board is about to change: the editor keeps the step.
  void remember_board_change();
  // The board changed: in the editor, the goals and the score follow it.
  void after_board_change();
  // Counts the goals and the share of them that is full.
  void recount_goals();

  bool tableau_sauve() const { return tableau_sauve_; }
  void set_tableau_sauve(bool saved) { tableau_sauve_ = saved; }
  // The level as it is to be saved; clears the drops of every cell first.
  LevelData level_for_saving(const std::string& author);
  void level_saved(const std::string& name, const std::string& author);  // the save succeeded

 private:
  EditorSnapshot snapshot() const;
  void restore(const EditorSnapshot& s);

  Table& table_;
  GameView& view_;
  EditorHistory history_;
  bool tableau_sauve_ = true;
  bool fields_locked_ = false;
};

}  // namespace drippo
