#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <set>
#include <vector>

#include "ui/art/art_book.h"

namespace {

using drippo::ui::Art;
using drippo::ui::ArtBook;
using drippo::ui::shared_picture;

const QSize kCell(33, 36);

QImage render(const ArtBook& book, int code, QSize size = kCell) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  book.paint_piece(p, QRectF(QPointF(0, 0), QSizeF(size)), code);
  return image;
}

// Pixels that a player would see change: some channel moves by more than 40.
int changed_pixels(const QImage& a, const QImage& b) {
  int changed = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QColor ca = a.pixelColor(x, y), cb = b.pixelColor(x, y);
      const int d = std::max({std::abs(ca.red() - cb.red()), std::abs(ca.green() - cb.green()),
                              std::abs(ca.blue() - cb.blue()), std::abs(ca.alpha() - cb.alpha())});
      if (d > 40) ++changed;
    }
  return changed;
}

// Clear water blue, unlike the pale tile, the green pipes or the purple door.
int water_pixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.blue() > 180 && c.red() < 140 && c.green() > 120 && c.green() < 215) ++n;
    }
  return n;
}

std::vector<int> every_picture_index() {
  std::vector<int> codes;
  for (int p = 0; p <= 20; ++p)
    for (int w = 0; w < (p == 14 ? 16 : 8); ++w) codes.push_back(100 * w + p);
  return codes;
}

std::vector<int> distinct_pictures() {
  std::set<int> shown;
  for (int code : every_picture_index()) shown.insert(shared_picture(code));
  return {shown.begin(), shown.end()};
}

TEST(PieceArt, StatesThatShareArtLookIdentical) {
  ArtBook book;
  for (int code : every_picture_index()) {
    const int source = shared_picture(code);
    if (source == code) continue;
    EXPECT_EQ(render(book, code), render(book, source)) << code << " should look like " << source;
  }
}

TEST(PieceArt, PicturesWithArtOfTheirOwnLookDifferentAtTheGamesSize) {
  ArtBook book;
  const std::vector<int> codes = distinct_pictures();
  std::vector<QImage> images;
  for (int code : codes) images.push_back(render(book, code));
  for (size_t i = 0; i < codes.size(); ++i)
    for (size_t j = i + 1; j < codes.size(); ++j)
      EXPECT_GE(changed_pixels(images[i], images[j]), 40)
          << codes[i] << " and " << codes[j] << " are hard to tell apart";
}

TEST(PieceArt, WetStatesShowMoreWaterThanTheDryPiece) {
  ArtBook book;
  for (int code : distinct_pictures()) {
    const int w = code / 100;
    if ((w & 7) == 0) continue;
    const int dry = (w & 8) ? 800 + code % 100 : code % 100;
    EXPECT_GE(water_pixels(render(book, code)), water_pixels(render(book, dry)) + 30)
        << "picture " << code << " shows too little water";
  }
}

TEST(PieceArt, EmptyCellStatesShowWaterFromWhereItCame) {
  ArtBook book;
  // Water moving right came in from the left edge; moving left, from the right.
  auto water_at = [&](int code, int x, int y) {
    const QImage image = render(book, code);
    return water_pixels(image.copy(x, y, 5, 5)) > 0;
  };
  EXPECT_TRUE(water_at(200, 0, 17));
  EXPECT_FALSE(water_at(200, 28, 17));
  EXPECT_TRUE(water_at(400, 28, 17));
  EXPECT_FALSE(water_at(400, 0, 17));
  EXPECT_TRUE(water_at(100, 14, 0));
  EXPECT_FALSE(water_at(200, 14, 0));
}

TEST(PieceArt, OpenDoorLooksClearlyDifferentFromClosedDoor) {
  ArtBook book;
  for (int w = 0; w <= 7; ++w) {
    const int closed = 100 * w + 14, open = 100 * (w + 8) + 14;
    EXPECT_GE(changed_pixels(render(book, closed), render(book, open)), 150)
        << closed << " against " << open;
  }
}

TEST(PieceArt, PaintsOnlyInsideItsCell) {
  ArtBook book;
  const QColor outside(255, 0, 255);
  for (int code : distinct_pictures()) {
    QImage image(80, 80, QImage::Format_ARGB32);
    image.fill(outside);
    {
      QPainter p(&image);
      book.paint_piece(p, QRectF(20, 20, 33, 36), code);
    }
    int leaked = 0, unpainted = 0;
    for (int y = 0; y < 80; ++y)
      for (int x = 0; x < 80; ++x) {
        const bool inside = x >= 20 && x < 53 && y >= 20 && y < 56;
        if (!inside && image.pixelColor(x, y) != outside) ++leaked;
        if (inside && image.pixelColor(x, y) == outside) ++unpainted;
      }
    EXPECT_EQ(leaked, 0) << "picture " << code << " spills into its neighbours";
    EXPECT_EQ(unpainted, 0) << "picture " << code << " leaves holes in its cell";
  }
}

TEST(PiecePixmaps, AreDrawnAtThePixelDensityNotScaledUp) {
  ArtBook book;
  const QImage dense = book.piece(19, kCell, 2.0).toImage();
  const QImage upscaled = book.piece(19, kCell, 1.0)
                              .toImage()
                              .scaled(dense.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
  EXPECT_GT(changed_pixels(dense.convertToFormat(QImage::Format_ARGB32),
                           upscaled.convertToFormat(QImage::Format_ARGB32)),
            100);
  // And the same picture as one painted straight at that size.
  EXPECT_EQ(dense.convertToFormat(QImage::Format_ARGB32),
            render(book, 19, QSize(66, 72)).convertToFormat(QImage::Format_ARGB32));
}

TEST(Pixmaps, HaveTheAskedSizeAtEveryPixelRatioAndAreSharedOnlyBySharedArtAtOneSize) {
  ArtBook book;
  const QPixmap& dense = book.picture(Art::Flag, QSize(65, 57), 2.0);
  EXPECT_EQ(dense.size(), QSize(130, 114));
  EXPECT_EQ(dense.deviceIndependentSize(), QSizeF(65, 57));
  EXPECT_EQ(book.piece(7, kCell, 1.5).size(), QSize(50, 54));
  const qint64 dry = book.piece(2, kCell, 1.0).cacheKey();
  EXPECT_EQ(book.piece(2, kCell, 1.0).size(), kCell);
  EXPECT_EQ(book.piece(202, kCell, 1.0).cacheKey(), dry);
  EXPECT_EQ(book.piece(2, kCell, 1.0).cacheKey(), dry);
  EXPECT_NE(book.piece(102, kCell, 1.0).cacheKey(), dry);
  EXPECT_NE(book.piece(2, QSize(66, 72), 1.0).cacheKey(), dry);
  EXPECT_NE(book.piece(2, kCell, 2.0).cacheKey(), dry);
  EXPECT_NE(book.picture(static_cast<Art>(2), kCell, 1.0).cacheKey(), dry);
  // Nothing to draw on.
  EXPECT_TRUE(book.piece(1, QSize(0, 36), 1.0).isNull());
  EXPECT_TRUE(book.piece(1, kCell, 0.0).isNull());
}

}  // namespace
