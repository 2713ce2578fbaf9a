// The help window's texts: how French paragraphs are laid out, and what each box holds.
#include "ui/dialogs/help_texts.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <set>

namespace drippo::ui::testing {
namespace {

std::string utf8(const QString& s) { return s.toStdString(); }

// The box's paragraphs: separated by a line holding a single space.
QStringList paragraphs_of(const QString& text) { return text.split(QStringLiteral("\n \n")); }

TEST(HelpTexts, FrenchParagraphsAreBrokenIntoLinesOfAboutEightyFiveCharacters) {
  using namespace help_box;
  for (const int box : {introduction, glass, flower_pot, fish_bowl, end_of_game, objects_heading,
                        controls(HelpLanguage::French)}) {
    SCOPED_TRACE(box);
    const QStringList shown = paragraphs_of(help_box_text(box, HelpLanguage::French));
    for (const QString& paragraph : shown) {
      const QStringList lines = paragraph.split('\n');
      for (qsizetype l = 0; l < lines.size(); ++l) {
        EXPECT_LE(lines[l].size(), french_line_width) << utf8(lines[l]);
        // A line ends only where the next word would not fit.
        if (l + 1 < lines.size()) {
          const QString next_word = lines[l + 1].section(' ', 0, 0);
          EXPECT_GT(lines[l].size() + 1 + next_word.size(), french_line_width) << utf8(lines[l]);
        }
      }
    }
  }
  // The long paragraphs really are broken.
  EXPECT_TRUE(help_box_text(help_box::introduction, HelpLanguage::French).contains('\n'));
}

TEST(HelpTexts, EveryPieceHasItsOwnDescriptionInBothLanguages) {
  std::set<std::string> seen;
  for (int t = 1; t <= 20; ++t) {
    const QString french = piece_description(t, HelpLanguage::French);
    const QString english = piece_description(t, HelpLanguage::English);
    EXPECT_FALSE(french.isEmpty()) << t;
    EXPECT_NE(french, english) << t;
    EXPECT_TRUE(seen.insert(utf8(french)).second) << t;
    EXPECT_TRUE(seen.insert(utf8(english)).second) << t;
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
