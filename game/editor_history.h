#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/board_geometry.h"
#include "game/pieces.h"

namespace drippo {

// What a level designer can change in the editor, as it stood at one moment:
// the pieces, the stocks, the time and the water. The drops of the test water
// are not part of it: undoing a piece does not bring back water.
struct EditorSnapshot {
  std::array<std::int16_t, nb_cases> piece{};
  std::array<std::int16_t, nb_cases> modifiable{};
  std::array<std::int16_t, nb_cases> besoin{};
  std::array<std::string, nb_types + 1> stocks{};
  std::string time;
  std::string water;

  bool operator==(const EditorSnapshot&) const = default;
};

// The undo and redo stacks of the editor. The game records the state before
// each change; a run of changes marked as one (a sweep with a key held, the
// typing in one field) records once.
class EditorHistory {
 public:
  // Where a change comes from: consecutive changes from the same typing field
  // make one step.
  enum class Source { Board, Field };

  void record(const EditorSnapshot& before, Source source, int field = -1);
  // A sweep: every change until end_group() is one step.
  void begin_group() { grouping_ = true; group_recorded_ = false; }
  void end_group() { grouping_ = false; }
  bool grouping() const { return grouping_; }

  bool can_undo() const { return !undo_.empty(); }
  bool can_redo() const { return !redo_.empty(); }
  // Each takes the state now and gives the one to go back (or forth) to.
  EditorSnapshot undo(const EditorSnapshot& now);
  EditorSnapshot redo(const EditorSnapshot& now);
  void clear();

 private:
  static constexpr std::size_t limit = 500;  // steps kept; the oldest go first

  std::vector<EditorSnapshot> undo_;
  std::vector<EditorSnapshot> redo_;
  bool grouping_ = false;
  bool group_recorded_ = false;
  int last_field_ = -1;  // the field being typed in, when the last step was typing
};

}  // namespace drippo
