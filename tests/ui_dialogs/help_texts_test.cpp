// The help window's texts, word for word, and how French paragraphs are laid out.
#include "ui/dialogs/help_texts.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "reference_texts.h"

namespace drippo::ui::testing {
namespace {

std::string utf8(const QString& s) { return s.toStdString(); }

// The box's paragraphs: separated by a line holding a single space.
QStringList paragraphs_of(const QString& text) { return text.split(QStringLiteral("\n \n")); }

TEST(HelpTexts, EnglishBoxesHoldTheirParagraphsSeparatedBySingleSpaceLines) {
  for (const ReferenceBox& box : reference_boxes) {
    SCOPED_TRACE(box.what);
    QString expected;
    for (std::size_t k = 0; k < box.english.size(); ++k) {
      if (k > 0) expected += "\n \n";
      expected += QString::fromUtf8(box.english[k]);
    }
    // The English heading of the Objects page starts one line down.
    if (box.uk_box == help_box::objects_heading) expected.prepend('\n');
    EXPECT_EQ(utf8(help_box_text(box.uk_box, HelpLanguage::English)), utf8(expected));
  }
}

TEST(HelpTexts, FrenchBoxesHoldTheirParagraphsInLinesOfAboutEightyFiveCharacters) {
  for (const ReferenceBox& box : reference_boxes) {
    SCOPED_TRACE(box.what);
    const QStringList shown = paragraphs_of(help_box_text(box.fr_box, HelpLanguage::French));
    ASSERT_EQ(static_cast<std::size_t>(shown.size()), box.french.size());
    for (std::size_t k = 0; k < box.french.size(); ++k) {
      const QString reference = QString::fromUtf8(box.french[k]);
      const QStringList lines = shown[static_cast<qsizetype>(k)].split('\n');
      EXPECT_EQ(utf8(lines.join(' ')), utf8(reference)) << "paragraph " << k;
      for (qsizetype l = 0; l < lines.size(); ++l) {
        EXPECT_LE(lines[l].size(), 85) << utf8(lines[l]);
        // A line ends only where the next word would not fit.
        if (l + 1 < lines.size()) {
          const QString next_word = lines[l + 1].section(' ', 0, 0);
          EXPECT_GT(lines[l].size() + 1 + next_word.size(), 85) << utf8(lines[l]);
        }
      }
      // Long paragraphs really are broken.
      EXPECT_EQ(lines.size() > 1, reference.size() > 85) << "paragraph " << k;
    }
  }
}

TEST(HelpTexts, TheDescriptionBoxesStartEmptyOnTheirCrossedNumbers) {
  EXPECT_EQ(help_box::description(HelpLanguage::French), 10);
  EXPECT_EQ(help_box::description(HelpLanguage::English), 9);
  EXPECT_TRUE(help_box_text(10, HelpLanguage::French).isEmpty());
  EXPECT_TRUE(help_box_text(9, HelpLanguage::English).isEmpty());
  EXPECT_TRUE(help_box_text(9, HelpLanguage::French).startsWith(QString::fromUtf8("Contrôles: \n \n")));
  EXPECT_TRUE(help_box_text(10, HelpLanguage::English).startsWith("Control: \n \n"));
}

TEST(HelpTexts, EveryPieceHasItsOwnDescriptionInBothLanguages) {
  for (int t = 1; t <= 20; ++t) {
    const ReferencePiece& d = reference_pieces[static_cast<std::size_t>(t - 1)];
    EXPECT_EQ(utf8(piece_description(t, HelpLanguage::French)), d.french) << t;
    EXPECT_EQ(utf8(piece_description(t, HelpLanguage::English)), d.english) << t;
  }
  for (const int t : {0, 21, -1, 100}) {
    EXPECT_TRUE(piece_description(t, HelpLanguage::French).isEmpty()) << t;
    EXPECT_TRUE(piece_description(t, HelpLanguage::English).isEmpty()) << t;
  }
}

TEST(HelpTexts, PieceDescriptionsKeepTheirOddities) {
  EXPECT_TRUE(piece_description(17, HelpLanguage::French).contains(QString::fromUtf8("considéré  comme rempli")));
  EXPECT_TRUE(piece_description(18, HelpLanguage::French).contains(QString::fromUtf8("considéré  comme rempli")));
  EXPECT_TRUE(piece_description(4, HelpLanguage::French).contains("par le eau tourne"));
}

TEST(HelpTexts, TabCaptionsInBothLanguages) {
  const char* french[] = {"Régles", "Objets", "Editeur", "A propos"};
  const char* english[] = {"Rules", "Objects", "Editor", "About"};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(utf8(help_tab_caption(k, HelpLanguage::French)), french[k]);
    EXPECT_EQ(utf8(help_tab_caption(k, HelpLanguage::English)), english[k]);
  }
  EXPECT_TRUE(help_tab_caption(4, HelpLanguage::French).isEmpty());
}

struct BreakCase {
  const char* what;
  const char* paragraph;
  int width;
  const char* lines;
};

TEST(HelpTexts, BreakingLines) {
  const BreakCase cases[] = {
      {"short enough", "un deux trois", 13, "un deux trois"},
      {"one over", "un deux trois", 12, "un deux\ntrois"},
      {"greedy", "aa bb cc dd ee", 5, "aa bb\ncc dd\nee"},
      {"long word kept whole", "a bcdefgh i", 4, "a\nbcdefgh\ni"},
      {"trailing space kept", "Contrôles: ", 85, "Contrôles: "},
      {"double space kept on a line", "ab  cd ef", 6, "ab  cd\nef"},
      {"break inside a double space", "abcd  ef", 4, "abcd\n ef"},
      {"empty", "", 85, ""},
  };
  for (const BreakCase& c : cases) {
    EXPECT_EQ(utf8(break_lines(QString::fromUtf8(c.paragraph), c.width)), c.lines) << c.what;
  }
}

TEST(HelpTexts, OurOwnPagesGiveTheGuideAndCreditWithoutAnyoneElsesAddress) {
  const QString english_guide = editor_guide(HelpLanguage::English);
  EXPECT_TRUE(english_guide.startsWith("EDITOR\n\n"));
  for (const HelpLanguage l : {HelpLanguage::French, HelpLanguage::English}) {
    const QString guide = help_box_text(help_box::editor, l);
    for (const char* step : {"1) ", "2) ", "3) ", "4) ", "5) ", "SHIFT", "CTRL", "Ctrl+Z", "Ctrl+Y", "Ctrl+Shift+Z"}) {
      EXPECT_TRUE(guide.contains(step)) << step;
    }
    EXPECT_GT(guide.size(), 1500);
    EXPECT_TRUE(help_box_text(help_box::credit, l).contains("Drippo"));
    EXPECT_FALSE(help_box_text(help_box::terms, l).isEmpty());
    for (int box = 0; box < help_box_count; ++box) {
      const QString text = help_box_text(box, l);
      EXPECT_FALSE(text.contains('@')) << box;
      EXPECT_FALSE(text.contains("http", Qt::CaseInsensitive)) << box;
    }
  }
  EXPECT_TRUE(about_credit(HelpLanguage::English).contains(QString::fromUtf8("Drippo — a game by the Drippo team")));
  EXPECT_TRUE(about_credit(HelpLanguage::French).contains(QString::fromUtf8("un jeu de l'équipe Drippo")));
}

}  // namespace
}  // namespace drippo::ui::testing
