// The options dialog's background: its two styles and its bands.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "ui/dialogs/option_pictures.h"

namespace drippo::ui::testing {
namespace {

TEST(BackgroundRamp, TheStyleIsRedForTheLowerHalfOfTheRandomNumbersAndBlueForTheUpper) {
  EXPECT_EQ(ramp_style_for(0.0), RampStyle::Red);
  EXPECT_EQ(ramp_style_for(0.4999), RampStyle::Red);
  EXPECT_EQ(ramp_style_for(0.5), RampStyle::Blue);
  EXPECT_EQ(ramp_style_for(0.9999), RampStyle::Blue);
}

TEST(BackgroundRamp, RedEndsAtSevenTenthsOfFullRedAndBlueAtFullBlueWithHalvesToTheEvenNeighbour) {
  const auto red = ramp_bands(RampStyle::Red, 40, 100);
  const auto blue = ramp_bands(RampStyle::Blue, 40, 100);
  ASSERT_EQ(red.size(), 100u);
  ASSERT_EQ(blue.size(), 100u);
  EXPECT_EQ(red[0].colour, QColor(0, 0, 0));
  EXPECT_EQ(red[99].colour, QColor(177, 0, 0));  // 176.715
  EXPECT_EQ(blue[30].colour, QColor(0, 0, 76));  // 76.5
  EXPECT_EQ(blue[50].colour, QColor(0, 0, 128));  // 127.5
  EXPECT_EQ(blue[99].colour, QColor(0, 0, 252));
}

TEST(BackgroundRamp, AnEmptyAreaHasNoBands) {
  EXPECT_TRUE(ramp_bands(RampStyle::Blue, 40, 0).empty());
  EXPECT_TRUE(ramp_bands(RampStyle::Red, 0, 100).empty());
}

TEST(BackgroundRamp, PaintedBandsLeaveNoDarkLineAtAnyHeight) {
  // The window may be any size: a band that stops a rounding short of the
  // next one lets the black beneath show through as a line.
  for (int height = 100; height <= 1200; ++height) {
    QImage image(3, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    for (const RampBand& band : ramp_bands(RampStyle::Blue, 3, static_cast<float>(height))) {
      painter.fillRect(band.rect, band.colour);
    }
    painter.end();
    for (int y = 1; y < height; ++y) {
      ASSERT_GE(image.pixelColor(1, y).blue(), image.pixelColor(1, y - 1).blue()) << height << " px, row " << y;
    }
  }
}

}  // namespace
}  // namespace drippo::ui::testing
