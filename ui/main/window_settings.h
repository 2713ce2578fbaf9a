#pragma once

#include "storage/settings.h"

namespace drippo::ui {

class MainWindow;

// Applying the settings to the window, the game and the loudspeakers.
class WindowSettings : public SettingsTarget {
 public:
  explicit WindowSettings(MainWindow& window) : window_(window) {}

  void use_settings(const Settings& r) override;
  void set_water_interval_ms(int ms) override;
  void stop_music() override;
  void close_music() override;
  void piste_suivante() override;
  void show_captions(const Captions& captions) override;

 private:
  MainWindow& window_;
};

}  // namespace drippo::ui
