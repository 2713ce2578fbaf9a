#pragma once

#include <string>
#include <string_view>

namespace drippo {

// Counts, time and water live as the text of their boxes, as the player typed
// them or a level file stored them. These two functions are the only way the
// game turns such text into a number and back.

// The number at the start of the text: leading blanks skipped, an optional
// sign, digits with an optional decimal point and exponent. 0 when the text
// does not start with a number.
double leading_number(std::string_view text);

// The shortest decimal text of a number, as a box shows it: "12", "-3", "2.5".
std::string number_text(double value);

// The same for a single-precision number, shortest at single precision: a
// level's time scaled by the difficulty is computed in single precision, and
// files store some numbers so; 10.3 must show as "10.3", not as the double
// nearest to the float.
std::string single_text(float value);

}  // namespace drippo
