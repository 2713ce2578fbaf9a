#pragma once

#include <optional>

#include "game/editor_session.h"
#include "game/pieces.h"
#include "game/table.h"

namespace drippo {

// What setting piece t down on cell i does to the board the water runs on.
// The solver does the same to the states of the water it tries.
void set_piece_down(Simulation& water, int i, int t);

// What a click on the board was done with.
enum class MouseButton { Left, Right, Other };

// Why a piece from the stock cannot be set down on a cell.
enum class PlacingRefusal { EditorOnly, CellTaken, NoneInStock, TwoTeleporters };

// Placing pieces from the stock, moving them on the board and taking them
// back, by click, drag or sweep; none of it while the board is locked.
class PiecePlacing {
 public:
  PiecePlacing(Table& table, EditorSession& editor) : table_(table), editor_(editor) {}

  // The one rule for setting piece t down on cell i from the stock, or
  // nothing when it may be.
  std::optional<PlacingRefusal> refusal(int i, int t) const;
  bool teleporter_limit_reached() const;

  int type_choisi() const { return type_choisi_; }
  int type_glisse() const { return type_glisse_; }
  bool depuis_plateau() const { return depuis_plateau_; }
  int highlighted_cell() const { return highlighted_cell_; }

  // Mouse down on a board cell. Returns true when a drag of that cell's piece begins.
  bool board_mouse_down(int i, MouseButton button);
  // Mouse down on the palette picture of piece t. True when a drag begins.
  bool palette_mouse_down(int t);
  // The dragged piece passes over cell i, or over the window's background.
  void drag_over_cell(int i);
  void drag_over_background();
  // The dragged piece is dropped on cell i / on a palette picture. True when placed.
  bool drop_on_cell(int i);
  void drop_on_palette();
  void drag_cancelled();  // dropped anywhere else
  void poser_piece(int i);
  void reprendre_piece(int i);

 private:
  bool take_from_stock(int t);
  void set_down(int i, int t);

  Table& table_;
  EditorSession& editor_;
  int type_choisi_ = piece::brique;
  int type_glisse_ = 0;
  bool depuis_plateau_ = false;
  int drag_origin_ = 0;  // the cell a piece dragged from the board left
  int highlighted_cell_ = -1;
};

}  // namespace drippo
