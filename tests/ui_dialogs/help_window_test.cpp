// The help window: its pages and tabs, its boxes by language, and the pieces.
#include "ui/dialogs/help_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPainter>
#include <QTest>
#include <QTextEdit>

#include "ui/dialogs/piece_picture.h"
#include "ui/main/twips.h"

namespace drippo::ui::testing {
namespace {

const QColor blue(0, 0, 255);
const QColor black(0, 0, 0);

class HelpWindowTest : public ::testing::Test {
 protected:
  std::unique_ptr<HelpWindow> open(std::int16_t langue, bool about = false, double zoom = 1.0) {
    auto w = std::make_unique<HelpWindow>(HelpWindow::Host{langue, about, art_, zoom});
    w->show();
    return w;
  }
  static QTextEdit* box(HelpWindow& w, const char* lang, int i) {
    return w.findChild<QTextEdit*>(QStringLiteral("text_%1_%2").arg(lang).arg(i));
  }
  static QLabel* tab(HelpWindow& w, int k) { return w.findChild<QLabel*>(QStringLiteral("Label1_%1").arg(k)); }
  static QWidget* page(HelpWindow& w, int k) { return w.findChild<QWidget*>(QStringLiteral("Picture1_%1").arg(k)); }
  static PiecePicture* piece(HelpWindow& w, int t) {
    return w.findChild<PiecePicture*>(QStringLiteral("Image4_%1").arg(t));
  }
  // Only page k shows, under the only blue tab.
  static void expect_page(HelpWindow& w, int shown) {
    EXPECT_EQ(w.shown_page(), shown);
    for (int k = 0; k < 4; ++k) {
      EXPECT_EQ(page(w, k)->isVisible(), k == shown) << k;
      EXPECT_EQ(tab(w, k)->palette().color(QPalette::Window), k == shown ? blue : black) << k;
    }
  }
  static void move_over(QWidget* w, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
  }

  ArtBook art_;
};

TEST_F(HelpWindowTest, OpensOnTheRulesPageOrOnTheAboutPageWhenAsked) {
  auto help = open(0);
  expect_page(*help, 0);
  auto about = open(1, true);
  expect_page(*about, 3);
}

TEST_F(HelpWindowTest, ClickingATabShowsItsPageEvenTwice) {
  auto w = open(1);
  for (const int k : {2, 2, 1, 3, 0, 0}) {
    QTest::mouseClick(tab(*w, k), Qt::LeftButton);
    expect_page(*w, k);
  }
}

TEST_F(HelpWindowTest, TabsAndBoxesFollowTheLanguageAndAnyOtherValueReadsEnglish) {
  struct Case {
    std::int16_t langue;
    const char* shown;
    const char* hidden;
    std::array<const char*, 4> tabs;
  };
  const Case cases[] = {
      {0, "fr", "uk", {"Régles", "Objets", "Editeur", "A propos"}},
      {1, "uk", "fr", {"Rules", "Objects", "Editor", "About"}},
      {2, "uk", "fr", {"Rules", "Objects", "Editor", "About"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.langue);
    auto w = open(c.langue);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(tab(*w, k)->text(), QString::fromUtf8(c.tabs[static_cast<std::size_t>(k)]));
    for (int i = 0; i < help_box_count; ++i) {
      EXPECT_FALSE(box(*w, c.shown, i)->isHidden()) << i;
      EXPECT_TRUE(box(*w, c.hidden, i)->isHidden()) << i;
    }
  }
}

TEST_F(HelpWindowTest, BoxesShowTheTextsOfTheirLanguageReadOnly) {
  auto w = open(0);
  for (int i = 0; i < help_box_count; ++i) {
    for (const auto& [lang, language] :
         {std::pair{"fr", HelpLanguage::French}, std::pair{"uk", HelpLanguage::English}}) {
      QTextEdit* b = box(*w, lang, i);
      EXPECT_EQ(b->toPlainText().toStdString(), help_box_text(i, language).toStdString()) << lang << i;
      EXPECT_TRUE(b->isReadOnly());
      EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
    }
  }
}

TEST_F(HelpWindowTest, BoxesSitOnTheirPagesWithTheObjectsNumbersCrossed) {
  struct Case {
    const char* lang;
    int box;
    int page;
    TwipRect where;
    bool scrolls;
  };
  const Case cases[] = {
      {"fr", 0, 0, {240, 360, 8415, 1695}, false},   {"uk", 3, 0, {1320, 3720, 7335, 615}, false},
      {"fr", 4, 0, {240, 4440, 8415, 2295}, false},  {"uk", 4, 0, {240, 4440, 8415, 2175}, false},
      {"fr", 8, 1, {240, 240, 8535, 735}, false},    {"fr", 10, 1, {240, 2880, 8535, 1095}, false},
      {"uk", 9, 1, {240, 2880, 8535, 1095}, false},  {"fr", 9, 1, {240, 4200, 8535, 2535}, true},
      {"uk", 10, 1, {240, 4200, 8535, 2535}, true},  {"uk", 7, 2, {120, 240, 8655, 6615}, true},
      {"fr", 5, 3, {120, 360, 8535, 1335}, false},   {"uk", 6, 3, {120, 1440, 8655, 5415}, true},
  };
  const double zoom = 1.25;
  auto w = open(0, false, zoom);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.lang) + std::to_string(c.box));
    QTextEdit* b = box(*w, c.lang, c.box);
    EXPECT_EQ(b->parentWidget(), page(*w, c.page));
    EXPECT_EQ(b->geometry(), Zoom(zoom).rect(c.where));
    EXPECT_EQ(b->verticalScrollBarPolicy(), c.scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  }
  EXPECT_EQ(w->size(), Zoom(zoom).rect({0, 0, 9105, 7710}).size());
  EXPECT_EQ(page(*w, 3)->geometry(), Zoom(zoom).rect({120, 720, 8895, 6855}));
  EXPECT_EQ(tab(*w, 3)->geometry(), Zoom(zoom).rect({7000, 120, 1995, 600}));
  EXPECT_EQ(box(*w, "fr", 5)->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
}

// The piece as the art book paints it, on the page's blue.
QImage expected_picture(ArtBook& art, int t, QSize size, qreal dpr) {
  QImage image(size * dpr, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(dpr);
  image.fill(blue);
  QPainter p(&image);
  const int side = std::min(size.width(), size.height());
  p.drawPixmap(QPoint((size.width() - side) / 2, (size.height() - side) / 2), art.piece(t, QSize(side, side), dpr));
  return image;
}

TEST_F(HelpWindowTest, EveryPieceIsShownWhereDesignedAndClickingItShowsItsOwnDescription) {
  struct Place {
    int piece, left, top;
  };
  const Place places[] = {
      {20, 240, 1200}, {1, 960, 1200},  {2, 1680, 1200},  {3, 2400, 1200},  {4, 3120, 1200},  {5, 3840, 1200},
      {6, 4560, 1200}, {11, 5280, 1200}, {12, 6000, 1200}, {9, 6720, 1200},  {10, 7440, 1200}, {7, 8160, 1200},
      {8, 240, 2040},  {13, 960, 2040},  {14, 1680, 2040}, {15, 2400, 2040}, {16, 3120, 2040}, {17, 3840, 2040},
      {18, 4560, 2040}, {19, 5280, 2040},
  };
  for (const auto& [langue, shown, hidden] : {std::tuple{std::int16_t{0}, "fr_10", "uk_9"},
                                              std::tuple{std::int16_t{1}, "uk_9", "fr_10"}}) {
    SCOPED_TRACE(langue);
    auto w = open(langue);
    QTest::mouseClick(tab(*w, 1), Qt::LeftButton);
    auto* description = w->findChild<QTextEdit*>(QStringLiteral("text_") + shown);
    auto* other = w->findChild<QTextEdit*>(QStringLiteral("text_") + hidden);
    EXPECT_TRUE(description->toPlainText().isEmpty());
    QImage previous;
    for (const Place& place : places) {
      SCOPED_TRACE(place.piece);
      PiecePicture* picture = piece(*w, place.piece);
      ASSERT_NE(picture, nullptr);
      EXPECT_EQ(picture->piece(), place.piece);
      EXPECT_EQ(picture->geometry(), Zoom(1.0).rect({place.left, place.top, 615, 615}));
      const QImage shot = picture->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
      EXPECT_EQ(shot, expected_picture(art_, place.piece, picture->size(), picture->devicePixelRatioF()));
      EXPECT_NE(shot, previous);
      previous = shot;

      QTest::mouseClick(picture, Qt::LeftButton);
      EXPECT_EQ(description->toPlainText(),
                piece_description(place.piece, langue == 0 ? HelpLanguage::French : HelpLanguage::English));
      EXPECT_TRUE(other->toPlainText().isEmpty());
      EXPECT_TRUE(other->isHidden());
    }
  }
}

TEST_F(HelpWindowTest, TheRulesPageShowsTheThreeGoals) {
  auto w = open(0);
  const std::tuple<const char*, int, int> goals[] = {{"Image1", 18, 2280}, {"Image2", 17, 3000}, {"Image3", 16, 3720}};
  for (const auto& [name, code, top] : goals) {
    auto* image = w->findChild<PiecePicture*>(name);
    ASSERT_NE(image, nullptr) << name;
    EXPECT_EQ(image->piece(), code);
    EXPECT_EQ(image->parentWidget(), page(*w, 0));
    EXPECT_EQ(image->geometry(), Zoom(1.0).rect({240, top, 735, 615}));
  }
}

TEST_F(HelpWindowTest, FramesStayOnPiecesPassedOverUntilTheMouseTouchesThePage) {
  auto w = open(1);
  QTest::mouseClick(tab(*w, 1), Qt::LeftButton);
  for (int t = 1; t <= 20; ++t) EXPECT_FALSE(piece(*w, t)->framed()) << t;
  move_over(piece(*w, 3), QPoint(5, 5));
  move_over(piece(*w, 4), QPoint(5, 5));
  EXPECT_TRUE(piece(*w, 3)->framed());
  EXPECT_TRUE(piece(*w, 4)->framed());
  EXPECT_FALSE(piece(*w, 5)->framed());
  // A frame shows on the picture.
  const QImage framed = piece(*w, 4)->grab().toImage();
  EXPECT_EQ(framed.pixelColor(0, framed.height() / 2), QColor(Qt::yellow));

  move_over(page(*w, 1), QPoint(2, 2));
  for (int t = 1; t <= 20; ++t) EXPECT_FALSE(piece(*w, t)->framed()) << t;
}

TEST_F(HelpWindowTest, ADescriptionStaysUntilAnotherPieceIsClicked) {
  auto w = open(1);
  QTest::mouseClick(tab(*w, 1), Qt::LeftButton);
  QTest::mouseClick(piece(*w, 8), Qt::LeftButton);
  const QString bomb = box(*w, "uk", 9)->toPlainText();
  EXPECT_TRUE(bomb.startsWith("Bomb: "));
  QTest::mouseClick(tab(*w, 0), Qt::LeftButton);
  QTest::mouseClick(tab(*w, 1), Qt::LeftButton);
  move_over(page(*w, 1), QPoint(2, 2));
  QTest::mouseClick(piece(*w, 8), Qt::RightButton);
  EXPECT_EQ(box(*w, "uk", 9)->toPlainText(), bomb);
  QTest::mouseClick(piece(*w, 19), Qt::LeftButton);
  EXPECT_EQ(box(*w, "uk", 9)->toPlainText(), piece_description(19, HelpLanguage::English));
}

}  // namespace
}  // namespace drippo::ui::testing
