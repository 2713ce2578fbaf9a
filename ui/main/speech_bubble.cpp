#include "ui/main/speech_bubble.h"

#include <QPainter>

#include "ui/main/twips.h"

namespace drippo::ui {

namespace {
// The bubble and its dots, in twips from the bubble's own top-left corner.
constexpr TwipRect area{9450, 4200, 2295, 1095};
constexpr TwipRect ovals[] = {
    {9450, 4200, 2295, 495},
    {10920, 4800, 375, 255},
    {10920, 5160, 135, 135},
};
}  // namespace

SpeechBubble::SpeechBubble(QWidget* parent) : QWidget(parent) {
  setObjectName("Shape1");
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SpeechBubble::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const Zoom zoom(width() * twips_per_pixel / area.width);
  p.setPen(QPen(QColor(40, 60, 90), std::max(1.0, zoom.px(20))));
  p.setBrush(QColor(255, 255, 255, 235));
  for (const TwipRect& o : ovals) {
    const TwipRect local{o.left - area.left, o.top - area.top, o.width, o.height};
    p.drawEllipse(zoom.rectf(local).adjusted(1, 1, -1, -1));
  }
}

}  // namespace drippo::ui
