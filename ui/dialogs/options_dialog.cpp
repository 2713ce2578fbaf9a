#include "ui/dialogs/options_dialog.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>

#include "ui/dialogs/fitting_font.h"
#include "ui/common/key_actions.h"
#include "ui/common/twips.h"

namespace drippo::ui {

namespace {

constexpr TwipRect dialog_size{0, 0, 5895, 6000};

// The choice buttons Command1(0..7): two per row, the left one at 2160 and
// the right one at 4440; rows of language, music, effects and difficulty.
constexpr std::array<int, 2> column_lefts{2160, 4440};
constexpr std::array<int, 4> row_tops{840, 1920, 3000, 4080};
constexpr int choice_width = 1095;
constexpr int choice_height = 735;

constexpr TwipRect choice_rect(int index) {
  return {column_lefts[static_cast<std::size_t>(index % 2)], row_tops[static_cast<std::size_t>(index / 2)],
          choice_width, choice_height};
}

// A marker frames its button 120 twips out on every side.
constexpr int marker_margin = 120;
constexpr TwipRect marker_rect(int button) {
  const TwipRect b = choice_rect(button);
  return {b.left - marker_margin, b.top - marker_margin, b.width + 2 * marker_margin, b.height + 2 * marker_margin};
}

// What each choice button sets: a setting and which of its two declared
// choices (the language row has English on the left). Read both ways: a
// press sets the value, and a marker shows the button of the value.
struct Choice {
  Setting setting;
  std::size_t choice;
};
constexpr std::array<Choice, 8> choices{{
    {Setting::langue, 1},
    {Setting::langue, 0},
    {Setting::musique, 0},
    {Setting::musique, 1},
    {Setting::bruitages, 0},
    {Setting::bruitages, 1},
    {Setting::difficulte, 0},
    {Setting::difficulte, 1},
}};

// The button beside which a value's marker stands. A value no button sets
// counts as the second choice: anything but 100 is easy, anything but -1
// is off, anything but 0 is English.
int button_showing(Setting s, std::int16_t value) {
  const std::size_t shown = value == declaration(s).choices[0] ? 0 : 1;
  for (std::size_t i = 0; i < choices.size(); ++i) {
    if (choices[i].setting == s && choices[i].choice == shown) return static_cast<int>(i);
  }
  return 0;
}

struct Caption {
  const char* name;
  const char* french;
  const char* english;
};

// Captions by language; any other language keeps the design texts, which
// are the French ones but for "Cancel" and "Default".
constexpr Caption captions[] = {
    {"Label1", "REGLAGES DES OPTIONS", "SETTINGS"},
    {"Label2", "Langue :", "Language :"},
    {"Label3", "Musique :", "Music :"},
    {"Label5", "Bruitages :", "Effects :"},
    {"Label4", "Difficulté :", "Difficulty :"},
    {"Command10", "Annuler", "Cancel"},
    {"Command11", "Défaut", "Default"},
    {"Command1_6", "Normale", "Normal"},
    {"Command1_7", "Facile", "Easy"},
};

// A point of a font is 20 twips.
int font_px(double points, const Zoom& zoom) { return std::max(6, qRound(zoom.px(points * 20))); }

class Marker : public QWidget {
 public:
  explicit Marker(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(QPen(Qt::yellow, 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
};

class FlagButton : public QPushButton {
 public:
  FlagButton(void (*paint_flag)(QPainter&, const QRectF&), QWidget* parent)
      : QPushButton(parent), paint_flag_(paint_flag) {}

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPushButton::paintEvent(event);
    QPainter p(this);
    const QRectF inside = QRectF(rect()).adjusted(width() * 0.12, height() * 0.16, -width() * 0.12, -height() * 0.16);
    paint_flag_(p, inside);
  }

 private:
  void (*paint_flag_)(QPainter&, const QRectF&);
};

}  // namespace

OptionsDialog::OptionsDialog(Host host, QWidget* parent)
    : QDialog(parent),
      host_(std::move(host)),
      settings_(host_.settings),
      ramp_style_(ramp_style_for(QRandomGenerator::global()->generateDouble())) {
  setObjectName("Form4");
  setWindowTitle(QString());
  setModal(true);
  const Zoom zoom(host_.zoom);
  setFixedSize(zoom.rect(dialog_size).size());
  auto at = [&](QWidget* w, const TwipRect& r) { w->setGeometry(zoom.rect(r)); };

  // In the order of the settings.
  const char* marker_names[] = {"carre_bruitage", "carre_difficulte", "carre_langue", "carre_ziq"};
  for (std::size_t k = 0; k < markers_.size(); ++k) {
    markers_[k] = new Marker(this);
    markers_[k]->setObjectName(marker_names[k]);
  }

  QFont title_font = arial_font();
  title_font.setBold(true);
  title_font.setPixelSize(font_px(20.25, zoom));
  QFont row_font = title_font;
  row_font.setPixelSize(font_px(12, zoom));
  auto label = [&](const char* name, const TwipRect& r, const char* text, const QFont& font) {
    auto* l = new QLabel(QString::fromUtf8(text), this);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setFont(font);
    l->setStyleSheet("QLabel { color: yellow; background: transparent; }");
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    at(l, r);
    return l;
  };
  label("Label1", {240, 120, 5295, 495}, "REGLAGES DES OPTIONS", title_font)
      ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label("Label2", {240, 1200, 1815, 495}, "Langue :", row_font);
  label("Label3", {240, 2280, 2175, 495}, "Musique :", row_font);
  label("Label5", {240, 3360, 2295, 495}, "Bruitages :", row_font);
  label("Label4", {240, 4440, 2175, 495}, "Difficulté :", row_font);

  QFont button_font = arial_font();
  button_font.setPixelSize(font_px(9.75, zoom));
  const QString white = "QPushButton { background: white; color: black; }";
  const char* design_texts[] = {"", "", "ON", "OFF", "ON", "OFF", "Normale", "Facile"};
  for (int i = 0; i < 8; ++i) {
    QPushButton* b = i == 0 ? new FlagButton(paint_british_flag, this)
                     : i == 1 ? new FlagButton(paint_french_flag, this)
                              : new QPushButton(QString::fromUtf8(design_texts[i]), this);
    b->setObjectName(QStringLiteral("Command1_%1").arg(i));
    QFont f = button_font;
    f.setBold(true);
    b->setFont(f);
    b->setStyleSheet(white);
    b->setAutoDefault(false);  // Space chooses; Enter is OK wherever the focus is
    at(b, choice_rect(i));
    connect(b, &QPushButton::clicked, this, [this, i] { choose(i); });
  }
  auto button = [&](const char* name, int left, const char* text) {
    auto* b = new QPushButton(QString::fromUtf8(text), this);
    b->setObjectName(name);
    b->setFont(button_font);
    b->setStyleSheet(white);
    b->setAutoDefault(false);
    at(b, {left, 5280, 1575, 495});
    return b;
  };
  connect(button("Command11", 360, "Default"), &QPushButton::clicked, this, &OptionsDialog::set_defaults);
  connect(button("Command10", 2160, "Cancel"), &QPushButton::clicked, this, &OptionsDialog::reject);
  QPushButton* ok = button("Command9", 3960, "OK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &OptionsDialog::on_ok);

  const std::int16_t langue = settings_.langue;
  describe_for_everyone(findChild<QWidget*>("Command1_0"), Action::ChooseEnglish, langue);
  describe_for_everyone(findChild<QWidget*>("Command1_1"), Action::ChooseFrench, langue);
  if (langue == 0 || langue == 1) {
    for (const Caption& c : captions) {
      QWidget* w = findChild<QWidget*>(c.name);
      const QString text = QString::fromUtf8(langue == 0 ? c.french : c.english);
      if (auto* l = qobject_cast<QLabel*>(w)) l->setText(text);
      else if (auto* b = qobject_cast<QPushButton*>(w)) b->setText(text);
    }
  }
  // Each caption shrinks until it fits its control.
  for (QLabel* l : findChildren<QLabel*>()) {
    QFont f = l->font();
    f.setPixelSize(fitting_pixel_size(f, f.pixelSize(), f.pixelSize() / 2, {l->text()}, l->width() - 2));
    l->setFont(f);
  }
  for (QPushButton* b : findChildren<QPushButton*>()) {
    QFont f = b->font();
    f.setPixelSize(fitting_pixel_size(f, f.pixelSize(), f.pixelSize() / 2, {b->text()}, b->width() - 8));
    b->setFont(f);
  }
  montrer_reglages();
  ramp_ = ramp_bands(ramp_style_, static_cast<float>(width()), static_cast<float>(height()));
}

void OptionsDialog::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  for (const RampBand& band : ramp_) p.fillRect(band.rect, band.colour);
}

void OptionsDialog::choose(int index) {
  const Choice& c = choices[static_cast<std::size_t>(index)];
  settings_.set(c.setting, declaration(c.setting).choices[c.choice]);
  if (host_.set_live) host_.set_live(settings_);
  montrer_reglages();
}

void OptionsDialog::set_defaults() {
  settings_ = Settings{};  // whose members start at the declared defaults
  if (host_.set_live) host_.set_live(settings_);
  montrer_reglages();
}

void OptionsDialog::on_ok() {
  if (const auto failure = ecrire_reglages(host_.folder, settings_)) {
    host_.questions.tell(this, QString::fromStdString(*failure));
  }
  if (host_.reread_and_apply) host_.reread_and_apply();
  accept();
}

void OptionsDialog::reject() {
  if (host_.reread_and_apply) host_.reread_and_apply();
  QDialog::reject();
}

void OptionsDialog::montrer_reglages() {
  const Zoom zoom(host_.zoom);
  for (std::size_t k = 0; k < markers_.size(); ++k) {
    const auto setting = static_cast<Setting>(k);
    markers_[k]->setGeometry(zoom.rect(marker_rect(button_showing(setting, settings_.value(setting)))));
  }
}

}  // namespace drippo::ui
