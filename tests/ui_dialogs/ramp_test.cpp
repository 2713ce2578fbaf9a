// The options dialog's background: its two styles and its bands.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "ui/dialogs/option_pictures.h"

namespace drippo::ui::testing {
namespace {

TEST(BackgroundRamp, TheStyleIsRedForTheLowerHalfOfTheRandomNumbersAndBlueForTheUpper) {
  const std::pair<double, RampStyle> cases[] = {
      {0.0, RampStyle::Red}, {0.25, RampStyle::Red}, {0.4999, RampStyle::Red},
      {0.5, RampStyle::Blue}, {0.75, RampStyle::Blue}, {0.9999, RampStyle::Blue},
  };
  for (const auto& [random01, style] : cases) EXPECT_EQ(ramp_style_for(random01), style) << random01;
}

TEST(BackgroundRamp, RedRunsFromBlackToSevenTenthsOfFullRed) {
  const auto bands = ramp_bands(RampStyle::Red, 40, 100);
  ASSERT_EQ(bands.size(), 100u);
  // y / height x 255 x 0.7, to the nearest: 0, 17.85, 89.25, 176.715.
  const std::pair<std::size_t, int> cases[] = {{0, 0}, {10, 18}, {50, 89}, {99, 177}};
  for (const auto& [k, red] : cases) EXPECT_EQ(bands[k].colour, QColor(red, 0, 0)) << k;
}

TEST(BackgroundRamp, BlueRunsFromBlackToFullBlueWithHalvesToTheEvenNeighbour) {
  const auto bands = ramp_bands(RampStyle::Blue, 40, 100);
  ASSERT_EQ(bands.size(), 100u);
  // y / height x 255: 25.5, 76.5, 127.5, 178.5 and 229.5 go to the even side.
  const std::pair<std::size_t, int> cases[] = {{0, 0},    {10, 26},   {30, 76},  {50, 128},
                                                {70, 178}, {90, 230}, {99, 252}};
  for (const auto& [k, blue] : cases) EXPECT_EQ(bands[k].colour, QColor(0, 0, blue)) << k;
}

TEST(BackgroundRamp, AnEmptyAreaHasNoBands) {
  EXPECT_TRUE(ramp_bands(RampStyle::Blue, 40, 0).empty());
  EXPECT_TRUE(ramp_bands(RampStyle::Red, 0, 100).empty());
}

TEST(BackgroundRamp, BandsFollowTheSinglePrecisionStepToTheBottom) {
  // 400 / 100 is exact; 401 / 100 is not, and the bands still end at the bottom.
  for (const float height : {400.0f, 401.0f, 333.0f}) {
    const auto bands = ramp_bands(RampStyle::Blue, 10, height);
    ASSERT_FALSE(bands.empty());
    EXPECT_GE(bands.size(), 100u);
    EXPECT_LE(bands.size(), 101u);
    EXPECT_LT(bands.back().rect.top(), height);
    EXPECT_GE(bands.back().rect.bottom(), height - 0.01);
  }
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
