#include "ui/main/window_settings.h"

#include "ui/main/main_window.h"

namespace drippo::ui {

void WindowSettings::use_settings(const Settings& r) { window_.set_live_settings(r); }

void WindowSettings::set_water_interval_ms(int ms) { window_.set_water_interval(ms); }

void WindowSettings::stop_music() { window_.audio().stop_music(); }

// Stopping frees the tune already; there is nothing more to close.
void WindowSettings::close_music() {}

void WindowSettings::piste_suivante() { window_.audio().next_track(); }

void WindowSettings::show_captions(const Captions& captions) { window_.show_captions(captions); }

}  // namespace drippo::ui
