#pragma once

#include <array>
#include <functional>
#include <vector>

#include <QDialog>

#include "storage/program_folder.h"
#include "storage/settings.h"
#include "ui/dialogs/option_pictures.h"
#include "ui/common/questions.h"

class QPushButton;

namespace drippo::ui {

// The options dialog: language, music, sound effects and difficulty, each a
// row of two buttons with a yellow marker around the current choice. A
// choice counts at once; OK writes config.dat and reads it back, Cancel (or
// any other way of closing) only reads it back, which puts the stored values
// back; both then close.
class OptionsDialog : public QDialog {
  Q_OBJECT
 public:
  struct Host {
    ProgramFolder folder;  // where config.dat is written
    Questions& questions;  // tells a failure to write it
    // The game's settings as the dialog opens.
    Settings settings;
    // Every choice and Default: the game's settings take the new values at
    // once where they are read as the game goes (language of messages,
    // effects, music flag, difficulty), leaving the water timer, the music
    // playing and the captions as they are until config.dat is read back.
    std::function<void(const Settings&)> set_live;
    // OK after writing, and Cancel: lire_reglages, which applies config.dat
    // whole (settings, water timer, music, captions).
    std::function<void()> reread_and_apply;
    double zoom;  // the main window's, so both look alike
  };

  explicit OptionsDialog(Host host, QWidget* parent = nullptr);

  // The settings as the dialog's choices left them.
  const Settings& settings() const { return settings_; }
  RampStyle ramp_style() const { return ramp_style_; }

  // Cancel, Escape and the window's close box: the stored settings come back
  // whole, so no part of the game keeps a choice that was not confirmed.
  void reject() override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void choose(int index);
  void set_defaults();
  void on_ok();
  void montrer_reglages();

  Host host_;
  Settings settings_;
  RampStyle ramp_style_;
  std::vector<RampBand> ramp_;
  std::array<QWidget*, 4> markers_{};  // by Setting
};

}  // namespace drippo::ui
