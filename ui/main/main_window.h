#pragma once

#include <functional>
#include <memory>
#include <optional>
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
#include "ui/common/key_actions.h"
#include "ui/common/questions.h"
#include "ui/common/twips.h"
#include "ui/dialogs/puzzle_maker.h"

class QAccessibleEvent;

namespace drippo::ui {

class BoardWidget;
class DragController;
class HintControl;
class LevelCheckControl;
class KeyboardInput;
class LevelDrop;
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
  // The side panel's and the palette strip's own pictures: a piece dropped
  // there goes back to its stock.
  bool is_background(const QWidget* widget) const;

  // Loads a level of the levels folder as the game's mode says; on failure
  // the player is told why and the board stays as it was. The name is the
  // file's own bytes, which need not be UTF-8.
  bool load_level(const std::string& file_name);
  // Makes levels from fresh seeds for the level browser, and puts them on the
  // board as the game's mode says.
  PuzzleMaker puzzle_maker();
  // Opens the level browser to play, on that level when one is given.
  void play_from_browser(const std::string& selected_file);
  // What the game opens as it starts: the level files it was given (the
  // desktop's "open with"), else the level browser on the player's very
  // first start, so that a newcomer meets the levels at once.
  void open_at_start(const QStringList& level_paths);
  // Level files dropped on the window, or given when the program starts.
  LevelDrop& level_drop() { return *level_drop_; }

  // Settings, as the settings file gives them and the options dialog
  // changes them.
  const Settings& settings() const { return settings_; }
  void set_live_settings(const Settings& r);  // the game reads them at once
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

  // What a key asks of the side panel, the editor's panel or the focus, done
  // as the mouse does it (a button pressed only when it is there and enabled).
  // False when the action is not the window's.
  bool perform(Action action, bool forward = true);

  // Where the window tells assistive technology what changed on it: to the
  // platform, unless a test listens instead.
  void set_accessibility_updates(std::function<void(QAccessibleEvent*)> handler);

  // The solver's help: a hint while playing, a check of the level edited.
  HintControl& hint() { return *hint_; }
  LevelCheckControl& level_check() { return *level_check_; }

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
  void build_solver_help();  // after the board, the side panel and the timers
  void sync_solver_help();
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
  void press(QAbstractButton* button);  // for a key, as a click would
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

  // Hover help. False when the widget is not a button of the side panel or
  // the editor panel.
  bool describe_button(QWidget* button);
  void describe_hovered(QWidget* widget);
  // Names, descriptions and tooltips of what can be clicked, in the language.
  void describe_for_assistive_technology();

  MainWindowServices services_;
  ArtBook art_;
  std::unique_ptr<WindowView> view_;
  std::unique_ptr<WindowSettings> settings_target_;
  Settings settings_;
  std::unique_ptr<Game> game_;
  // The last level made on demand: no file holds it, so a restart takes it from here.
  std::optional<MadePuzzle> made_level_;
  std::unique_ptr<Dialogs> standard_dialogs_;
  Dialogs* dialogs_ = nullptr;
  std::unique_ptr<DragController> drag_;
  std::function<void(QAccessibleEvent*)> accessibility_updates_;
  LevelDrop* level_drop_ = nullptr;
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
  PictureWidget* palette_strip_picture_ = nullptr;
  PictureWidget* side_panel_picture_ = nullptr;
  PictureWidget* welcome_picture_ = nullptr;
  PictureWidget* welcome_left_picture_ = nullptr;
  PictureWidget* welcome_right_picture_ = nullptr;
  FittedLabel* welcome_label_ = nullptr;
  PictureWidget* envelope_picture_ = nullptr;
  PictureWidget* explosion_picture_ = nullptr;
  FittedLabel* pause_label_ = nullptr;
  FittedLabel* title_label_ = nullptr;
  FittedLabel* time_caption_ = nullptr;
  FittedLabel* water_caption_ = nullptr;
  FittedLabel* score_caption_ = nullptr;
  QLineEdit* time_box_ = nullptr;
  QLineEdit* water_box_ = nullptr;
  QLineEdit* score_box_ = nullptr;
  QPushButton* play_button_ = nullptr;
  QPushButton* new_level_button_ = nullptr;
  QPushButton* options_button_ = nullptr;
  QPushButton* help_button_ = nullptr;
  FittedLabel* hover_text_label_ = nullptr;
  SpeechBubble* speech_bubble_ = nullptr;
  FittedLabel* message_label_ = nullptr;
  PictureWidget* restart_picture_ = nullptr;
  QWidget* editor_panel_ = nullptr;
  QPushButton* save_button_ = nullptr;
  QPushButton* load_for_edit_button_ = nullptr;
  std::vector<QLineEdit*> stock_boxes_;  // indexed by piece code; 0 unused
  QTimer* water_timer_ = nullptr;
  QTimer* countdown_timer_ = nullptr;
  QTimer* envelope_timer_ = nullptr;
  QTimer* music_timer_ = nullptr;
  QPushButton* hint_button_ = nullptr;
  QPushButton* check_button_ = nullptr;
  std::unique_ptr<HintControl> hint_;
  std::unique_ptr<LevelCheckControl> level_check_;
  std::unique_ptr<KeyboardInput> keys_;  // last: gone before the widgets it works on
};

}  // namespace drippo::ui
