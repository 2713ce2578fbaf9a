// Which level names can be files: the names are generated from the rule as
// players' systems state it (every byte value inside a name, every device name
// in any case, with and without an extension), not copied from the code.
#include "storage/level_name.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>
#include <vector>

namespace drippo {
namespace {

using P = LevelNameProblem;

struct Case {
  std::string name;
  std::optional<P> problem;
  bool stays_in_folder;  // still listed, read and deleted when found on disk
};

std::string printable(const std::string& name) {
  std::string out;
  for (const unsigned char c : name) out += std::isprint(c) ? std::string(1, static_cast<char>(c)) : "\\x" + std::to_string(c);
  return out;
}

std::vector<Case> generated_cases() {
  std::vector<Case> cases;
  const std::string_view reserved = "<>:\"|?*";
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    if (c == '/' || c == '\\') {
      cases.push_back({std::string("a") + c + "b", P::Separator, false});
    } else if (b < 0x20 || b == 0x7F) {
      cases.push_back({std::string("a") + c + "b", P::ControlChar, false});
    } else if (reserved.find(c) != std::string_view::npos) {
      cases.push_back({std::string("a") + c + "b", P::ReservedChar, true});
    } else {
      cases.push_back({std::string("a") + c + "b", std::nullopt, true});
    }
  }
  // U+0080..U+009F are controls too; U+00A0, the next one, is a space.
  for (int b = 0x80; b <= 0x9F; ++b) cases.push_back({std::string("a\xC2") + static_cast<char>(b) + "b", P::ControlChar, false});
  cases.push_back({"a\xC2\xA0" "b", std::nullopt, true});

  std::vector<std::string> devices = {"CON", "PRN", "AUX", "NUL"};
  for (const char* port : {"COM", "LPT"}) {
    for (char digit = '0'; digit <= '9'; ++digit) devices.push_back(port + std::string(1, digit));
  }
  for (const std::string& device : devices) {
    const bool reserved_device = device.back() != '0';  // ports count from 1
    std::string lower = device, capital = device, mixed = device;
    for (std::size_t i = 0; i < device.size(); ++i) {
      lower[i] = static_cast<char>(std::tolower(device[i]));
      if (i > 0) capital[i] = lower[i];
      if (i % 2 == 1) mixed[i] = lower[i];
    }
    for (const std::string& spelt : {device, lower, capital, mixed}) {
      for (const char* extension : {"", ".tab", ".x.y", " .tab"}) {
        cases.push_back({spelt + extension, reserved_device ? std::optional(P::DeviceName) : std::nullopt, true});
      }
    }
  }
  for (const char* close : {"CONSOLE", "COM10", "LPT10", "NULL", "xCON", "CO", "COM", "con-tab", "Con tab.tab",
                            "a.b", "café", "..a", ".tab", " a"}) {
    cases.push_back({close, std::nullopt, true});
  }

  cases.push_back({"", P::Empty, false});
  cases.push_back({".", P::DotsOnly, false});
  cases.push_back({"..", P::DotsOnly, false});
  for (const char* trailing : {"...", "a.", "a ", "a. ", "CON."}) cases.push_back({trailing, P::TrailingDotOrSpace, true});
  // A separator or a control beside a lesser problem still keeps the file out.
  cases.push_back({"a:b/c", P::Separator, false});
  cases.push_back({"..\\con", P::Separator, false});
  cases.push_back({"a?b\x01", P::ControlChar, false});
  cases.push_back({"nul\n", P::ControlChar, false});
  return cases;
}

TEST(LevelName, RefusesWhatSomeSystemCannotNameAndKeepsEveryFileInItsFolder) {
  for (const Case& c : generated_cases()) {
    EXPECT_EQ(level_name_problem(c.name), c.problem) << printable(c.name);
    EXPECT_EQ(is_plain_file_name(c.name), c.stays_in_folder) << printable(c.name);
  }
}

TEST(LevelName, EveryProblemIsToldInBothLanguages) {
  for (const P problem : {P::Empty, P::Separator, P::DotsOnly, P::ControlChar, P::ReservedChar,
                          P::TrailingDotOrSpace, P::DeviceName}) {
    const std::string french = level_name_message(problem, "x", 0);
    const std::string english = level_name_message(problem, "x", 1);
    EXPECT_FALSE(french.empty());
    EXPECT_FALSE(english.empty());
    EXPECT_NE(french, english);
    EXPECT_EQ(level_name_message(problem, "x", 7), english);
  }
}

}  // namespace
}  // namespace drippo
