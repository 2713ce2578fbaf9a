#include "ui/dialogs/help_window.h"

#include <memory>
#include <vector>

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "ui/dialogs/fitting_font.h"
#include "ui/dialogs/piece_picture.h"
#include "ui/common/twips.h"

namespace drippo::ui {

namespace {

constexpr TwipRect window_size{0, 0, 9105, 7710};
constexpr std::array<int, HelpWindow::page_count> tab_lefts{105, 2400, 4680, 7000};
constexpr std::array<int, HelpWindow::page_count> page_lefts{105, 105, 105, 120};

const QColor tab_blue(0, 0, 255);
const QColor page_blue(0, 0, 255);

namespace page {
constexpr int rules = 0;
constexpr int objects = 1;
constexpr int editor = 2;
constexpr int about = 3;
}  // namespace page

struct Place {
  int page;
  TwipRect rect;
};

// Where box i of a language sits, relative to its page.
Place box_place(int box, HelpLanguage language) {
  if (box == help_box::description(language)) return {page::objects, {240, 2880, 8535, 1095}};
  if (box == help_box::controls(language)) return {page::objects, {240, 4200, 8535, 2535}};
  switch (box) {
    case help_box::introduction: return {page::rules, {240, 360, 8415, 1695}};
    case help_box::glass: return {page::rules, {1320, 2280, 7335, 615}};
    case help_box::flower_pot: return {page::rules, {1320, 3000, 7335, 615}};
    case help_box::fish_bowl: return {page::rules, {1320, 3720, 7335, 615}};
    case help_box::end_of_game:
      return {page::rules, {240, 4440, 8415, language == HelpLanguage::French ? 2295 : 2175}};
    case help_box::credit: return {page::about, {120, 360, 8535, 1335}};
    case help_box::terms: return {page::about, {120, 1440, 8655, 5415}};
    case help_box::editor: return {page::editor, {120, 240, 8655, 6615}};
    default: return {page::objects, {240, 240, 8535, 735}};  // the heading
  }
}

bool scrolls(int box, HelpLanguage language) {
  return box == help_box::editor || box == help_box::terms || box == help_box::controls(language);
}

struct PiecePlace {
  int piece;
  int left;
  int top;
};
// The Objects page's two rows of pictures, 615 twips square.
constexpr PiecePlace piece_places[] = {
    {20, 240, 1200}, {1, 960, 1200},  {2, 1680, 1200},  {3, 2400, 1200},  {4, 3120, 1200},
    {5, 3840, 1200}, {6, 4560, 1200}, {11, 5280, 1200}, {12, 6000, 1200}, {9, 6720, 1200},
    {10, 7440, 1200}, {7, 8160, 1200}, {8, 240, 2040},  {13, 960, 2040},  {14, 1680, 2040},
    {15, 2400, 2040}, {16, 3120, 2040}, {17, 3840, 2040}, {18, 4560, 2040}, {19, 5280, 2040},
};
static_assert(std::size(piece_places) == nb_types);
constexpr int piece_side = 615;

// A blue page; the mouse moving over it (not over its pictures) clears the frames.
class Page : public QWidget {
 public:
  Page(QWidget* parent, std::function<void()> on_mouse_move)
      : QWidget(parent), on_mouse_move_(std::move(on_mouse_move)) {
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, page_blue);
    setPalette(p);
  }

 protected:
  void mouseMoveEvent(QMouseEvent*) override { on_mouse_move_(); }

 private:
  std::function<void()> on_mouse_move_;
};

class Tab : public QLabel {
 public:
  Tab(QWidget* parent, std::function<void()> on_click) : QLabel(parent), on_click_(std::move(on_click)) {
    setTextFormat(Qt::PlainText);
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) on_click_();
  }

 private:
  std::function<void()> on_click_;
};

void centre(QTextEdit* box) {
  QTextCursor all(box->document());
  all.select(QTextCursor::Document);
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  all.mergeBlockFormat(centred);
}

}  // namespace

HelpWindow::HelpWindow(Host host, QWidget* parent)
    : QDialog(parent),
      host_(host),
      // Other values than 0 and 1 keep the window as designed, in English,
      // as the descriptions are for any value but 0.
      language_(host.langue == 0 ? HelpLanguage::French : HelpLanguage::English) {
  setObjectName("Form5");
  setWindowTitle("Drippo");
  setModal(true);
  const Zoom zoom(host_.zoom);
  setFixedSize(zoom.rect(window_size).size());
  setAutoFillBackground(true);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);

  QFont tab_font = arial_font();
  tab_font.setBold(true);
  QStringList captions;
  for (int k = 0; k < page_count; ++k) captions << help_tab_caption(k, language_);
  const int tab_px = std::max(6, qRound(zoom.px(20.25 * 20)));
  tab_font.setPixelSize(fitting_pixel_size(tab_font, tab_px, tab_px / 2, captions, zoom.px(1995) - 4));
  for (int k = 0; k < page_count; ++k) {
    auto* tab = new Tab(this, [this, k] { select_tab(k); });
    tab->setObjectName(QStringLiteral("Label1_%1").arg(k));
    tab->setFont(tab_font);
    tab->setAlignment(Qt::AlignCenter);
    tab->setAutoFillBackground(true);
    tab->setText(help_tab_caption(k, language_));
    tab->setGeometry(zoom.rect({tab_lefts[static_cast<std::size_t>(k)], 120, 1995, 600}));
    tabs_[static_cast<std::size_t>(k)] = tab;

    auto* page = new Page(this, [this] { clear_frames(); });
    page->setObjectName(QStringLiteral("Picture1_%1").arg(k));
    page->setGeometry(zoom.rect({page_lefts[static_cast<std::size_t>(k)], 720, 8895, 6855}));
    pages_[static_cast<std::size_t>(k)] = page;
  }

  const std::pair<int, const char*> goals[] = {
      {piece::verre, "Image1"}, {piece::pot_de_fleurs, "Image2"}, {piece::bocal, "Image3"}};
  for (std::size_t k = 0; k < std::size(goals); ++k) {
    auto* image = new PiecePicture(host_.art, goals[k].first, pages_[page::rules]);
    image->setObjectName(goals[k].second);
    image->setGeometry(zoom.rect({240, 2280 + 720 * static_cast<int>(k), 735, 615}));
  }
  for (const PiecePlace& place : piece_places) {
    auto* image = new PiecePicture(host_.art, place.piece, pages_[page::objects]);
    image->setObjectName(QStringLiteral("Image4_%1").arg(place.piece));
    image->setGeometry(zoom.rect({place.left, place.top, piece_side, piece_side}));
    connect(image, &PiecePicture::clicked, this, &HelpWindow::show_description);
    connect(image, &PiecePicture::hovered, image, [image] { image->set_framed(true); });
    image->setAccessibleName(piece_description(place.piece, language_).section(u':', 0, 0));
    pieces_[static_cast<std::size_t>(place.piece)] = image;
  }

  QFont text_font = arial_font();
  text_font.setBold(true);
  QPalette box_colours = palette();
  box_colours.setColor(QPalette::Base, page_blue);
  box_colours.setColor(QPalette::Text, Qt::yellow);
  std::vector<QTextEdit*> boxes;  // French ones first
  for (const HelpLanguage language : {HelpLanguage::French, HelpLanguage::English}) {
    for (int i = 0; i < help_box_count; ++i) {
      const Place place = box_place(i, language);
      auto* box = new QTextEdit(pages_[static_cast<std::size_t>(place.page)]);
      box->setObjectName(QString(language == HelpLanguage::French ? "text_fr_%1" : "text_uk_%1").arg(i));
      box->setReadOnly(true);
      box->setAcceptRichText(false);
      box->setFocusPolicy(Qt::NoFocus);
      box->setPalette(box_colours);
      box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      box->setVerticalScrollBarPolicy(scrolls(i, language) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
      box->setPlainText(help_box_text(i, language));
      if (i == help_box::credit) centre(box);
      box->setGeometry(zoom.rect(place.rect));
      box->setVisible(language == language_);
      if (language == language_ && i == help_box::description(language)) description_ = box;
      boxes.push_back(box);
    }
  }
  // French lines are broken by hand: one size for all boxes, at which each
  // French line fits its box.
  const int text_px = std::max(6, qRound(zoom.px(9.75 * 20)));
  int fitted_px = text_px;
  for (int i = 0; i < help_box_count; ++i) {
    QTextEdit* box = boxes[static_cast<std::size_t>(i)];
    const int scroll_bar = box->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn
                               ? box->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, box)
                               : 0;
    const double room = box->width() - 2 * box->frameWidth() - 2 * box->document()->documentMargin() - scroll_bar - 2;
    fitted_px =
        std::min(fitted_px, fitting_pixel_size(text_font, text_px, text_px * 2 / 3, {box->toPlainText()}, room));
  }
  // A box without a scroll bar must hold its text's height too: the stand-in
  // face runs taller than the one the boxes were drawn for.
  auto overflows = [&](int px) {
    QFont f = text_font;
    f.setPixelSize(px);
    for (QTextEdit* box : boxes) {
      if (box->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn) continue;
      const std::unique_ptr<QTextDocument> laid(box->document()->clone());
      laid->setDefaultFont(f);
      laid->setTextWidth(box->width() - 2 * box->frameWidth());
      if (laid->size().height() > box->height() - 2 * box->frameWidth()) return true;
    }
    return false;
  };
  while (fitted_px > text_px * 2 / 3 && overflows(fitted_px)) --fitted_px;
  text_font.setPixelSize(fitted_px);
  for (QTextEdit* box : boxes) box->setFont(text_font);

  // As designed, the Rules page shows; the envelope asks for the About page.
  select_tab(host_.aide_apropos ? page::about : page::rules);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
  const auto scroll = [this](QAbstractSlider::SliderAction step) {
    for (QTextEdit* box : pages_[static_cast<std::size_t>(shown_page_)]->findChildren<QTextEdit*>()) {
      if (box->isVisible() && box->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn) {
        box->verticalScrollBar()->triggerAction(step);
      }
    }
  };
  switch (event->key()) {
    case Qt::Key_Left: select_tab((shown_page_ + page_count - 1) % page_count); break;
    case Qt::Key_Right: select_tab((shown_page_ + 1) % page_count); break;
    case Qt::Key_Up: scroll(QAbstractSlider::SliderSingleStepSub); break;
    case Qt::Key_Down: scroll(QAbstractSlider::SliderSingleStepAdd); break;
    case Qt::Key_PageUp: scroll(QAbstractSlider::SliderPageStepSub); break;
    case Qt::Key_PageDown: scroll(QAbstractSlider::SliderPageStepAdd); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: accept(); break;
    default: QDialog::keyPressEvent(event);
  }
}

void HelpWindow::select_tab(int shown) {
  if (shown < 0 || shown >= page_count) return;
  for (int k = 0; k < page_count; ++k) {
    QLabel* tab = tabs_[static_cast<std::size_t>(k)];
    QPalette p = tab->palette();
    p.setColor(QPalette::Window, k == shown ? tab_blue : QColor(Qt::black));
    p.setColor(QPalette::WindowText, Qt::yellow);
    tab->setPalette(p);
    pages_[static_cast<std::size_t>(k)]->setVisible(k == shown);
  }
  shown_page_ = shown;
}

void HelpWindow::show_description(int piece) {
  const QString text = piece_description(piece, language_);
  if (!text.isEmpty()) description_->setPlainText(text);
}

void HelpWindow::clear_frames() {
  for (int t = 1; t <= nb_types; ++t) pieces_[static_cast<std::size_t>(t)]->set_framed(false);
}

}  // namespace drippo::ui
