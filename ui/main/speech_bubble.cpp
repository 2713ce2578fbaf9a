#include "ui/main/speech_bubble.h"

#include <QPainter>

#include "ui/common/twips.h"
#include "ui/main/window_layout.h"

namespace drippo::ui {

namespace {
// The bubble and its dots, in the window's twips.
constexpr TwipRect ovals[] = {
    {9450, 4200, 2295, 495},
    {10920, 4800, 375, 255},
    {10920, 5160, 135, 135},
};
// Down to the character's cap, which stands in front of it.
constexpr TwipRect tall_body{9450, 4200, 2295, 800};
}  // namespace

SpeechBubble::SpeechBubble(QWidget* parent) : QWidget(parent) {
  setObjectName("Shape1");
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SpeechBubble::set_tall(bool tall) {
  tall_ = tall;
  update();
}

void SpeechBubble::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const TwipRect& area = layout::speech_bubble;
  const Zoom zoom(width() * twips_per_pixel / area.width);
  auto local = [&](const TwipRect& o) {
    return zoom.rectf({o.left - area.left, o.top - area.top, o.width, o.height}).adjusted(1, 1, -1, -1);
  };
  p.setPen(QPen(QColor(40, 60, 90), std::max(1.0, zoom.px(20))));
  p.setBrush(QColor(255, 255, 255, 235));
  if (tall_) {
    p.drawRoundedRect(local(tall_body), zoom.px(240), zoom.px(240));
    return;
  }
  for (const TwipRect& o : ovals) p.drawEllipse(local(o));
}

}  // namespace drippo::ui
