#pragma once

#include <QLabel>

namespace drippo::ui {

// A label of the main window whose text always fits its box: its font has a
// design size, scaled with the window, and shrinks when a caption in one of
// the two languages, or a message, would not fit (the stand-ins for the
// design's font are wider, and French runs longer than English).
class FittedLabel : public QLabel {
  Q_OBJECT
 public:
  FittedLabel(const QString& text, QWidget* parent);

  // The text and the font size it is given at this zoom; the font shrinks
  // below that size as far as needed.
  void show_text(const QString& text);
  void set_font_px(double px);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void fit();

  double font_px_ = 0;
};

}  // namespace drippo::ui
