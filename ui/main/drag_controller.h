#pragma once

#include <QPoint>

class QWidget;

namespace drippo::ui {

class ArtBook;
class MainWindow;

// A piece being dragged inside the window: pressed on the board or the
// palette, following the pointer, dropped where the button is released. The
// game decides what the drop does; this only finds what lies under the pointer.
class DragController {
 public:
  DragController(MainWindow& window, ArtBook& art);
  ~DragController();

  void begin(int piece, QPoint global_pos);
  bool active() const { return active_; }
  void move(QPoint global_pos);
  void release(QPoint global_pos);

 private:
  MainWindow& window_;
  QWidget* picture_;  // the dragged piece under the pointer
  bool active_ = false;
};

}  // namespace drippo::ui
