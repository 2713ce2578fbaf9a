#include "ui/main/window_view.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include "ui/main/board_widget.h"
#include "ui/main/main_window.h"

namespace drippo::ui {

void WindowView::show_cell(int i, int) { window_.board().repaint_cell(i); }

void WindowView::show_text(Field field, const std::string& text) { window_.show_text(field, text); }

void WindowView::show_stock(int piece, const std::string& text) { window_.show_stock(piece, text); }

void WindowView::start_next_music() { window_.next_track(); }

void WindowView::show_explosion(int cell) { window_.show_explosion(cell); }

void WindowView::hide_explosion() { window_.hide_explosion(); }

void WindowView::pause_ms(int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(ms - clock.elapsed()));
  }
}

void WindowView::state_changed() { window_.sync_from_game(); }

}  // namespace drippo::ui
