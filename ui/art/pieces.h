#pragma once

class QPainter;

// One drawing per piece, in the 33 x 36 cell box of art_kit.h, over the tile.
// w is the water state to show: 4 × left + 2 × right + down, plus 8 for a
// powered door; each draws the water where it runs in that piece.
namespace drippo::ui::pieces {

void empty(QPainter& p, int w);
void flat(QPainter& p, int w);
void diagonal_right(QPainter& p, int w);
void right_curve(QPainter& p, int w);
void junction(QPainter& p);
void right_junction(QPainter& p);
void horizontal_pipe(QPainter& p, int w);
void cross_pipe(QPainter& p);
void door(QPainter& p, int w);

void teleporter(QPainter& p);
void bomb(QPainter& p);
void mill(QPainter& p, int w);
void sponge(QPainter& p, int w);
void fish_bowl(QPainter& p, int w);
void flower_pot(QPainter& p, int w);
void glass(QPainter& p, int w);
void cat(QPainter& p, int w);
void brick(QPainter& p);

}  // namespace drippo::ui::pieces
