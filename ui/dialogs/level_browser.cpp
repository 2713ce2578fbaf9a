#include "ui/dialogs/level_browser.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "storage/cp1252.h"
#include "storage/file_access.h"
#include "storage/level_catalogue.h"
#include "storage/level_procedures.h"
#include "storage/hint_marks.h"
#include "storage/score_file.h"
#include "ui/dialogs/fitting_font.h"
#include "ui/dialogs/solver_texts.h"
#include "ui/common/key_actions.h"
#include "ui/common/picture_widget.h"
#include "ui/common/twips.h"

namespace drippo::ui {

namespace {

constexpr TwipRect dialog_size{0, 0, 7305, 4995};

struct Caption {
  const char* french;
  const char* english;
};

// Any langue other than 0 and 1 keeps the French of the window's design.
QString pick(std::int16_t langue, const Caption& c) {
  return QString::fromUtf8(langue == 1 ? c.english : c.french);
}

// The lists' bytes are the file's own: the name a player's system gave it.
constexpr int file_bytes_role = Qt::UserRole;

// Whether the level stands at 100, as the congratulation counts it. Read
// without lire_score, which would leave an empty score file for every level
// listed.
bool won_in_full(const ProgramFolder& folder, const std::string& file_name) {
  const auto path = score_path(folder, file_name);
  if (!path) return false;
  const auto bytes = read_file_part(*path, 0, slot_size);
  return bytes.ok() && score_text(stored_score(bytes.value())) == "100";
}

// Where the blue of the right-hand panel ends, inside its frame.
constexpr int panel_inside_right = 7080;

// The design's captions were measured in Arial, and the right-hand ones run
// onto the panel's frame even there: in a wider stand-in they shrink until
// each ends within its box and before right_edge (in pixels). Captions that
// go together keep one size.
template <class Widget>
void fit_texts(const std::vector<Widget*>& widgets, int right_edge, int padding) {
  QStringList texts;
  int shown = right_edge;
  for (Widget* w : widgets) {
    texts << w->text();
    shown = std::min(shown, std::min(w->geometry().right() + 1, right_edge) - w->x() - padding);
  }
  QFont f = widgets.front()->font();
  const int px = fitting_pixel_size(f, f.pixelSize(), std::max(6, f.pixelSize() / 2), texts, shown);
  for (Widget* w : widgets) {
    f = w->font();
    f.setPixelSize(px);
    w->setFont(f);
  }
}

// A hidden spot on the workman.
class HotSpot : public QWidget {
 public:
  HotSpot(QWidget* parent, std::function<void()> on_click) : QWidget(parent), on_click_(std::move(on_click)) {}

 protected:
  void mouseReleaseEvent(QMouseEvent*) override { on_click_(); }

 private:
  std::function<void()> on_click_;
};

// An oval outline, for the speech bubble around the list's title.
class Oval : public QWidget {
 public:
  explicit Oval(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 40, 60), 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
};

}  // namespace

LevelBrowser::LevelBrowser(Host host, QWidget* parent) : QDialog(parent), host_(std::move(host)) {
  setObjectName("Form3");
  setWindowTitle(QString());
  setModal(true);
  const Zoom zoom(host_.zoom);
  setFixedSize(zoom.rect(dialog_size).size());
  setStyleSheet("QDialog { background: white; }");
  const int font_px = std::max(8, qRound(13 * zoom.factor()));
  auto at = [&](QWidget* w, TwipRect r) { w->setGeometry(zoom.rect(r)); };

  auto* workman_picture = new PictureWidget(host_.art, Art::BrowserWorkman, this);
  workman_picture->setObjectName("Image1");
  at(workman_picture, {0, 0, 4800, 5010});
  auto* panel_picture = new PictureWidget(host_.art, Art::BrowserPanel, this);
  panel_picture->setObjectName("Image2");
  at(panel_picture, {4800, 1020, 2520, 3975});
  for (TwipRect r : {TwipRect{2640, 120, 3975, 735}, TwipRect{2040, 600, 255, 255}, TwipRect{1560, 840, 135, 135}}) {
    at(new Oval(this), r);
  }

  const std::int16_t langue = host_.langue;
  QFont bold = arial_font();
  bold.setPixelSize(font_px);
  bold.setBold(true);
  const int panel_inside = qRound(zoom.px(panel_inside_right));
  auto label = [&](const char* name, TwipRect r, const QString& text, const char* colour) {
    auto* l = new QLabel(text, this);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setFont(bold);
    l->setStyleSheet(QString("QLabel { color: %1; background: transparent; }").arg(colour));
    at(l, r);
    return l;
  };
  heading_label_ = label("Label1", {2760, 360, 3735, 255}, pick(langue, {"Tableaux disponibles :", "Available levels :"}),
                  "black");
  fit_texts<QLabel>({heading_label_}, width(), 1);
  fit_texts<QLabel>(
      {label("Label2", {5280, 1560, 2295, 255}, pick(langue, {"Auteur du tableau :", "Level's author :"}), "#ffd400"),
       label("Label4", {5280, 2280, 2535, 255}, pick(langue, {"Score du tableau (%):", "Level's score (%):"}),
             "#ffd400")},
      panel_inside, 1);
  auto box = [&](const char* name, TwipRect r) {
    auto* l = new QLabel(this);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);  // an author is whatever a file holds
    QFont f = font();
    f.setPixelSize(font_px);
    l->setFont(f);
    l->setStyleSheet("QLabel { background: white; color: black; border: 1px solid black; padding-left: 2px; }");
    at(l, r);
    return l;
  };
  author_label_ = box("Label3", {5280, 1920, 1935, 255});
  score_label_ = box("Label5", {5280, 2640, 1935, 255});

  level_list_ = new QListWidget(this);
  level_list_->setObjectName("File1");
  QFont list_font = font();
  list_font.setPixelSize(font_px);
  level_list_->setFont(list_font);
  level_list_->setIconSize(QSize(font_px, font_px));
  at(level_list_, {1440, 1680, 2655, 3150});

  auto button = [&](const char* name, TwipRect r, const QString& text) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    QFont f = arial_font();
    f.setPixelSize(font_px);
    b->setFont(f);
    at(b, r);
    return b;
  };
  auto* reset_score_button = button("Command4", {5280, 3000, 1935, 375}, pick(langue, {"Stat de ce tab à 0", "Reset level's score"}));
  auto* delete_button = button("Command3", {5280, 3480, 1935, 375}, pick(langue, {"Effacer ce tableau", "Delete level"}));
  fit_texts<QPushButton>({delete_button, reset_score_button}, width(), 8);
  auto* close_button = new PictureButton(host_.art, Art::Cross, this);
  close_button->setObjectName("Command2");
  at(close_button, {5280, 4080, 855, 735});
  auto* load_button = new PictureButton(host_.art, Art::CheckMark, this);
  load_button->setObjectName("Command1");
  at(load_button, {6360, 4080, 855, 735});

  // A level made on demand, above the list: the difficulty, then the button.
  puzzle_difficulty_ = new QComboBox(this);
  puzzle_difficulty_->setObjectName("puzzle_difficulty");
  puzzle_difficulty_->setFont(list_font);
  puzzle_difficulty_->addItems({pick(langue, {"Facile", "Easy"}), pick(langue, {"Moyen", "Medium"}),
                                pick(langue, {"Difficile", "Hard"})});
  at(puzzle_difficulty_, {1440, 1020, 1215, 375});
  new_puzzle_caption_ = pick(langue, {"Nouvelle énigme", "New puzzle"});
  new_puzzle_button_ = button("new_puzzle", {2700, 1020, 1395, 375}, new_puzzle_caption_);
  fit_texts<QPushButton>({new_puzzle_button_}, width(), 8);
  connect(new_puzzle_button_, &QPushButton::clicked, this, &LevelBrowser::on_new_puzzle);

  auto* hidden_spot = new HotSpot(this, [this] {
    const QString joke = "Stop pinching my bottom baby Brim :)))";
    heading_label_->setText(joke);
    fit_texts<QLabel>({heading_label_}, width(), 1);
  });
  hidden_spot->setObjectName("Image3");
  at(hidden_spot, {240, 2160, 375, 375});

  // A click selects after the current row has moved: follow the selection,
  // which the mouse, the keys and the code all change.
  connect(level_list_, &QListWidget::itemSelectionChanged, this, &LevelBrowser::on_selected);
  connect(level_list_, &QListWidget::itemDoubleClicked, this, &LevelBrowser::on_load);
  connect(load_button, &QPushButton::clicked, this, &LevelBrowser::on_load);
  connect(close_button, &QPushButton::clicked, this, &QDialog::reject);
  connect(delete_button, &QPushButton::clicked, this, &LevelBrowser::on_delete);
  connect(reset_score_button, &QPushButton::clicked, this, &LevelBrowser::on_reset_score);

  // From the keyboard: the arrows choose in the list, Enter loads, Escape
  // closes, and Tab goes from the list to the check mark, the cross and the
  // two buttons of the level's file.
  load_button->setDefault(true);
  setTabOrder(level_list_, load_button);
  setTabOrder(load_button, close_button);
  setTabOrder(close_button, reset_score_button);
  setTabOrder(reset_score_button, delete_button);
  setTabOrder(delete_button, puzzle_difficulty_);
  setTabOrder(puzzle_difficulty_, new_puzzle_button_);
  describe_for_everyone(load_button, Action::BrowserLoad, langue);
  describe_for_everyone(close_button, Action::BrowserClose, langue);

  refresh_list();
  // The player goes on where he left off: the first level not yet won is
  // ready to load at once (the first of all once every one is won).
  int next_row = 0;
  while (next_row < level_list_->count() && level_list_->item(next_row)->data(won_role).toBool()) ++next_row;
  if (level_list_->count() > 0) level_list_->setCurrentRow(next_row < level_list_->count() ? next_row : 0);
  level_list_->setFocus();
}

QString shown_file_name(const std::string& bytes) {
  const QString utf8 = QString::fromStdString(bytes);
  if (utf8.toStdString() == bytes) return utf8;
  // Not UTF-8: most likely a level from a Windows player, in its code page.
  return QString::fromStdString(utf8_from_cp1252(bytes));
}

std::string LevelBrowser::selected_file() const {
  const QListWidgetItem* item = level_list_->currentItem();
  return item != nullptr && item->isSelected() ? item->data(file_bytes_role).toByteArray().toStdString()
                                               : std::string();
}

void LevelBrowser::refresh_list() {
  const QSignalBlocker quiet(level_list_);
  level_list_->clear();
  for (const std::string& name : list_level_files(host_.folder.tab())) {
    auto* item = new QListWidgetItem(shown_file_name(name), level_list_);
    item->setData(file_bytes_role, QByteArray::fromStdString(name));
    show_progress(*item, won_in_full(host_.folder, name));
  }
  level_list_->setCurrentRow(-1);
}

void LevelBrowser::show_level(const std::string& file_name) {
  refresh_list();
  for (int row = 0; row < level_list_->count(); ++row) {
    if (level_list_->item(row)->data(file_bytes_role).toByteArray().toStdString() == file_name) {
      level_list_->setCurrentRow(row);
    }
  }
}

void LevelBrowser::on_selected() {
  const std::string file = selected_file();
  if (file.empty()) return;
  const auto author = lire_entete(host_.folder, file);
  author_label_->setText(author.ok() ? QString::fromStdString(author.value()) : QString());
  const std::string score = lire_score(host_.folder, file);
  // A win that took hints reads apart from one without.
  const bool hinted = score == "100" && HintMarks(host_.folder.sta()).marked(file);
  score_label_->setText(QString::fromStdString(score) +
                        (hinted ? QString::fromUtf8(host_.langue == 0 ? " (avec indices)" : " (with hints)") : QString()));
}

void LevelBrowser::on_load() {
  const std::string file = selected_file();
  if (file.empty()) return;
  // The level chosen wins over one still being made.
  stop_making_puzzle();
  // A level that cannot be loaded keeps the browser open, to choose another.
  if (host_.load(file)) accept();
}

void LevelBrowser::on_delete() {
  QString question;
  if (host_.langue == 0) question = QString::fromUtf8("Etes vous certain de vouloir definitivement effacer ce tableau?");
  else if (host_.langue == 1) question = "Do you really want to delete this level?";
  else return;  // no question in another language, so no deletion
  if (!host_.questions.ask_yes_no(this, question, host_.langue)) return;
  const std::string file = selected_file();
  if (!file.empty()) {
    // Whatever cannot be deleted is left as it is.
    std::error_code ignored;
    if (const auto level = host_.folder.level_path(file)) std::filesystem::remove(*level, ignored);
    forget_score(file);
  }
  refresh_list();
}

void LevelBrowser::forget_score(const std::string& file) {
  std::error_code ignored;
  if (const auto score = score_path(host_.folder, file)) std::filesystem::remove(*score, ignored);
  // The mark goes with the score. One that cannot be taken off does no harm:
  // it is read only beside a score of 100, and the next such win writes it anew.
  HintMarks(host_.folder.sta()).record_win(file, false);
}

void LevelBrowser::on_reset_score() {
  const std::string file = selected_file();
  if (!file.empty()) forget_score(file);
  score_label_->setText("0");
  if (QListWidgetItem* item = level_list_->currentItem(); item != nullptr && !file.empty()) show_progress(*item, false);
}

void LevelBrowser::show_progress(QListWidgetItem& item, bool won) {
  item.setData(won_role, won);
  // Every name keeps the mark's room, so that the names stand in one column.
  const QSize size = level_list_->iconSize();
  QPixmap mark(size * devicePixelRatio());
  mark.setDevicePixelRatio(devicePixelRatio());
  mark.fill(Qt::transparent);
  if (won) {
    QPainter p(&mark);
    p.setRenderHint(QPainter::Antialiasing);
    host_.art.paint(p, QRectF(QPointF(0, 0), QSizeF(size)), Art::CheckMark);
  }
  item.setIcon(QIcon(mark));
  item.setToolTip(won ? pick(host_.langue, {"Réussi à 100 %", "Won at 100 %"}) : QString());
}

void LevelBrowser::on_new_puzzle() {
  if (!puzzle_maker_.make || making_puzzle_) return;
  constexpr solve::Difficulty by_row[] = {solve::Difficulty::Easy, solve::Difficulty::Medium, solve::Difficulty::Hard};
  const solve::Difficulty difficulty = by_row[std::clamp(puzzle_difficulty_->currentIndex(), 0, 2)];
  // Making a level takes up to a few seconds: the player sees it is at work,
  // and may still choose a level of the list or close meanwhile.
  making_puzzle_ = true;
  puzzle_difficulty_->setEnabled(false);
  new_puzzle_button_->setEnabled(false);
  new_puzzle_button_->setText(searching_text(host_.langue));
  setCursor(Qt::BusyCursor);
  std::function<std::optional<MadePuzzle>(const std::atomic<bool>&)> work =
      [make = puzzle_maker_.make, difficulty](const std::atomic<bool>& cancel) { return make(difficulty, cancel); };
  puzzle_search_.start(std::move(work), std::function<void(std::optional<MadePuzzle>)>(
                                            [this](std::optional<MadePuzzle> made) { on_puzzle_made(std::move(made)); }));
}

void LevelBrowser::on_puzzle_made(std::optional<MadePuzzle> made) {
  stop_making_puzzle();
  if (puzzle_maker_.put(std::move(made))) accept();
}

void LevelBrowser::stop_making_puzzle() {
  puzzle_search_.cancel();
  if (!making_puzzle_) return;
  making_puzzle_ = false;
  puzzle_difficulty_->setEnabled(true);
  new_puzzle_button_->setEnabled(true);
  new_puzzle_button_->setText(new_puzzle_caption_);
  unsetCursor();
}

void LevelBrowser::done(int result) {
  // However the browser closes, a level still being made is no longer wanted.
  stop_making_puzzle();
  QDialog::done(result);
}

}  // namespace drippo::ui
