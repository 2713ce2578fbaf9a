#pragma once

#include <span>

#include <QString>

namespace drippo::ui {

// Every text box of the help window exists twice, text_fr(i) and text_uk(i),
// i from 0 to help_box_count - 1.
inline constexpr int help_box_count = 11;

enum class HelpLanguage { French, English };

// What the boxes hold, by number. The Objects page crosses its numbers: the
// description box is 10 in French and 9 in English, the controls text the other.
namespace help_box {
inline constexpr int introduction = 0;
inline constexpr int glass = 1;
inline constexpr int flower_pot = 2;
inline constexpr int fish_bowl = 3;
inline constexpr int end_of_game = 4;
inline constexpr int credit = 5;
inline constexpr int terms = 6;
inline constexpr int editor = 7;
inline constexpr int objects_heading = 8;
constexpr int description(HelpLanguage l) { return l == HelpLanguage::French ? 10 : 9; }
constexpr int controls(HelpLanguage l) { return l == HelpLanguage::French ? 9 : 10; }
}  // namespace help_box

// French paragraphs are broken into lines of at most this many characters.
inline constexpr int french_line_width = 85;

// The text box i of a language holds at opening; the description boxes are empty.
QString help_box_text(int box, HelpLanguage language);

// What a click on piece picture t shows; empty for t outside 1..20.
QString piece_description(int piece, HelpLanguage language);

// Caption of tab 0 (Rules) to 3 (About).
QString help_tab_caption(int tab, HelpLanguage language);

// The paragraph broken at spaces into lines of at most width characters (a
// word longer than that stays whole); each space where a line ends gives way
// to the line break, so joining the lines with spaces gives the paragraph back.
QString break_lines(const QString& paragraph, int width);

// Paragraphs one after the other, each followed by a line holding a single
// space but the last; French ones broken into lines of french_line_width.
QString join_paragraphs(std::span<const char* const> paragraphs, HelpLanguage language);

// Our own pages: the editor guide, and the About page's credit line and terms.
QString editor_guide(HelpLanguage language);
QString about_credit(HelpLanguage language);
QString about_terms(HelpLanguage language);

}  // namespace drippo::ui
