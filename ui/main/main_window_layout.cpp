// Building the main window: every control in its place, in twips.
#include <QAccessible>
#include <QRegularExpressionValidator>

#include "ui/main/board_widget.h"
#include "ui/main/main_window.h"
#include "ui/main/palette_widget.h"
#include "ui/common/picture_widget.h"
#include "ui/main/speech_bubble.h"
#include "ui/main/window_layout.h"

namespace drippo::ui {

using namespace layout;

FittedLabel* MainWindow::add_label(const QString& name, const TwipRect& where, const QString& text,
                                   double font_px) {
  auto* label = new FittedLabel(text, stage_);
  label->setObjectName(name);
  place(label, where, font_px);
  return label;
}

QLineEdit* MainWindow::add_box(const QString& name, const TwipRect& where, QWidget* parent) {
  auto* box = new QLineEdit(parent ? parent : stage_);
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
  auto* button = new PictureButton(art_, art, parent ? parent : stage_);
  button->setObjectName(name);
  button->setMouseTracking(true);
  button->installEventFilter(this);
  place(button, where);
  return button;
}

void MainWindow::build_board_area() {
  board_ = new BoardWidget(*game_, art_, stage_);
  place(board_, board_area);
  connect(board_, &BoardWidget::cell_pressed, this, &MainWindow::on_cell_pressed);
  connect(board_, &BoardWidget::mouse_moved, this,
          [this](QPoint pos, Qt::KeyboardModifiers mods, Qt::MouseButtons) { on_board_mouse_moved(pos, mods); });
  connect(board_, &BoardWidget::mouse_released, this, &MainWindow::on_mouse_released);

  welcome_picture_ = new PictureWidget(art_, Art::Welcome, stage_);
  welcome_picture_->setObjectName("Image3");
  place(welcome_picture_, {0, -30, 9420, 5190});
  welcome_picture_->setCursor(Qt::ArrowCursor);
  welcome_left_picture_ = new PictureWidget(art_, Art::WelcomeLeft, stage_);
  welcome_left_picture_->setObjectName("Image4");
  place(welcome_left_picture_, {0, 5160, 1440, 1470});
  welcome_right_picture_ = new PictureWidget(art_, Art::WelcomeRight, stage_);
  welcome_right_picture_->setObjectName("Image5");
  place(welcome_right_picture_, {7800, 5160, 1440, 1470});
  welcome_label_ = add_label("accueil", welcome_text, QString(), welcome_font);
  welcome_label_->setAlignment(Qt::AlignCenter);
  show_welcome_or_congratulation(false);

  envelope_picture_ = new PictureWidget(art_, Art::Envelope, stage_);
  envelope_picture_->setObjectName("image_enveloppe");
  envelope_picture_->setCursor(Qt::CrossCursor);
  connect(envelope_picture_, &PictureWidget::clicked, this, [this] { on_help(true); });

  explosion_picture_ = new PictureWidget(art_, Art::Explosion, stage_);
  explosion_picture_->setObjectName("expl");
  explosion_picture_->setAttribute(Qt::WA_TransparentForMouseEvents);
  explosion_picture_->hide();

  pause_label_ = add_label("labelpause", {3840, 2760, 2295, 615}, "PAUSE", pause_font);
  pause_label_->setAlignment(Qt::AlignCenter);
  pause_label_->setStyleSheet("QLabel { color: #ffd400; font-weight: bold; }");
}

void MainWindow::build_palette() {
  palette_strip_picture_ = new PictureWidget(art_, Art::PaletteStrip, stage_);
  palette_strip_picture_->setObjectName("Image2");
  place(palette_strip_picture_, {0, 6600, 9390, 1260});

  std::vector<PaletteWidget::Entry> entries;
  int left = 120;
  for (int piece : strip_pieces) {
    entries.push_back({piece, {left, strip_picture_top - strip_area.top, cell_width, cell_height}});
    left += 720;
  }
  palette_ = new PaletteWidget(*game_, art_, entries, strip_area, true, stage_);
  palette_->setObjectName("objet");
  place(palette_, strip_area);
  connect(palette_, &PaletteWidget::piece_pressed, this, &MainWindow::on_palette_pressed);
  connect(palette_, &PaletteWidget::mouse_moved, this,
          [this](QPoint pos, Qt::KeyboardModifiers, Qt::MouseButtons) { on_drag_moved(pos); });
  connect(palette_, &PaletteWidget::mouse_released, this, &MainWindow::on_mouse_released);

  stock_boxes_.assign(nb_types + 1, nullptr);
  left = 120;
  for (int piece : strip_pieces) {
    stock_boxes_[static_cast<std::size_t>(piece)] =
        add_box(QString("nombre_type_%1").arg(piece), {left, strip_count_top, cell_width, 285});
    left += 720;
  }
}

void MainWindow::build_side_panel() {
  side_panel_picture_ = new PictureWidget(art_, Art::SidePanel, stage_);
  side_panel_picture_->setObjectName("Image1");
  place(side_panel_picture_, {9360, -480, 2595, 8340});
  side_panel_picture_->installEventFilter(this);
  side_panel_picture_->setMouseTracking(true);

  title_label_ = add_label("Label19", title_sign, "Drippo", title_font);
  title_label_->setAlignment(Qt::AlignCenter);
  title_label_->setStyleSheet("QLabel { color: #8a3b12; font-weight: bold; }");
  title_label_->installEventFilter(this);
  title_label_->setMouseTracking(true);

  const QString caption_style = "QLabel { color: #13315c; font-weight: bold; }";
  time_caption_ = add_label("Label8", {9555, 840, 1320, 225}, QString(), small_font);
  water_caption_ = add_label("Label9", {9555, 1200, 1320, 225}, QString(), small_font);
  score_caption_ = add_label("Label10", {9555, 1560, 1320, 225}, QString(), small_font);
  auto* percent_label = add_label("Label11", {11445, 1560, 300, 225}, "%", small_font);
  for (QLabel* l : {time_caption_, water_caption_, score_caption_, percent_label}) l->setStyleSheet(caption_style);
  time_box_ = add_box("text_temps", {10920, 840, 615, 225});
  water_box_ = add_box("text_eau", {10920, 1200, 615, 225});
  score_box_ = add_box("texte_score", {10920, 1560, 495, 225});
  score_box_->setReadOnly(true);
  score_box_->setValidator(nullptr);
  connect(time_box_, &QLineEdit::textEdited, this, [this](const QString& t) { game_->editor().edit_time(t.toStdString()); });
  connect(water_box_, &QLineEdit::textEdited, this, [this](const QString& t) { game_->editor().edit_water(t.toStdString()); });

  play_button_ = add_picture_button("Command1", {9550, 2040, 975, 855}, Art::Flag);
  new_level_button_ = add_picture_button("Command2", {10680, 2040, 975, 855}, Art::NewLevel);
  options_button_ = add_picture_button("Command7", {9550, 3240, 975, 855}, Art::Options);
  help_button_ = add_picture_button("Command8", {10680, 3240, 975, 855}, Art::Help);
  connect(play_button_, &QPushButton::clicked, this, &MainWindow::on_play);
  connect(new_level_button_, &QPushButton::clicked, this, &MainWindow::on_new_level);
  connect(options_button_, &QPushButton::clicked, this, &MainWindow::on_options);
  connect(help_button_, &QPushButton::clicked, this, [this] { on_help(false); });

  hover_text_label_ = add_label("label_bouton", {9480, 2900, 2200, 375}, QString(), small_font);
  hover_text_label_->setAlignment(Qt::AlignCenter);
  hover_text_label_->setStyleSheet("QLabel { color: #13315c; font-weight: bold; }");

  speech_bubble_ = new SpeechBubble(stage_);
  place(speech_bubble_, speech_bubble);
  message_label_ = add_label("comment", message_line, QString(), message_font);
  message_label_->setAlignment(Qt::AlignCenter);
  message_label_->setStyleSheet("QLabel { color: #13315c; font-weight: bold; }");

  restart_picture_ = new PictureWidget(art_, Art::Plumber, stage_);
  restart_picture_->setObjectName("command5");
  restart_picture_->setMouseTracking(true);
  restart_picture_->installEventFilter(this);
  place(restart_picture_, {9960, 4740, 1425, 2100});
  connect(restart_picture_, &PictureWidget::clicked, this, &MainWindow::on_restart);
}

void MainWindow::build_editor_panel() {
  editor_panel_ = new QWidget(stage_);
  editor_panel_->setObjectName("outils");
  place(editor_panel_, editor_panel_area);
  save_button_ = add_picture_button("Command3", {190, 120, 975, 855}, Art::Save, editor_panel_);
  load_for_edit_button_ = add_picture_button("Command4", {1320, 120, 975, 855}, Art::LoadForEdit, editor_panel_);
  connect(save_button_, &QPushButton::clicked, this, &MainWindow::on_save);
  connect(load_for_edit_button_, &QPushButton::clicked, this, &MainWindow::on_load_for_editing);

  std::vector<PaletteWidget::Entry> entries;
  for (std::size_t k = 0; k < std::size(editor_pieces); ++k) {
    entries.push_back({editor_pieces[k], {editor_lefts[k], 1080 - 960, cell_width, cell_height}});
  }
  // The panel's palette spans its lower part; pictures sit 1080 twips down.
  const TwipRect area{0, 960, editor_panel_area.width, editor_panel_area.height - 960};
  editor_palette_ = new PaletteWidget(*game_, art_, entries, area, false, editor_panel_);
  editor_palette_->setObjectName("objet_outils");
  place(editor_palette_, area);
  connect(editor_palette_, &PaletteWidget::piece_pressed, this, &MainWindow::on_palette_pressed);
  connect(editor_palette_, &PaletteWidget::mouse_moved, this,
          [this](QPoint pos, Qt::KeyboardModifiers, Qt::MouseButtons) { on_drag_moved(pos); });
  connect(editor_palette_, &PaletteWidget::mouse_released, this, &MainWindow::on_mouse_released);
  for (std::size_t k = 0; k < std::size(editor_pieces); ++k) {
    const int piece = editor_pieces[k];
    stock_boxes_[static_cast<std::size_t>(piece)] =
        add_box(QString("nombre_type_%1").arg(piece), {editor_lefts[k], 1680, cell_width, 285}, editor_panel_);
  }
}

void MainWindow::show_welcome_or_congratulation(bool congratulation) {
  congratulation_shown_ = congratulation;
  welcome_label_->setStyleSheet(congratulation ? "QLabel { color: #13315c; font-weight: bold; background: #f4fbff; "
                                           "border-top: 2px solid #7ec3e3; }"
                                         : "QLabel { color: #13315c; font-weight: bold; }");
  move_to(welcome_label_, congratulation ? congratulation_text : welcome_text);
}

void MainWindow::show_message(const QString& text) {
  const bool tall = text.contains(u'\n');
  if (tall != speech_bubble_->tall()) {
    speech_bubble_->set_tall(tall);
    message_label_->setWordWrap(tall);
    move_to(message_label_, tall ? long_message : message_line);
  }
  message_label_->show_text(text);
  // Said aloud by a screen reader: the countdown, the outcome, a goal's drops.
  QAccessibleEvent event(message_label_, QAccessible::NameChanged);
  accessibility_updates_(&event);
}

}  // namespace drippo::ui
