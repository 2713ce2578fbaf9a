#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <set>

#include "ui/art/art_book.h"

namespace {

using drippo::ui::Art;
using drippo::ui::art_count;
using drippo::ui::ArtBook;
using drippo::ui::design_size_twips;

QSize pixels_at_100(Art art) { return design_size_twips(art) / 15; }

TEST(Pictures, EveryPictureDrawsAPictureAtItsDesignSize) {
  ArtBook book;
  for (int k = 0; k < art_count; ++k) {
    const Art art = static_cast<Art>(k);
    const QPixmap& pixmap = book.picture(art, pixels_at_100(art), 1.0);
    ASSERT_FALSE(pixmap.isNull()) << "picture " << k;
    EXPECT_EQ(pixmap.size(), pixels_at_100(art)) << "picture " << k;
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb c = image.pixel(x, y);
        if (qAlpha(c) > 128) ++opaque;
        colours.insert(c & 0xF0F0F0F0);
      }
    // Something drawn, with shading and outlines, not a flat block.
    EXPECT_GT(opaque, image.width() * image.height() / 10) << "picture " << k << " is blank";
    EXPECT_GT(colours.size(), 20u) << "picture " << k << " is a flat fill";
  }
}

TEST(Pictures, AreAllDifferent) {
  ArtBook book;
  std::set<QByteArray> looks;
  for (int k = 0; k < art_count; ++k) {
    const QImage image = book.picture(static_cast<Art>(k), QSize(60, 60), 1.0).toImage();
    looks.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
  }
  EXPECT_EQ(looks.size(), static_cast<size_t>(art_count));
}

TEST(Pictures, FillTheRectTheyAreGiven) {
  // The welcome picture is a full scene: squeezed, it still reaches every corner.
  ArtBook book;
  const QImage image = book.picture(Art::Welcome, QSize(200, 40), 1.0).toImage();
  for (QPoint corner : {QPoint(1, 1), QPoint(198, 1), QPoint(1, 38), QPoint(198, 38)})
    EXPECT_GT(qAlpha(image.pixel(corner)), 200) << corner.x() << "," << corner.y();
}

TEST(Pictures, PaintDrawsOnlyInsideTheRect) {
  ArtBook book;
  QImage image(100, 100, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    book.paint(p, QRectF(20, 30, 60, 40), Art::Explosion);
  }
  int inside = 0, outside = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) {
      if (qAlpha(image.pixel(x, y)) == 0) continue;
      (x >= 20 && x < 80 && y >= 30 && y < 70) ? ++inside : ++outside;
    }
  EXPECT_GT(inside, 600);
  EXPECT_EQ(outside, 0);
}

}  // namespace
