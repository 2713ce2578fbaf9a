#include "game/editor_history.h"

namespace drippo {

void EditorHistory::record(const EditorSnapshot& before, Source source, int field) {
  const bool same_typing = source == Source::Field && field == last_field_;
  last_field_ = source == Source::Field ? field : -1;
  if (grouping_ && group_recorded_) return;
  if (same_typing) return;
  group_recorded_ = grouping_;
  redo_.clear();
  undo_.push_back(before);
  if (undo_.size() > limit) undo_.erase(undo_.begin());
}

EditorSnapshot EditorHistory::undo(const EditorSnapshot& now) {
  EditorSnapshot back = undo_.back();
  undo_.pop_back();
  redo_.push_back(now);
  last_field_ = -1;
  return back;
}

EditorSnapshot EditorHistory::redo(const EditorSnapshot& now) {
  EditorSnapshot forth = redo_.back();
  redo_.pop_back();
  undo_.push_back(now);
  last_field_ = -1;
  return forth;
}

void EditorHistory::clear() {
  undo_.clear();
  redo_.clear();
  grouping_ = false;
  group_recorded_ = false;
  last_field_ = -1;
}

}  // namespace drippo
