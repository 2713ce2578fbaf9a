#pragma once

#include <memory>
#include <vector>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "audio/audio_output.h"
#include "game/game.h"
#include "storage/program_folder.h"
#include "storage/settings.h"
#include "ui/art/art_book.h"
#include "ui/main/envelope_bounce.h"
#include "ui/main/fitted_label.h"
#include "ui/main/questions.h"
#include "ui/main/twips.h"

namespace drippo::ui {

class BoardWidget;
class DragController;
class PaletteWidget;
class PictureWidget;
class SpeechBubble;
class WindowSettings;
class WindowView;

// Where the main window finds what it does not own: the program folder, the
// score files and level list, the loudspeakers, the questions and dialogs.
struct MainWindowServices {
  ProgramFolder folder;
  ScoreRecorder& scores;
  LevelCatalogue& levels;
  AudioOutput& audio;
  Questions& questions;
};

// The game's only main window: board, palette, side panel, welcome screen.
// It forwards what the player does to the game and shows what the game says.
class MainWindow : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(MainWindowServices services, QWidget* parent = nullptr);
  ~MainWindow() override;

  Game& game() { return *game_; }
  const ProgramFolder& folder() const { return services_.folder; }
  Questions& questions() { return services_.questions; }
  // Dialogs default to the real ones; tests may put their own (nothing puts
  // the real ones back).
  void set_dialogs(Dialogs* dialogs);

  ArtBook& art() { return art_; }
  double zoom_factor() const { return zoom_.factor(); }
  BoardWidget& board() { return *board_; }
  PaletteWidget& palette() { return *palette_; }
  PaletteWidget& editor_palette() { return *editor_palette_; }

  // Loads a level of the levels folder as the game's mode says; on failure
  // the player is told why and the board stays as it was. The name is the
  // file's own bytes, which need not be UTF-8.
  bool load_level(const std::string& file_name);

  // Settings, as the settings file gives them and the options dialog
  // changes them.
  const Reglages& settings() const { return reglages_; }
  void set_live_settings(const Reglages& r);  // the game reads them at once
  void reread_settings();                      // from config.dat, applied whole
  void set_water_interval(int ms);
  void show_captions(const Captions& captions);
  AudioOutput& audio() { return services_.audio; }
  // Another tune, when the music is on.
  void next_track();

  // Everything the game decides about what is shown: re-read it.
  void sync_from_game();
  void show_text(Field field, const std::string& text);
  void show_stock(int piece, const std::string& text);
  void show_explosion(int cell);
  void hide_explosion();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Construction, by area of the window.
  void build_board_area();
  void build_palette();
  void build_side_panel();
  void build_editor_panel();
  void build_timers();
  void build_undo();
  void connect_stock_box(int piece);
  void on_undo();
  void on_redo();
  FittedLabel* add_label(const QString& name, const TwipRect& where, const QString& text, double font_px);
  QLineEdit* add_box(const QString& name, const TwipRect& where, QWidget* parent = nullptr);
  QPushButton* add_picture_button(const QString& name, const TwipRect& where, Art art, QWidget* parent = nullptr);
  void place(QWidget* widget, const TwipRect& where, double font_px = 0);
  void move_to(QWidget* widget, const TwipRect& where);  // another place for a placed widget
  void relayout();
  void lay_out(QWidget* widget, const TwipRect& where, double font_px);
  void show_welcome_or_congratulation(bool congratulation);
  void show_message(const QString& text);

  // Play flow.
  bool may_discard_unsaved();
  void on_play();
  void on_new_level();
  void on_load_for_editing();
  void on_save();
  void on_options();
  void on_help(bool about);
  void on_title_clicked();
  void on_restart();
  void on_envelope_tick();
  void on_music_tick();
  void sync_timers();

  // Mouse on the board and the palettes.
  void on_cell_pressed(int cell, Qt::MouseButton button);
  void on_board_mouse_moved(QPoint global_pos, Qt::KeyboardModifiers modifiers);
  void on_palette_pressed(int piece);
  void on_mouse_released(QPoint global_pos, Qt::MouseButton button);
  void on_drag_moved(QPoint global_pos);

  // Hover help.
  void describe_button(QWidget* button);

  MainWindowServices services_;
  ArtBook art_;
  std::unique_ptr<WindowView> view_;
  std::unique_ptr<WindowSettings> settings_target_;
  Reglages reglages_;
  std::unique_ptr<Game> game_;
  std::unique_ptr<Dialogs> standard_dialogs_;
  Dialogs* dialogs_ = nullptr;
  std::unique_ptr<DragController> drag_;
  EnvelopeBounce envelope_;

  struct Placed {
    QWidget* widget;
    TwipRect where;
    double font_px;
  };
  std::vector<Placed> placed_;
  Zoom zoom_;
  // Holds the whole game at its design's proportions, centred in the window.
  QWidget* stage_ = nullptr;
  int envelope_starts_seen_ = 0;
  bool congratulation_shown_ = false;
  // The key held in the current sweep over the board, if any.
  Qt::KeyboardModifiers sweep_keys_;
  bool cells_shown_ = true;
  bool time_red_ = false;

  BoardWidget* board_ = nullptr;
  PaletteWidget* palette_ = nullptr;
  PaletteWidget* editor_palette_ = nullptr;
  PictureWidget* image3_ = nullptr;
  PictureWidget* image4_ = nullptr;
  PictureWidget* image5_ = nullptr;
  FittedLabel* accueil_ = nullptr;
  PictureWidget* enveloppe_ = nullptr;
  PictureWidget* expl_ = nullptr;
  FittedLabel* labelpause_ = nullptr;
  FittedLabel* label19_ = nullptr;
  FittedLabel* label8_ = nullptr;
  FittedLabel* label9_ = nullptr;
  FittedLabel* label10_ = nullptr;
  QLineEdit* text_temps_ = nullptr;
  QLineEdit* text_eau_ = nullptr;
  QLineEdit* texte_score_ = nullptr;
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
  QPushButton* command7_ = nullptr;
  QPushButton* command8_ = nullptr;
  FittedLabel* label_bouton_ = nullptr;
  SpeechBubble* bubble_ = nullptr;
  FittedLabel* comment_ = nullptr;
  PictureWidget* command5_ = nullptr;
  QWidget* outils_ = nullptr;
  QPushButton* command3_ = nullptr;
  QPushButton* command4_ = nullptr;
  std::vector<QLineEdit*> nombre_type_;  // indexed by piece code; 0 unused
  QTimer* timer_eau_ = nullptr;
  QTimer* timer_rebour_ = nullptr;
  QTimer* timer_enveloppe_ = nullptr;
  QTimer* timer_ziq_ = nullptr;
};

}  // namespace drippo::ui
