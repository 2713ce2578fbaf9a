// Building the main window: every control in its place, in twips.
#include <QRegularExpressionValidator>

#include "ui/main/board_widget.h"
#include "ui/main/main_window.h"
#include "ui/main/palette_widget.h"
#include "ui/main/picture_widget.h"
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
  place(board_, picture1);
  connect(board_, &BoardWidget::cell_pressed, this, &MainWindow::on_cell_pressed);
  connect(board_, &BoardWidget::mouse_moved, this,
          [this](QPoint pos, Qt::KeyboardModifiers mods, Qt::MouseButtons) { on_board_mouse_moved(pos, mods); });
  connect(board_, &BoardWidget::mouse_released, this, &MainWindow::on_mouse_released);

  image3_ = new PictureWidget(art_, Art::Welcome, stage_);
  image3_->setObjectName("Image3");
  place(image3_, {0, -30, 9420, 5190});
  image3_->setCursor(Qt::ArrowCursor);
  image4_ = new PictureWidget(art_, Art::WelcomeLeft, stage_);
  image4_->setObjectName("Image4");
  place(image4_, {0, 5160, 1440, 1470});
  image5_ = new PictureWidget(art_, Art::WelcomeRight, stage_);
  image5_->setObjectName("Image5");
  place(image5_, {7800, 5160, 1440, 1470});
  accueil_ = add_label("accueil", welcome_text, QString(), welcome_font);
  accueil_->setAlignment(Qt::AlignCenter);
  show_welcome_or_congratulation(false);

  enveloppe_ = new PictureWidget(art_, Art::Envelope, stage_);
  enveloppe_->setObjectName("image_enveloppe");
  enveloppe_->setCursor(Qt::CrossCursor);
  connect(enveloppe_, &PictureWidget::clicked, this, [this] { on_help(true); });

  expl_ = new PictureWidget(art_, Art::Explosion, stage_);
  expl_->setObjectName("expl");
  expl_->setAttribute(Qt::WA_TransparentForMouseEvents);
  expl_->hide();

  labelpause_ = add_label("labelpause", {3840, 2760, 2295, 615}, "PAUSE", pause_font);
  labelpause_->setAlignment(Qt::AlignCenter);
  labelpause_->setStyleSheet("QLabel { color: #ffd400; font-weight: bold; }");
}

void MainWindow::build_palette() {
  auto* image2 = new PictureWidget(art_, Art::PaletteStrip, stage_);
  image2->setObjectName("Image2");
  place(image2, {0, 6600, 9390, 1260});

  std::vector<PaletteWidget::Entry> entries;
  int left = 120;
  for (int piece : strip_pieces) {
    entries.push_back({piece, {left, strip_picture_top - strip_area.top, 495, 540}});
    left += 720;
  }
  palette_ = new PaletteWidget(*game_, art_, entries, strip_area, true, stage_);
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
  auto* image1 = new PictureWidget(art_, Art::SidePanel, stage_);
  image1->setObjectName("Image1");
  place(image1, {9360, -480, 2595, 8340});
  image1->installEventFilter(this);
  image1->setMouseTracking(true);

  label19_ = add_label("Label19", title_sign, "Drippo", title_font);
  label19_->setAlignment(Qt::AlignCenter);
  label19_->setStyleSheet("QLabel { color: #8a3b12; font-weight: bold; }");
  label19_->installEventFilter(this);
  label19_->setMouseTracking(true);

  const QString caption_style = "QLabel { color: #13315c; font-weight: bold; }";
  label8_ = add_label("Label8", {9555, 840, 1320, 225}, QString(), small_font);
  label9_ = add_label("Label9", {9555, 1200, 1320, 225}, QString(), small_font);
  label10_ = add_label("Label10", {9555, 1560, 1320, 225}, QString(), small_font);
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

  bubble_ = new SpeechBubble(stage_);
  place(bubble_, speech_bubble);
  comment_ = add_label("comment", message_line, QString(), message_font);
  comment_->setAlignment(Qt::AlignCenter);
  comment_->setStyleSheet("QLabel { color: #13315c; font-weight: bold; }");

  command5_ = new PictureWidget(art_, Art::Plumber, stage_);
  command5_->setObjectName("command5");
  command5_->setMouseTracking(true);
  command5_->installEventFilter(this);
  place(command5_, {9960, 4740, 1425, 2100});
  connect(command5_, &PictureWidget::clicked, this, &MainWindow::on_restart);
}

void MainWindow::build_editor_panel() {
  outils_ = new QWidget(stage_);
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

void MainWindow::show_welcome_or_congratulation(bool congratulation) {
  congratulation_shown_ = congratulation;
  accueil_->setStyleSheet(congratulation ? "QLabel { color: #13315c; font-weight: bold; background: #f4fbff; "
                                           "border-top: 2px solid #7ec3e3; }"
                                         : "QLabel { color: #13315c; font-weight: bold; }");
  move_to(accueil_, congratulation ? congratulation_text : welcome_text);
}

void MainWindow::show_message(const QString& text) {
  const bool tall = text.contains(u'\n');
  if (tall != bubble_->tall()) {
    bubble_->set_tall(tall);
    comment_->setWordWrap(tall);
    move_to(comment_, tall ? long_message : message_line);
  }
  comment_->show_text(text);
}

}  // namespace drippo::ui
