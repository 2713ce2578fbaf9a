#include "ui/main/main_window.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>

#include "storage/captions.h"
#include "ui/common/key_actions.h"
#include "ui/dialogs/level_browser.h"
#include "ui/main/board_widget.h"
#include "ui/main/drag_controller.h"
#include "ui/main/hint_control.h"
#include "ui/main/level_check_control.h"
#include "ui/main/keyboard_input.h"
#include "ui/main/level_drop.h"
#include "ui/main/palette_widget.h"
#include "ui/common/picture_widget.h"
#include "ui/main/speech_bubble.h"
#include "ui/main/standard_dialogs.h"
#include "ui/main/window_layout.h"
#include "ui/main/window_settings.h"
#include "ui/main/window_view.h"

namespace drippo::ui {

using namespace layout;

namespace {
QString qs(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

MainWindow::MainWindow(MainWindowServices services, QWidget* parent)
    : QWidget(parent),
      services_(std::move(services)),
      envelope_(board_area.width, board_area.height, envelope.width, envelope.height) {
  setObjectName("Form1");
  setWindowTitle("Drippo");
  accessibility_updates_ = [](QAccessibleEvent* event) { QAccessible::updateAccessibility(event); };
  view_ = std::make_unique<WindowView>(*this, services_.audio);
  game_ = std::make_unique<Game>(*view_, services_.scores, services_.levels);
  standard_dialogs_ = std::make_unique<StandardDialogs>(*this);
  dialogs_ = standard_dialogs_.get();

  stage_ = new QWidget(this);
  stage_->setObjectName("stage");
  build_board_area();
  build_side_panel();
  build_palette();  // after the side panel: the strip's last pieces lie over it
  build_editor_panel();
  build_timers();
  build_undo();
  build_solver_help();
  for (int t = 1; t <= nb_types; ++t) connect_stock_box(t);
  drag_ = std::make_unique<DragController>(*this, art_);
  level_drop_ = accept_level_drops(*this);

  // Start-up: the folders, then the settings, read and applied.
  settings_target_ = std::make_unique<WindowSettings>(*this);
  const std::vector<std::string> problems = start_storage(folder(), *settings_target_);
  if (!problems.empty()) {
    QTimer::singleShot(0, this, [this, problems] {
      for (const std::string& line : problems) questions().tell(this, QString::fromStdString(line));
    });
  }
  sync_from_game();
  keys_ = std::make_unique<KeyboardInput>(*this);

  // A size that suits the screen: most of it, keeping the design's proportions.
  const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                        : QRect(0, 0, 1280, 800);
  const double zoom = std::min(0.85 * screen.width() * twips_per_pixel / window_width,
                               0.85 * screen.height() * twips_per_pixel / window_height);
  // Smaller than the design's own size, the smallest captions would no longer read.
  setMinimumSize(qRound(window_width / twips_per_pixel), qRound(window_height / twips_per_pixel));
  resize(qRound(window_width / twips_per_pixel * zoom), qRound(window_height / twips_per_pixel * zoom));
}

MainWindow::~MainWindow() {
  // Nothing may reach the view while the widgets go away.
  for (QTimer* t : {water_timer_, countdown_timer_, envelope_timer_, music_timer_}) t->stop();
}

void MainWindow::set_dialogs(Dialogs* dialogs) { dialogs_ = dialogs ? dialogs : standard_dialogs_.get(); }

void MainWindow::set_accessibility_updates(std::function<void(QAccessibleEvent*)> handler) {
  accessibility_updates_ = std::move(handler);
}

void MainWindow::place(QWidget* widget, const TwipRect& where, double font_px) {
  placed_.push_back({widget, where, font_px});
}

void MainWindow::move_to(QWidget* widget, const TwipRect& where) {
  for (Placed& p : placed_) {
    if (p.widget != widget) continue;
    p.where = where;
    lay_out(p.widget, p.where, p.font_px);
  }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  relayout();
}

void MainWindow::paintEvent(QPaintEvent*) {
  // Around the game, where the window is wider or taller than the game's
  // proportions, the wall of the side panel goes on.
  QPainter p(this);
  QLinearGradient wall(0, 0, 0, height());
  wall.setColorAt(0, QColor(0xbf, 0xe6, 0xfb));
  wall.setColorAt(1, QColor(0xe8, 0xf7, 0xff));
  p.fillRect(rect(), wall);
}

void MainWindow::relayout() {
  zoom_ = Zoom(std::min(width() * twips_per_pixel / window_width, height() * twips_per_pixel / window_height));
  const QSize stage(qRound(zoom_.px(window_width)), qRound(zoom_.px(window_height)));
  stage_->setGeometry(QRect(QPoint((width() - stage.width()) / 2, (height() - stage.height()) / 2), stage));
  board_->set_zoom(zoom_.factor());
  for (const Placed& p : placed_) lay_out(p.widget, p.where, p.font_px);
  envelope_picture_->setGeometry(zoom_.rect({envelope_.left(), envelope_.top(), envelope.width, envelope.height}));
}

void MainWindow::lay_out(QWidget* widget, const TwipRect& where, double font_px) {
  widget->setGeometry(zoom_.rect(where));
  if (font_px <= 0) return;
  if (auto* label = qobject_cast<FittedLabel*>(widget)) {
    label->set_font_px(font_px * zoom_.factor());
    return;
  }
  QFont f = widget->font();
  f.setPixelSize(std::max(6, qRound(font_px * zoom_.factor())));
  widget->setFont(f);
}

void MainWindow::connect_stock_box(int piece) {
  QLineEdit* box = stock_boxes_[static_cast<std::size_t>(piece)];
  connect(box, &QLineEdit::textEdited, this,
          [this, piece](const QString& t) { game_->editor().edit_stock(piece, t.toStdString()); });
}

void MainWindow::build_undo() {
  auto shortcut = [this](Action action, void (MainWindow::*act)()) {
    for (QKeyCombination keys : key_combinations(action)) {
      auto* s = new QShortcut(QKeySequence(keys), this);
      s->setContext(Qt::WindowShortcut);
      connect(s, &QShortcut::activated, this, act);
    }
  };
  shortcut(Action::Undo, &MainWindow::on_undo);
  shortcut(Action::Redo, &MainWindow::on_redo);
}

void MainWindow::on_undo() {
  if (game_->editor().undo()) board_->update();
}

void MainWindow::on_redo() {
  if (game_->editor().redo()) board_->update();
}

void MainWindow::build_timers() {
  auto make = [this](const char* name, int interval) {
    auto* t = new QTimer(this);
    t->setObjectName(name);
    t->setInterval(interval);
    return t;
  };
  music_timer_ = make("timer_ziq", 1000);
  envelope_timer_ = make("timer_enveloppe", 100);
  countdown_timer_ = make("timer_rebour", 1000);
  water_timer_ = make("timer_eau", game_->settings().difficulte);
  connect(water_timer_, &QTimer::timeout, this, [this] { game_->timer_eau_Timer(); });
  connect(countdown_timer_, &QTimer::timeout, this, [this] { game_->play().timer_rebour_Timer(); });
  connect(envelope_timer_, &QTimer::timeout, this, &MainWindow::on_envelope_tick);
  connect(music_timer_, &QTimer::timeout, this, &MainWindow::on_music_tick);
  music_timer_->start();
  envelope_timer_->start();
}

void MainWindow::set_live_settings(const Settings& r) {
  settings_ = r;
  game_->settings().langue = r.langue;
  game_->settings().bruitages = r.bruitages == -1;
  game_->settings().difficulte = r.difficulte;
  services_.audio.set_music_on(r.musique == -1);
}

void MainWindow::reread_settings() { lire_reglages(folder(), *settings_target_); }

void MainWindow::set_water_interval(int ms) { water_timer_->setInterval(ms); }

void MainWindow::show_captions(const Captions& c) {
  time_caption_->show_text(QString::fromStdString(c.label8));
  water_caption_->show_text(QString::fromStdString(c.label9));
  score_caption_->show_text(QString::fromStdString(c.label10));
  game_->window().set_accueil(c.accueil);
  describe_for_assistive_technology();
}

void MainWindow::next_track() { services_.audio.next_track(); }

void MainWindow::show_text(Field field, const std::string& text) {
  switch (field) {
    case Field::Message:
      if (message_label_) show_message(qs(text));
      break;
    case Field::Time:
      if (time_box_) time_box_->setText(qs(text));
      break;
    case Field::Water:
      if (water_box_) water_box_->setText(qs(text));
      break;
    case Field::Score:
      if (score_box_) score_box_->setText(qs(text));
      break;
    case Field::Title: setWindowTitle(shown_file_name(text)); break;  // the file name's bytes, readable
    case Field::Welcome:
      // The welcome text separates its lines with carriage returns.
      if (welcome_label_) welcome_label_->show_text(qs(text).replace('\r', '\n'));
      break;
  }
}

void MainWindow::show_stock(int piece, const std::string& text) {
  if (piece < 1 || piece > nb_types || stock_boxes_.empty()) return;
  if (QLineEdit* box = stock_boxes_[static_cast<std::size_t>(piece)]) box->setText(qs(text));
}

void MainWindow::show_explosion(int cell) {
  // Three cells across, from the bomb's upper-left neighbour.
  const TwipRect where{(cell % nb_colonnes - 1) * cell_width, (cell / nb_colonnes - 1) * cell_height, 3 * cell_width,
                       3 * cell_height};
  explosion_picture_->setGeometry(zoom_.rect(where));
  explosion_picture_->raise();
  explosion_picture_->show();
}

void MainWindow::hide_explosion() { explosion_picture_->hide(); }

void MainWindow::sync_from_game() {
  if (!board_ || !editor_panel_ || stock_boxes_.empty()) return;
  const Game& g = *game_;
  welcome_picture_->setVisible(g.window().image3_shown());
  welcome_left_picture_->setVisible(g.window().side_pictures_shown());
  welcome_right_picture_->setVisible(g.window().side_pictures_shown());
  welcome_label_->setVisible(g.window().accueil_shown());
  // Only the congratulation shows the welcome text without its side pictures.
  const bool congratulation = g.window().accueil_shown() && !g.window().side_pictures_shown();
  if (congratulation != congratulation_shown_) show_welcome_or_congratulation(congratulation);
  envelope_picture_->setVisible(g.window().envelope_shown());
  if (g.window().envelope_starts() != envelope_starts_seen_) {
    envelope_starts_seen_ = g.window().envelope_starts();
    envelope_.start();
    relayout();
  }
  envelope_picture_->raise();
  pause_label_->setVisible(g.play().en_pause());
  if (cells_shown_ != g.window().cells_shown()) {
    cells_shown_ = g.window().cells_shown();
    board_->update();
  }
  speech_bubble_->setVisible(g.window().playing_set_shown());
  message_label_->setVisible(g.window().playing_set_shown());
  restart_picture_->setVisible(g.window().playing_set_shown());
  editor_panel_->setVisible(g.window().editing_set_shown());
  save_button_->setEnabled(g.table().mode_edition());
  load_for_edit_button_->setEnabled(g.table().mode_edition());
  for (int t = 1; t <= nb_types; ++t) {
    if (QLineEdit* box = stock_boxes_[static_cast<std::size_t>(t)]) box->setReadOnly(g.editor().fields_locked());
  }
  time_box_->setReadOnly(g.editor().fields_locked());
  water_box_->setReadOnly(g.editor().fields_locked());
  if (time_red_ != g.play().time_is_red()) {
    time_red_ = g.play().time_is_red();
    time_box_->setStyleSheet(QString("QLineEdit { background: white; border: 1px solid #5b6b80; color: %1; }")
                                   .arg(time_red_ ? "#ff0000" : "#000000"));
  }
  palette_->update();
  sync_timers();
  sync_solver_help();
}

void MainWindow::sync_timers() {
  auto follow = [](QTimer* timer, bool enabled) {
    if (enabled && !timer->isActive()) timer->start();
    if (!enabled && timer->isActive()) timer->stop();
  };
  follow(water_timer_, game_->water().running());
  follow(countdown_timer_, game_->play().timer_rebour_enabled());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Closing ends the program at once: nothing is asked and nothing saved.
  for (QTimer* t : {water_timer_, countdown_timer_, envelope_timer_, music_timer_}) t->stop();
  hint_->cancel();
  level_check_->cancel();
  event->accept();
}

}  // namespace drippo::ui
