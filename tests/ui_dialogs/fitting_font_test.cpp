// Captions shrink from their design size until they fit.
#include "ui/dialogs/fitting_font.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>

namespace drippo::ui::testing {
namespace {

double width_at(QFont font, int px, const QString& text) {
  font.setPixelSize(px);
  return QFontMetricsF(font).horizontalAdvance(text);
}

TEST(FittingFont, KeepsTheDesignSizeWhenTheTextFits) {
  const QFont font = arial_font();
  EXPECT_EQ(fitting_pixel_size(font, 20, 10, {"OK"}, width_at(font, 20, "OK") + 1), 20);
  EXPECT_EQ(fitting_pixel_size(font, 20, 10, {}, 0), 20);
}

TEST(FittingFont, ShrinksToTheLargestSizeAtWhichTheWidestLineFits) {
  const QFont font = arial_font();
  ASSERT_TRUE(QFontMetricsF(font).inFont('H')) << "no font to measure with";
  const QString wide = "REGLAGES DES OPTIONS";
  const double room = width_at(font, 14, wide);
  const int px = fitting_pixel_size(font, 27, 6, {"short\n" + wide, "x"}, room);
  EXPECT_LT(px, 27);
  EXPECT_LE(width_at(font, px, wide), room);
  EXPECT_GT(width_at(font, px + 1, wide), room);
}

TEST(FittingFont, StopsAtTheSmallestSizeAllowed) {
  EXPECT_EQ(fitting_pixel_size(arial_font(), 20, 12, {"a line that cannot fit"}, 3), 12);
}

}  // namespace
}  // namespace drippo::ui::testing
