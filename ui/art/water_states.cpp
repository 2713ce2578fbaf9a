#include "ui/art/art_book.h"

#include "ui/art/picture_code.h"

namespace drippo::ui {

namespace {

constexpr int kPieceCount = nb_types + 1;

// For each piece and water state 0..7, the picture whose art it shows. Most
// states of the flow pieces hide water that does not show in that piece (the
// water inside a pipe, horizontal water on a goal), and the junctions borrow
// the curves' wet art.
constexpr int kSource[kPieceCount][8] = {
    {0, 100, 200, 300, 400, 500, 600, 700},   // empty: every state its own
    {1, 101, 201, 101, 201, 101, 201, 101},   // flat platform
    {2, 102, 2, 102, 402, 102, 402, 102},     // diagonal right
    {3, 103, 203, 103, 3, 103, 203, 103},     // diagonal left
    {4, 4, 204, 204, 4, 4, 204, 204},         // right curve
    {5, 5, 5, 5, 405, 405, 405, 405},         // left curve
    {6, 6, 6, 6, 6, 6, 6, 6},                 // junction
    {7, 7, 7, 7, 7, 7, 7, 7},                 // teleporter
    {8, 8, 8, 8, 8, 8, 8, 8},                 // bomb
    {9, 9, 204, 204, 9, 9, 204, 204},         // right junction
    {10, 10, 10, 10, 405, 405, 405, 405},     // left junction
    {11, 111, 11, 111, 11, 111, 11, 111},     // horizontal pipe
    {12, 12, 12, 12, 12, 12, 12, 12},         // cross pipe
    {13, 113, 13, 113, 13, 113, 13, 113},     // mill
    {14, 114, 214, 314, 214, 314, 214, 314},  // electric door, closed
    {15, 115, 15, 115, 15, 115, 15, 115},     // sponge
    {16, 116, 16, 116, 16, 116, 16, 116},     // fish bowl
    {17, 117, 17, 117, 17, 117, 17, 117},     // flower pot
    {18, 118, 18, 118, 18, 118, 18, 118},     // glass
    {19, 119, 19, 119, 19, 119, 19, 119},     // cat
    {20, 20, 20, 20, 20, 20, 20, 20},         // brick
};

}  // namespace

int shared_picture(int code_image) {
  if (code_image < 0) return 0;
  int p = picture_piece(code_image);
  const int w = picture_water(code_image);
  // Unknown codes show as the empty cell; only a door has the powered bit.
  if (!is_valid_piece(p)) p = piece::vide;
  if (p == piece::porte && (w & water::powered)) return picture_code(p, w);  // the open door: every state its own
  return kSource[p][w & water::flowing];
}

int shared_water_state(int piece_code, int w) {
  if (piece_code < 0 || w < 0) return 0;
  if (!is_valid_piece(piece_code)) piece_code = piece::vide;
  return picture_water(shared_picture(picture_code(piece_code, w)));
}

}  // namespace drippo::ui
