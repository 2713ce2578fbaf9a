// The help window: its pages and tabs, its boxes by language, and the pieces.
#include "ui/dialogs/help_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPainter>
#include <QTest>
#include <QTextEdit>

#include "ui/dialogs/piece_picture.h"

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
  auto french = open(0);
  auto english = open(1);
  auto other = open(2);
  EXPECT_EQ(tab(*french, 0)->text(), QString::fromUtf8("Régles"));
  EXPECT_EQ(tab(*english, 0)->text(), "Rules");
  for (int k = 0; k < 4; ++k) EXPECT_EQ(tab(*other, k)->text(), tab(*english, k)->text()) << k;
  for (const auto& [w, shown, hidden, language] : {std::tuple{french.get(), "fr", "uk", HelpLanguage::French},
                                                   std::tuple{english.get(), "uk", "fr", HelpLanguage::English},
                                                   std::tuple{other.get(), "uk", "fr", HelpLanguage::English}}) {
    for (int i = 0; i < help_box_count; ++i) {
      QTextEdit* b = box(*w, shown, i);
      EXPECT_FALSE(b->isHidden()) << shown << i;
      EXPECT_TRUE(box(*w, hidden, i)->isHidden()) << hidden << i;
      EXPECT_EQ(b->toPlainText(), help_box_text(i, language)) << shown << i;
      EXPECT_TRUE(b->isReadOnly() && b->focusPolicy() == Qt::NoFocus) << shown << i;
    }
  }
}

// Each child lies inside the page; unless they may overlap, none on another.
void expect_apart_on(QWidget* page, const std::vector<QWidget*>& children, bool may_overlap) {
  for (std::size_t a = 0; a < children.size(); ++a) {
    EXPECT_EQ(children[a]->parentWidget(), page) << children[a]->objectName().toStdString();
    EXPECT_TRUE(page->rect().contains(children[a]->geometry())) << children[a]->objectName().toStdString();
    for (std::size_t b = a + 1; b < children.size() && !may_overlap; ++b) {
      EXPECT_FALSE(children[a]->geometry().intersects(children[b]->geometry()))
          << children[a]->objectName().toStdString() << " " << children[b]->objectName().toStdString();
    }
  }
}

TEST_F(HelpWindowTest, EachPageHoldsItsBoxesApartAndEachBoxShowsItsWholeTextOrScrolls) {
  using namespace help_box;
  const std::vector<int> on_page[] = {
      {introduction, glass, flower_pot, fish_bowl, end_of_game}, {objects_heading, 9, 10}, {editor}, {credit, terms}};
  for (const double zoom : {1.0, 1.25, 1.7}) {
    auto w = open(0, false, zoom);
    for (const char* lang : {"fr", "uk"}) {
      for (int k = 0; k < 4; ++k) {
        QTest::mouseClick(tab(*w, k), Qt::LeftButton);
        std::vector<QWidget*> children;
        for (const int i : on_page[k]) {
          QTextEdit* b = box(*w, lang, i);
          b->setVisible(true);
          children.push_back(b);
          const bool fits = b->document()->size().height() <= b->viewport()->height();
          EXPECT_TRUE(fits || b->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn) << lang << i << " at " << zoom;
        }
        if (k == 1) {
          for (int t = 1; t <= 20; ++t) children.push_back(piece(*w, t));
        }
        expect_apart_on(page(*w, k), children, k == 3);  // the credit runs under the terms
      }
    }
    EXPECT_EQ(box(*w, "fr", credit)->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
  }
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

TEST_F(HelpWindowTest, EveryPieceIsShownAndClickingItShowsItsOwnDescription) {
  for (const auto& [langue, shown, hidden] : {std::tuple{std::int16_t{0}, "fr_10", "uk_9"},
                                              std::tuple{std::int16_t{1}, "uk_9", "fr_10"}}) {
    SCOPED_TRACE(langue);
    auto w = open(langue);
    QTest::mouseClick(tab(*w, 1), Qt::LeftButton);
    auto* description = w->findChild<QTextEdit*>(QStringLiteral("text_") + shown);
    auto* other = w->findChild<QTextEdit*>(QStringLiteral("text_") + hidden);
    EXPECT_TRUE(description->toPlainText().isEmpty());
    for (int t = 1; t <= 20; ++t) {
      SCOPED_TRACE(t);
      PiecePicture* picture = piece(*w, t);
      ASSERT_NE(picture, nullptr);
      EXPECT_EQ(picture->piece(), t);
      const QImage shot = picture->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
      EXPECT_EQ(shot, expected_picture(art_, t, picture->size(), picture->devicePixelRatioF()));

      QTest::mouseClick(picture, Qt::LeftButton);
      EXPECT_EQ(description->toPlainText(),
                piece_description(t, langue == 0 ? HelpLanguage::French : HelpLanguage::English));
      EXPECT_TRUE(other->toPlainText().isEmpty());
      EXPECT_TRUE(other->isHidden());
    }
  }
}

TEST_F(HelpWindowTest, TheRulesPageShowsEachGoalBesideItsText) {
  auto w = open(0);
  const std::tuple<const char*, int, int> goals[] = {{"Image1", piece::verre, help_box::glass},
                                                     {"Image2", piece::pot_de_fleurs, help_box::flower_pot},
                                                     {"Image3", piece::bocal, help_box::fish_bowl}};
  for (const auto& [name, code, text] : goals) {
    auto* image = w->findChild<PiecePicture*>(name);
    ASSERT_NE(image, nullptr) << name;
    EXPECT_EQ(image->piece(), code);
    EXPECT_EQ(image->parentWidget(), page(*w, 0));
    const QRect beside = box(*w, "fr", text)->geometry();
    EXPECT_EQ(image->y(), beside.y()) << name;
    EXPECT_LT(image->geometry().right(), beside.left()) << name;
  }
}

TEST_F(HelpWindowTest, FramesStayOnPiecesPassedOverUntilTheMouseTouchesThePage) {
  auto w = open(1);
  QTest::mouseClick(tab(*w, 1), Qt::LeftButton);
  for (int t = 1; t <= 20; ++t) EXPECT_FALSE(piece(*w, t)->framed()) << t;
  move_over(piece(*w, 3), QPoint(5, 5));
  move_over(piece(*w, 20), QPoint(5, 5));
  EXPECT_TRUE(piece(*w, 3)->framed());
  EXPECT_TRUE(piece(*w, 20)->framed());
  EXPECT_FALSE(piece(*w, 5)->framed());
  // A frame shows on the picture.
  const QImage framed = piece(*w, 20)->grab().toImage();
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
