#pragma once

#include <QPushButton>
#include <QWidget>

#include "ui/art/art_book.h"

namespace drippo::ui {

// A picture of the game's artwork, crisp at any size; clickable.
class PictureWidget : public QWidget {
  Q_OBJECT
 public:
  PictureWidget(ArtBook& art, Art picture, QWidget* parent);
  Art picture() const { return picture_; }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  ArtBook& art_;
  Art picture_;
};

// A push button showing one of the game's pictures, dimmed when disabled.
class PictureButton : public QPushButton {
  Q_OBJECT
 public:
  PictureButton(ArtBook& art, Art picture, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ArtBook& art_;
  Art picture_;
};

}  // namespace drippo::ui
