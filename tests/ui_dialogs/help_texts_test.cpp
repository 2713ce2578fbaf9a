// The help window's texts: every page, tab and piece has its text in both
// languages, French paragraphs are laid out in lines, nothing reads as markup.
#include "ui/dialogs/help_texts.h"

#include <gtest/gtest.h>

#include "ui/common/key_actions.h"

#include <QRegularExpression>
#include <QStringList>
#include <set>
#include <vector>

namespace drippo::ui::testing {
namespace {

constexpr HelpLanguage both[] = {HelpLanguage::French, HelpLanguage::English};

std::string utf8(const QString& s) { return s.toStdString(); }

// The box's paragraphs: separated by a line holding a single space.
QStringList paragraphs_of(const QString& text) { return text.split(QStringLiteral("\n \n")); }

// Every text the window can show.
std::vector<QString> all_texts(HelpLanguage l) {
  std::vector<QString> texts;
  for (int box = 0; box < help_box_count; ++box) texts.push_back(help_box_text(box, l));
  for (int tab = 0; tab < 4; ++tab) texts.push_back(help_tab_caption(tab, l));
  for (int t = 1; t <= 20; ++t) texts.push_back(piece_description(t, l));
  return texts;
}

TEST(HelpTexts, EveryBoxTabAndPieceHasItsTextInBothLanguages) {
  for (int box = 0; box < help_box_count; ++box) {
    const QString french = help_box_text(box, HelpLanguage::French);
    const QString english = help_box_text(box, HelpLanguage::English);
    // The description boxes wait for a click on a piece.
    EXPECT_EQ(french.isEmpty(), box == help_box::description(HelpLanguage::French)) << box;
    EXPECT_EQ(english.isEmpty(), box == help_box::description(HelpLanguage::English)) << box;
    if (!french.isEmpty() && !english.isEmpty()) {
      EXPECT_NE(french, english) << box;
    }
  }
  for (const HelpLanguage l : both) {
    std::set<std::string> captions;
    for (int tab = 0; tab < 4; ++tab) {
      EXPECT_TRUE(captions.insert(utf8(help_tab_caption(tab, l))).second) << tab;
      EXPECT_FALSE(help_tab_caption(tab, l).isEmpty()) << tab;
    }
    std::set<std::string> names;
    for (int t = 1; t <= 20; ++t) {
      // "Name: what it does", a name of its own for each piece.
      const QString text = piece_description(t, l);
      const qsizetype colon = text.indexOf(QStringLiteral(": "));
      ASSERT_GT(colon, 0) << t;
      EXPECT_GT(text.size(), colon + 10) << t;
      EXPECT_TRUE(names.insert(utf8(text.left(colon))).second) << utf8(text);
    }
    for (const int t : {0, 21, -1}) EXPECT_TRUE(piece_description(t, l).isEmpty()) << t;
    for (const int tab : {-1, 4}) EXPECT_TRUE(help_tab_caption(tab, l).isEmpty()) << tab;
  }
  for (int tab = 0; tab < 4; ++tab) {
    EXPECT_NE(help_tab_caption(tab, HelpLanguage::French), help_tab_caption(tab, HelpLanguage::English)) << tab;
  }
  for (int t = 1; t <= 20; ++t) {
    EXPECT_NE(piece_description(t, HelpLanguage::French), piece_description(t, HelpLanguage::English)) << t;
  }
}

TEST(HelpTexts, NothingReadsAsMarkupOrPointsAnywhere) {
  // The boxes are plain text: a tag or an entity would show raw.
  const QRegularExpression markup(QStringLiteral("<\\s*/?[A-Za-z!]|&#?[A-Za-z0-9]+;"));
  for (const HelpLanguage l : both) {
    for (const QString& text : all_texts(l)) {
      EXPECT_FALSE(markup.match(text).hasMatch()) << utf8(text);
      EXPECT_FALSE(text.contains('@')) << utf8(text);
      EXPECT_FALSE(text.contains(QStringLiteral("http"), Qt::CaseInsensitive)) << utf8(text);
      EXPECT_FALSE(text.contains('\r') || text.contains('\t')) << utf8(text);
    }
  }
}

TEST(HelpTexts, SpotTextsAreExactToTheLetter) {
  EXPECT_EQ(utf8(help_tab_caption(0, HelpLanguage::French)), "Régles");
  EXPECT_EQ(utf8(piece_description(4, HelpLanguage::French)), "Coude droit: L'eau entrant par le eau tourne à droite.");
  EXPECT_EQ(utf8(piece_description(17, HelpLanguage::French)),
            "Pot de fleurs: Il s'agit d'un objectif à remplir. Pour qu'un pot de fleurs soit considéré  comme "
            "rempli, il faut y verser 30 gouttes d'eau. Vous pouvez savoir à tout moment le nombre de gouttes "
            "d'eau nécessaire au remplissage en passant la souris dessus.");
  EXPECT_EQ(utf8(help_box_text(help_box::objects_heading, HelpLanguage::English)),
            "\nThis is the list of the available objects. Click on one of them to have its description.");
}

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
  // The long paragraphs really are broken, and English ones are not.
  EXPECT_TRUE(help_box_text(help_box::introduction, HelpLanguage::French).contains('\n'));
  EXPECT_EQ(paragraphs_of(help_box_text(help_box::introduction, HelpLanguage::English)).size(), 3);
  EXPECT_FALSE(paragraphs_of(help_box_text(help_box::introduction, HelpLanguage::English))[1].contains('\n'));
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

TEST(HelpTexts, OurOwnPagesGiveTheGuideAndTheCredit) {
  EXPECT_TRUE(editor_guide(HelpLanguage::English).startsWith("EDITOR\n\n"));
  for (const HelpLanguage l : both) {
    const QString guide = help_box_text(help_box::editor, l);
    for (const char* step : {"1) ", "2) ", "3) ", "4) ", "5) ", "SHIFT", "CTRL", "Ctrl+Z", "Ctrl+Y", "Ctrl+Shift+Z"}) {
      EXPECT_TRUE(guide.contains(step)) << step;
    }
    EXPECT_TRUE(help_box_text(help_box::credit, l).contains("Drippo"));
    // Every action of the main window, after the keys that do it.
    const std::int16_t langue = l == HelpLanguage::French ? 0 : 1;
    for (int a = static_cast<int>(Action::MoveCursor); a <= static_cast<int>(Action::Redo); ++a) {
      const auto action = static_cast<Action>(a);
      const QString does = action_text(action, langue);
      QString told;
      for (const QString& p : paragraphs_of(guide)) {
        if (p.simplified().contains(does)) told = p.simplified();
      }
      EXPECT_TRUE(told.startsWith(key_text(action, langue))) << utf8(does) << " in " << utf8(told);
    }
  }
}

}  // namespace
}  // namespace drippo::ui::testing
