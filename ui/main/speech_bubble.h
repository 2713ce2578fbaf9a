#pragma once

#include <QWidget>

namespace drippo::ui {

// The speech bubble of the character around the message line, with its two
// little dots: three ovals, as the window's design places them. A message of
// several lines gets a taller bubble that reaches down to the character.
class SpeechBubble : public QWidget {
 public:
  explicit SpeechBubble(QWidget* parent);

  bool tall() const { return tall_; }
  void set_tall(bool tall);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool tall_ = false;
};

}  // namespace drippo::ui
