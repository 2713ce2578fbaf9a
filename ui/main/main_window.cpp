#include "ui/main/main_window.h"

#include <QCloseEvent>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>

#include "storage/captions.h"
#include "ui/main/board_widget.h"
#include "ui/main/drag_controller.h"
#include "ui/main/palette_widget.h"
#include "ui/main/picture_widget.h"
#include "ui/main/speech_bubble.h"
#include "ui/main/standard_dialogs.h"
#include "ui/main/window_settings.h"
#include "ui/main/window_view.h"

namespace drippo::ui {

namespace {

// The window's client area, in twips.
constexpr int window_width = 11775;
constexpr int window_height = 7845;
// The board container, where the envelope bounces.
constexpr TwipRect picture1{0, 0, 9400, 6615};
constexpr TwipRect envelope_size{4560, 500, 1395, 690};

// The palette strip, left to right, and where its pictures stand.
constexpr int strip_pieces[] = {20, 1, 2, 3, 4, 5, 6, 11, 12, 9, 10, 7, 8, 13, 14, 15};
constexpr TwipRect strip_area{0, 6600, window_width, window_height - 6600};
constexpr int strip_picture_top = 6840;
constexpr int strip_count_top = 7440;
// The editor panel's goals and cat.
constexpr TwipRect outils_area{9360, 4440, 2415, 2100};
constexpr int editor_pieces[] = {16, 17, 18, 19};
constexpr int editor_lefts[] = {160, 720, 1280, 1830};

// Font sizes in pixels at 100 %.
constexpr double small_font = 11;
constexpr double message_font = 11;
constexpr double title_font = 30;
constexpr double welcome_font = 13;
constexpr double pause_font = 32;

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

MainWindow::MainWindow(MainWindowServices services, QWidget* parent)
    : QWidget(parent),
      services_(std::move(services)),
      envelope_(picture1.width, picture1.height, envelope_size.width, envelope_size.height) {
  setObjectName("Form1");
  setWindowTitle("Drippo");
  view_ = std::make_unique<WindowView>(*this, services_.audio);
  game_ = std::make_unique<Game>(*view_, services_.scores, services_.levels);
  standard_dialogs_ = std::make_unique<StandardDialogs>(*this);
  dialogs_ = standard_dialogs_.get();

  build_board_area();
  build_side_panel();
  build_palette();  // after the side panel: the strip's last pieces lie over it
  build_editor_panel();
  build_timers();
  build_undo();
  for (int t = 1; t <= nb_types; ++t) connect_stock_box(t);
  drag_ = std::make_unique<DragController>(*this, art_);

  // Start-up: the folders, then the settings, read and applied.
  settings_target_ = std::make_unique<WindowSettings>(*this);
  const std::vector<std::string> problems = demarrer_stockage(folder(), *settings_target_);
  if (!problems.empty()) {
    QTimer::singleShot(0, this, [this, problems] {
      for (const std::string& line : problems) questions().tell(this, QString::fromStdString(line));
    });
  }
  sync_from_game();

  // A size that suits the screen: most of it, keeping the design's proportions.
  const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                        : QRect(0, 0, 1280, 800);
  const double zoom = std::min(0.85 * screen.width() * twips_per_pixel / window_width,
                               0.85 * screen.height() * twips_per_pixel / window_height);
  resize(qRound(window_width / twips_per_pixel * zoom), qRound(window_height / twips_per_pixel * zoom));
  setMinimumSize(qRound(window_width / twips_per_pixel / 2), qRound(window_height / twips_per_pixel / 2));
}

MainWindow::~MainWindow() {
  // Nothing may reach the view while the widgets go away.
  for (QTimer* t : {timer_eau_, timer_rebour_, timer_enveloppe_, timer_ziq_}) t->stop();
}

void MainWindow::set_dialogs(Dialogs* dialogs) { dialogs_ = dialogs ? dialogs : standard_dialogs_.get(); }

void MainWindow::place(QWidget* widget, const TwipRect& where, double font_px) {
  placed_.push_back({widget, where, font_px});
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  relayout();
}

void MainWindow::relayout() {
  zoom_ = Zoom(std::min(width() * twips_per_pixel / window_width, height() * twips_per_pixel / window_height));
  board_->set_zoom(zoom_.factor());
  for (const Placed& p : placed_) {
    p.widget->setGeometry(zoom_.rect(p.where));
    if (p.font_px > 0) {
      QFont f = p.widget->font();
      f.setPixelSize(std::max(6, qRound(p.font_px * zoom_.factor())));
      p.widget->setFont(f);
    }
  }
  enveloppe_->setGeometry(zoom_.rect({envelope_.left(), envelope_.top(), envelope_size.width, envelope_size.height}));
}

QLabel* MainWindow::add_label(const QString& name, const TwipRect& where, const QString& text, double font_px) {
  auto* label = new QLabel(text, this);
  label->setObjectName(name);
  place(label, where, font_px);
  return label;
}

QLineEdit* MainWindow::add_box(const QString& name, const TwipRect& where, QWidget* parent) {
  auto* box = new QLineEdit(parent ? parent : this);
  box->setObjectName(name);
  // Counts, time and water are whole numbers: digits from the main keyboard
  // or the keypad; editing keys work as usual and other characters are refused.
  box->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), box));
  box->installEventFilter(this);
  box->setAlignment(Qt::AlignCenter);
  box->setFrame(false);
  box->setStyleSheet("QLineEdit { background: white; border: 1px solid #5b6b80; padding: 0px; }");
  place(box, where, small_font);
  return box;
}

QPushButton* MainWindow::add_picture_button(const QString& name, const TwipRect& where, Art art, QWidget* parent) {
  auto* button = new PictureButton(art_, art, parent ? parent : this);
  button->setObjectName(name);
  button->setMouseTracking(true);
  button->installEventFilter(this);
  place(button, where);
  return button;
}

void MainWindow::build_board_area() {
  board_ = new BoardWidget(*game_, art_, this);
  place(board_, picture1);
  connect(board_, &BoardWidget::cell_pressed, this, &MainWindow::on_cell_pressed);
  connect(board_, &BoardWidget::mouse_moved, this,
          [this](QPoint pos, Qt::KeyboardModifiers mods, Qt::MouseButtons) { on_board_mouse_moved(pos, mods); });
  connect(board_, &BoardWidget::mouse_released, this, &MainWindow::on_mouse_released);

  image3_ = new PictureWidget(art_, Art::Welcome, this);
  image3_->setObjectName("Image3");
  place(image3_, {0, -30, 9420, 5190});
  image3_->setCursor(Qt::ArrowCursor);
  image4_ = new PictureWidget(art_, Art::WelcomeLeft, this);
  image4_->setObjectName("Image4");
  place(image4_, {0, 5160, 1440, 1470});
  image5_ = new PictureWidget(art_, Art::WelcomeRight, this);
  image5_->setObjectName("Image5");
  place(image5_, {7800, 5160, 1440, 1470});
  accueil_ = add_label("accueil", {0, 5160, 9375, 1575}, QString(), welcome_font);
  accueil_->setAlignment(Qt::AlignCenter);
  accueil_->setStyleSheet("QLabel { color: #13315c; font-weight: bold; }");

  enveloppe_ = new PictureWidget(art_, Art::Envelope, this);
  enveloppe_->setObjectName("image_enveloppe");
  enveloppe_->setCursor(Qt::CrossCursor);
  connect(enveloppe_, &PictureWidget::clicked, this, [this] { on_help(true); });

  expl_ = new PictureWidget(art_, Art::Explosion, this);
  expl_->setObjectName("expl");
  expl_->setAttribute(Qt::WA_TransparentForMouseEvents);
  expl_->hide();

  labelpause_ = add_label("labelpause", {3840, 2760, 2295, 615}, "PAUSE", pause_font);
  labelpause_->setAlignment(Qt::AlignCenter);
  labelpause_->setStyleSheet("QLabel { color: #ffd400; font-weight: bold; }");
}

void MainWindow::build_palette() {
  auto* image2 = new PictureWidget(art_, Art::PaletteStrip, this);
  image2->setObjectName("Image2");
  place(image2, {0, 6600, 9390, 1260});

  std::vector<PaletteWidget::Entry> entries;
  int left = 120;
  for (int piece : strip_pieces) {
    entries.push_back({piece, {left, strip_picture_top - strip_area.top, 495, 540}});
    left += 720;
  }
  palette_ = new PaletteWidget(*game_, art_, entries, strip_area, true, this);
  palette_->setObjectName("objet");
  place(palette_, strip_area);
  connect(palette_, &PaletteWidget::piece_pressed, this, &MainWindow::on_palette_pressed);
  connect(palette_, &PaletteWidget::mouse_moved, this,
          [this](QPoint pos, Qt::KeyboardModifiers, Qt::MouseButtons) { on_drag_moved(pos); });
  connect(palette_, &PaletteWidget::mouse_released, this, &MainWindow::on_mouse_released);

  nombre_type_.assign(nb_types + 1, nullptr);
  left = 120;
  for (int piece : strip_pieces) {
    nombre_type_[static_cast<std::size_t>(piece)] =
        add_box(QString("nombre_type_%1").arg(piece), {left, strip_count_top, 495, 285});
    left += 720;
  }
}

void MainWindow::build_side_panel() {
  auto* image1 = new PictureWidget(art_, Art::SidePanel, this);
  image1->setObjectName("Image1");
  place(image1, {9360, -480, 2595, 8340});
  image1->installEventFilter(this);
  image1->setMouseTracking(true);

  label19_ = add_label("Label19", {9360, 120, 2415, 615}, "Drippo", title_font);
  label19_->setAlignment(Qt::AlignCenter);
  label19_->setStyleSheet("QLabel { color: #8a3b12; font-weight: bold; }");
  label19_->installEventFilter(this);
  label19_->setMouseTracking(true);

  const QString caption_style = "QLabel { color: #13315c; font-weight: bold; }";
  label8_ = add_label("Label8", {9555, 840, 1365, 225}, QString(), small_font);
  label9_ = add_label("Label9", {9555, 1200, 1365, 225}, QString(), small_font);
  label10_ = add_label("Label10", {9555, 1560, 1365, 225}, QString(), small_font);
  auto* label11 = add_label("Label11", {11445, 1560, 300, 225}, "%", small_font);
  for (QLabel* l : {label8_, label9_, label10_, label11}) l->setStyleSheet(caption_style);
  text_temps_ = add_box("text_temps", {10920, 840, 615, 225});
  text_eau_ = add_box("text_eau", {10920, 1200, 615, 225});
  texte_score_ = add_box("texte_score", {10920, 1560, 495, 225});
  texte_score_->setReadOnly(true);
  texte_score_->setValidator(nullptr);
  connect(text_temps_, &QLineEdit::textEdited, this, [this](const QString& t) { game_->edit_time(t.toStdString()); });
  connect(text_eau_, &QLineEdit::textEdited, this, [this](const QString& t) { game_->edit_water(t.toStdString()); });

  command1_ = add_picture_button("Command1", {9550, 2040, 975, 855}, Art::Flag);
  command2_ = add_picture_button("Command2", {10680, 2040, 975, 855}, Art::NewLevel);
  command7_ = add_picture_button("Command7", {9550, 3240, 975, 855}, Art::Options);
  command8_ = add_picture_button("Command8", {10680, 3240, 975, 855}, Art::Help);
  connect(command1_, &QPushButton::clicked, this, &MainWindow::on_play);
  connect(command2_, &QPushButton::clicked, this, &MainWindow::on_new_level);
  connect(command7_, &QPushButton::clicked, this, &MainWindow::on_options);
  connect(command8_, &QPushButton::clicked, this, [this] { on_help(false); });

  label_bouton_ = add_label("label_bouton", {9480, 2900, 2200, 375}, QString(), small_font);
  label_bouton_->setAlignment(Qt::AlignCenter);
  label_bouton_->setStyleSheet("QLabel { color: #13315c; font-weight: bold; }");

  bubble_ = new SpeechBubble(this);
  place(bubble_, {9450, 4200, 2295, 1095});
  comment_ = add_label("comment", {9480, 4320, 2175, 255}, QString(), message_font);
  comment_->setAlignment(Qt::AlignCenter);
  comment_->setStyleSheet("QLabel { color: #13315c; font-weight: bold; }");

  command5_ = new PictureWidget(art_, Art::Plumber, this);
  command5_->setObjectName("command5");
  command5_->setMouseTracking(true);
  command5_->installEventFilter(this);
  place(command5_, {9960, 4740, 1425, 2100});
  connect(command5_, &PictureWidget::clicked, this, &MainWindow::on_restart);
}

void MainWindow::build_editor_panel() {
  outils_ = new QWidget(this);
  outils_->setObjectName("outils");
  place(outils_, outils_area);
  command3_ = add_picture_button("Command3", {190, 120, 975, 855}, Art::Save, outils_);
  command4_ = add_picture_button("Command4", {1320, 120, 975, 855}, Art::LoadForEdit, outils_);
  connect(command3_, &QPushButton::clicked, this, &MainWindow::on_save);
  connect(command4_, &QPushButton::clicked, this, &MainWindow::on_load_for_editing);

  std::vector<PaletteWidget::Entry> entries;
  for (std::size_t k = 0; k < std::size(editor_pieces); ++k) {
    entries.push_back({editor_pieces[k], {editor_lefts[k], 1080 - 960, 495, 540}});
  }
  // The panel's palette spans its lower part; pictures sit 1080 twips down.
  const TwipRect area{0, 960, outils_area.width, outils_area.height - 960};
  editor_palette_ = new PaletteWidget(*game_, art_, entries, area, false, outils_);
  editor_palette_->setObjectName("objet_outils");
  place(editor_palette_, area);
  connect(editor_palette_, &PaletteWidget::piece_pressed, this, &MainWindow::on_palette_pressed);
  connect(editor_palette_, &PaletteWidget::mouse_moved, this,
          [this](QPoint pos, Qt::KeyboardModifiers, Qt::MouseButtons) { on_drag_moved(pos); });
  connect(editor_palette_, &PaletteWidget::mouse_released, this, &MainWindow::on_mouse_released);
  for (std::size_t k = 0; k < std::size(editor_pieces); ++k) {
    const int piece = editor_pieces[k];
    nombre_type_[static_cast<std::size_t>(piece)] =
        add_box(QString("nombre_type_%1").arg(piece), {editor_lefts[k], 1680, 495, 285}, outils_);
  }
}

void MainWindow::connect_stock_box(int piece) {
  QLineEdit* box = nombre_type_[static_cast<std::size_t>(piece)];
  connect(box, &QLineEdit::textEdited, this,
          [this, piece](const QString& t) { game_->edit_stock(piece, t.toStdString()); });
}

void MainWindow::build_undo() {
  auto shortcut = [this](QKeySequence keys, void (MainWindow::*act)()) {
    auto* s = new QShortcut(keys, this);
    s->setContext(Qt::WindowShortcut);
    connect(s, &QShortcut::activated, this, act);
  };
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), &MainWindow::on_undo);
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), &MainWindow::on_redo);
  shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &MainWindow::on_redo);
}

void MainWindow::on_undo() {
  if (game_->undo()) board_->update();
}

void MainWindow::on_redo() {
  if (game_->redo()) board_->update();
}

void MainWindow::build_timers() {
  auto make = [this](const char* name, int interval) {
    auto* t = new QTimer(this);
    t->setObjectName(name);
    t->setInterval(interval);
    return t;
  };
  timer_ziq_ = make("timer_ziq", 1000);
  timer_enveloppe_ = make("timer_enveloppe", 100);
  timer_rebour_ = make("timer_rebour", 1000);
  timer_eau_ = make("timer_eau", game_->difficulte());
  connect(timer_eau_, &QTimer::timeout, this, [this] { game_->timer_eau_Timer(); });
  connect(timer_rebour_, &QTimer::timeout, this, [this] { game_->timer_rebour_Timer(); });
  connect(timer_enveloppe_, &QTimer::timeout, this, &MainWindow::on_envelope_tick);
  connect(timer_ziq_, &QTimer::timeout, this, &MainWindow::on_music_tick);
  timer_ziq_->start();
  timer_enveloppe_->start();
}

void MainWindow::set_live_settings(const Reglages& r) {
  reglages_ = r;
  game_->set_langue(r.langue);
  game_->set_bruitages(r.bruitages == -1);
  game_->set_difficulte(r.difficulte);
}

void MainWindow::reread_settings() { lire_reglages(folder(), *settings_target_); }

void MainWindow::set_water_interval(int ms) { timer_eau_->setInterval(ms); }

void MainWindow::show_captions(const Captions& c) {
  label8_->setText(QString::fromStdString(c.label8));
  label9_->setText(QString::fromStdString(c.label9));
  label10_->setText(QString::fromStdString(c.label10));
  game_->set_accueil(c.accueil);
}

void MainWindow::next_track() {
  if (reglages_.musique == -1) services_.audio.next_track();
}

void MainWindow::show_text(Field field, const std::string& text) {
  switch (field) {
    case Field::Message:
      if (comment_) comment_->setText(qs(text));
      break;
    case Field::Time:
      if (text_temps_) text_temps_->setText(qs(text));
      break;
    case Field::Water:
      if (text_eau_) text_eau_->setText(qs(text));
      break;
    case Field::Score:
      if (texte_score_) texte_score_->setText(qs(text));
      break;
    case Field::Title: setWindowTitle(qs(text)); break;
    case Field::Welcome:
      // The welcome text separates its lines with carriage returns.
      if (accueil_) accueil_->setText(qs(text).replace('\r', '\n'));
      break;
  }
}

void MainWindow::show_stock(int piece, const std::string& text) {
  if (piece < 1 || piece > nb_types || nombre_type_.empty()) return;
  if (QLineEdit* box = nombre_type_[static_cast<std::size_t>(piece)]) box->setText(qs(text));
}

void MainWindow::show_explosion(int cell) {
  // Three cells across, from the bomb's upper-left neighbour.
  const TwipRect where{(cell % nb_colonnes) * 495 - 495, (cell / nb_colonnes) * 540 - 540, 1485, 1620};
  expl_->setGeometry(zoom_.rect(where));
  expl_->raise();
  expl_->show();
}

void MainWindow::hide_explosion() { expl_->hide(); }

void MainWindow::sync_from_game() {
  if (!board_ || !outils_ || nombre_type_.empty()) return;
  const Game& g = *game_;
  image3_->setVisible(g.image3_shown());
  image4_->setVisible(g.side_pictures_shown());
  image5_->setVisible(g.side_pictures_shown());
  accueil_->setVisible(g.accueil_shown());
  enveloppe_->setVisible(g.envelope_shown());
  if (g.envelope_starts() != envelope_starts_seen_) {
    envelope_starts_seen_ = g.envelope_starts();
    envelope_.start();
    relayout();
  }
  enveloppe_->raise();
  labelpause_->setVisible(g.en_pause());
  if (cells_shown_ != g.cells_shown()) {
    cells_shown_ = g.cells_shown();
    board_->update();
  }
  bubble_->setVisible(g.playing_set_shown());
  comment_->setVisible(g.playing_set_shown());
  command5_->setVisible(g.playing_set_shown());
  outils_->setVisible(g.editing_set_shown());
  command3_->setEnabled(g.mode_edition());
  command4_->setEnabled(g.mode_edition());
  for (int t = 1; t <= nb_types; ++t) {
    if (QLineEdit* box = nombre_type_[static_cast<std::size_t>(t)]) box->setReadOnly(g.fields_locked());
  }
  text_temps_->setReadOnly(g.fields_locked());
  text_eau_->setReadOnly(g.fields_locked());
  QPalette pal = text_temps_->palette();
  pal.setColor(QPalette::Text, g.time_is_red() ? QColor(255, 0, 0) : QColor(0, 0, 0));
  text_temps_->setPalette(pal);
  text_temps_->setStyleSheet(QString("QLineEdit { background: white; border: 1px solid #5b6b80; color: %1; }")
                                 .arg(g.time_is_red() ? "#ff0000" : "#000000"));
  palette_->update();
  sync_timers();
}

void MainWindow::sync_timers() {
  auto follow = [](QTimer* timer, bool enabled) {
    if (enabled && !timer->isActive()) timer->start();
    if (!enabled && timer->isActive()) timer->stop();
  };
  follow(timer_eau_, game_->timer_eau_enabled());
  follow(timer_rebour_, game_->timer_rebour_enabled());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Closing ends the program at once: nothing is asked and nothing saved.
  for (QTimer* t : {timer_eau_, timer_rebour_, timer_enveloppe_, timer_ziq_}) t->stop();
  event->accept();
}

}  // namespace drippo::ui
