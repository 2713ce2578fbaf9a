#pragma once

namespace drippo::ui {

// The envelope that bounces around the board after a game, in twips.
class EnvelopeBounce {
 public:
  // The board area it bounces in and its own size.
  EnvelopeBounce(int area_width, int area_height, int width, int height)
      : area_width_(area_width), area_height_(area_height), width_(width), height_(height) {}

  // Back to the top-left corner, heading right and down.
  void start() {
    left_ = 10;
    top_ = 10;
    across_ = 'd';
    down_ = 'b';
  }
  // One step of 50 twips on each axis, turning back at the edges.
  void step() {
    if (left_ <= 10 && across_ == 'g') across_ = 'd';
    if (area_width_ - width_ <= left_ && across_ == 'd') across_ = 'g';
    if (top_ <= 10 && down_ == 'h') down_ = 'b';
    if (area_height_ - height_ <= top_ && down_ == 'b') down_ = 'h';
    if (across_ == 'd') left_ += 50;
    else if (across_ == 'g') left_ -= 50;
    if (down_ == 'b') top_ += 50;
    else if (down_ == 'h') top_ -= 50;
  }

  int left() const { return left_; }
  int top() const { return top_; }
  void put(int left, int top) {
    left_ = left;
    top_ = top;
  }

 private:
  int area_width_;
  int area_height_;
  int width_;
  int height_;
  // Where the window's design puts it; it stays there until the first game ends.
  int left_ = 4560;
  int top_ = 500;
  char across_ = 0;  // 'd' right, 'g' left, none at first
  char down_ = 0;    // 'b' down, 'h' up
};

}  // namespace drippo::ui
