#include "ui/dialogs/save_dialog.h"

#include <chrono>
#include <cmath>
#include <random>

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QValidator>

#include <future>

#include <QCoreApplication>

#include "solver/level_check.h"
#include "storage/cp1252.h"
#include "storage/level_catalogue.h"
#include "storage/level_name.h"
#include "storage/level_procedures.h"
#include "ui/dialogs/level_browser.h"
#include "ui/dialogs/solver_texts.h"
#include "ui/common/key_actions.h"
#include "ui/common/picture_widget.h"
#include "ui/common/twips.h"

namespace drippo::ui {

namespace {
constexpr TwipRect dialog_size{0, 0, 4170, 2160};

// Level files keep their text in Windows-1252: a character outside it would
// come back as "?", so the boxes refuse it as the count boxes refuse letters.
class Cp1252Validator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    const std::string utf8 = input.toStdString();
    return utf8_from_cp1252(cp1252_from_utf8(utf8)) == utf8 ? Acceptable : Invalid;
  }
};

SaveDialog::Ramp random_ramp() {
  std::mt19937 random(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
  return std::uniform_int_distribution<int>(0, 1)(random) == 0 ? SaveDialog::Ramp::Red : SaveDialog::Ramp::Blue;
}
}  // namespace

SaveDialog::SaveDialog(Host host, QWidget* parent, std::optional<Ramp> ramp)
    : QDialog(parent), host_(std::move(host)), ramp_(ramp.value_or(random_ramp())) {
  setObjectName("Form2");
  setWindowTitle(QString());
  setModal(true);
  const Zoom zoom(host_.zoom);
  setFixedSize(zoom.rect(dialog_size).size());
  auto at = [&](QWidget* w, TwipRect r) { w->setGeometry(zoom.rect(r)); };
  const Game& game = host_.game;
  const std::int16_t langue = game.settings().langue;

  QFont prompt_font = font();
  prompt_font.setPixelSize(std::max(8, qRound(11 * zoom.factor())));
  prompt_font.setBold(true);
  auto prompt = [&](const char* name, TwipRect r, const char* french, const char* english) {
    // Any other language keeps the French of the design.
    auto* l = new QLabel(QString::fromUtf8(langue == 1 ? english : french), this);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setFont(prompt_font);
    l->setStyleSheet("QLabel { color: #ffff00; background: transparent; }");
    at(l, r);
  };
  prompt("Label1", {120, 120, 2775, 255}, "Donnez un nom à votre tableau :", "Enter your level's name :");
  prompt("Label2", {120, 1080, 1935, 255}, "Quel est votre nom :", "What is your name :");

  QFont box_font = font();
  box_font.setPixelSize(std::max(8, qRound(13 * zoom.factor())));
  level_name_box_ = new QLineEdit(this);
  level_name_box_->setObjectName("text_sauvegarde");
  level_name_box_->setMaxLength(25);
  level_name_box_->setFont(box_font);
  at(level_name_box_, {120, 480, 1335, 375});
  author_box_ = new QLineEdit(this);
  author_box_->setObjectName("Text1");
  author_box_->setMaxLength(10);
  author_box_->setFont(box_font);
  at(author_box_, {120, 1440, 1335, 375});
  setTabOrder(level_name_box_, author_box_);
  for (QLineEdit* box : {level_name_box_, author_box_}) box->setValidator(new Cp1252Validator(box));

  const std::string& nom = game.table().nom_tableau();
  const bool has_tab = nom.size() >= 4 && nom.compare(nom.size() - 4, 4, ".tab") == 0;
  proposed_name_ = nom == "nouveau" || !has_tab ? nom : nom.substr(0, nom.size() - 4);
  level_name_box_->setText(shown_file_name(proposed_name_));
  author_box_->setText(game.table().auteur_tableau.empty() ? QString("Anonyme") : QString::fromStdString(game.table().auteur_tableau));

  auto* save = new PictureButton(host_.art, Art::CheckMark, this);
  save->setObjectName("Command1");
  at(save, {3240, 1200, 855, 855});
  auto* close = new PictureButton(host_.art, Art::Cross, this);
  close->setObjectName("Command2");
  at(close, {2280, 1200, 855, 855});
  connect(save, &QPushButton::clicked, this, &SaveDialog::on_save);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  // From the keyboard: Enter saves, Escape closes, Tab goes down the boxes
  // and then to the check mark before the cross.
  save->setDefault(true);
  setTabOrder(author_box_, save);
  setTabOrder(save, close);
  describe_for_everyone(save, Action::DialogSave, langue);
  describe_for_everyone(close, Action::DialogClose, langue);
  level_name_box_->setFocus();
}

QColor SaveDialog::ramp_colour(Ramp ramp, double y, double height) {
  // Halves round to the even neighbour, as the bands were always drawn.
  const int level = static_cast<int>(std::nearbyint(ramp == Ramp::Red ? y / height * 255 * 0.7 : y / height * 255));
  const int c = std::clamp(level, 0, 255);
  return ramp == Ramp::Red ? QColor(c, 0, 0) : QColor(0, 0, c);
}

void SaveDialog::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const double height = this->height();
  const float step = static_cast<float>(height) / 100.0f;
  for (double y = 0; y < height; y += step) {
    p.fillRect(QRectF(0, y, width(), step + 1), ramp_colour(ramp_, y, height));
  }
}

bool SaveDialog::solvable_or_saved_anyway() {
  const Game& game = host_.game;
  const std::int16_t langue = game.settings().langue;
  const LevelData level = solve::edited_level(game);
  QString why;
  // Without a goal the score never reaches 100: no search needed to know it.
  if (std::none_of(level.cells.begin(), level.cells.end(), [](const Cellule& c) { return is_goal(c.piece); })) {
    why = no_goal_text(langue) +
          QString::fromUtf8(langue == 0 ? " Ce tableau ne pourra jamais être gagné." : " This level can never be won.");
  } else {
    const std::int16_t difficulte = game.settings().difficulte;
    auto check = std::async(std::launch::async, [level, difficulte] {
      return solve::check_level(level, difficulte, check_seconds, nullptr);
    });
    // The window keeps drawing while the solver works; the player waits.
    while (check.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    }
    if (check.get().result.verdict == solve::Verdict::Solved) return true;
    why = QString::fromUtf8(langue == 0 ? "Aucune solution n'a été trouvée pour ce tableau."
                                        : "No solution was found for this level.");
  }
  return host_.questions.ask_yes_no(
      this, why + QString::fromUtf8(langue == 0 ? " Le sauver quand même ?" : " Save it anyway?"), langue == 0 ? 0 : 1);
}

void SaveDialog::on_save() {
  if (author_box_->text().isEmpty()) author_box_->setText("Anonyme");
  const QString name = level_name_box_->text();
  if (name.isEmpty()) return;  // nothing is saved, and nothing said
  Game& game = host_.game;
  // The proposed name kept as it is saves over the very file it came from,
  // whatever bytes its name holds.
  const std::string level = name == shown_file_name(proposed_name_) ? proposed_name_ : name.toStdString();
  // A name that would leave the levels folder, or that some system refuses,
  // is refused here with a word to the player, and nothing is written.
  if (const auto problem = level_name_problem(level)) {
    host_.questions.tell(this, QString::fromStdString(level_name_message(*problem, level, game.settings().langue)));
    return;
  }
  if (!solvable_or_saved_anyway()) return;
  bool exists = false;
  for (const std::string& file : list_level_files(host_.folder.tab())) {
    if (file == level + ".tab") exists = true;  // letter case counts
  }
  // The question is French whatever the language.
  if (exists && !host_.questions.ask_yes_no(
                    this, QString::fromUtf8("Le fichier ") + name + QString::fromUtf8(" existe déjà. Voulez-vous le remplacer?"),
                    0)) {
    return;
  }
  if (const auto error = ecrire_tableau(game, host_.folder, level, author_box_->text().toStdString())) {
    host_.questions.tell(this, QString::fromStdString(error->message(game.settings().langue)));
    return;
  }
  accept();
}

}  // namespace drippo::ui
