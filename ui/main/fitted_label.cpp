#include "ui/main/fitted_label.h"

#include <algorithm>

#include <QFontMetrics>

namespace drippo::ui {

namespace {

// Below this the captions are no longer read at a glance; the window's
// minimum size keeps every text above it.
constexpr int smallest_px = 7;

// Whether `text`, in `font`, fits `box` as a label lays it out (wrapped at
// word boundaries when wrap is on).
bool text_fits(const QFont& font, const QString& text, QRect box, Qt::Alignment alignment, bool wrap) {
  const int flags = static_cast<int>(alignment) | (wrap ? Qt::TextWordWrap : 0);
  const QRect needed = QFontMetrics(font).boundingRect(box, flags, text);
  return needed.width() <= box.width() && needed.height() <= box.height();
}

}  // namespace

FittedLabel::FittedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  // Texts from level files never reach the main window's labels, but a
  // label that could read markup would be one careless message away from it.
  setTextFormat(Qt::PlainText);
}

void FittedLabel::show_text(const QString& text) {
  setText(text);
  fit();
}

void FittedLabel::set_font_px(double px) {
  font_px_ = px;
  fit();
}

void FittedLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  fit();
}

void FittedLabel::fit() {
  if (font_px_ <= 0) return;
  QFont f = font();
  int px = std::max(smallest_px, qRound(font_px_));
  for (; px > smallest_px; --px) {
    f.setPixelSize(px);
    if (text_fits(f, text(), contentsRect(), alignment(), wordWrap())) break;
  }
  f.setPixelSize(px);
  if (f != font()) setFont(f);
}

}  // namespace drippo::ui
