#pragma once

#include <QWidget>

namespace drippo::ui {

// The speech bubble of the character around the message line, with its two
// little dots: three ovals, as the window's design places them.
class SpeechBubble : public QWidget {
 public:
  explicit SpeechBubble(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace drippo::ui
