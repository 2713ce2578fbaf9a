#include "game/control_text.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace drippo {

double leading_number(std::string_view text) {
  std::size_t i = 0;
  auto at = [&](std::size_t k) { return k < text.size() ? text[k] : '\0'; };
  while (at(i) == ' ' || at(i) == '\t') ++i;
  std::string digits;
  if (at(i) == '+' || at(i) == '-') digits += text[i++];
  bool any_digit = false;
  while (std::isdigit(static_cast<unsigned char>(at(i)))) { digits += text[i++]; any_digit = true; }
  if (at(i) == '.') {
    digits += text[i++];
    while (std::isdigit(static_cast<unsigned char>(at(i)))) { digits += text[i++]; any_digit = true; }
  }
  if (!any_digit) return 0.0;
  if (at(i) == 'e' || at(i) == 'E') {
    std::size_t k = i + 1;
    std::string exponent = "e";
    if (at(k) == '+' || at(k) == '-') exponent += text[k++];
    bool exp_digit = false;
    while (std::isdigit(static_cast<unsigned char>(at(k)))) { exponent += text[k++]; exp_digit = true; }
    if (exp_digit) digits += exponent;
  }
  const double value = std::strtod(digits.c_str(), nullptr);
  return std::isfinite(value) ? value : 0.0;
}

std::string number_text(double value) {
  if (!std::isfinite(value)) return "0";
  if (value == 0.0) return "0";  // never "-0"
  if (std::abs(value) < 1e15 && value == std::trunc(value)) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.0f", value);
    return buf;
  }
  // Shortest text that reads back as the same number.
  char buf[40];
  for (int precision = 1; precision <= 17; ++precision) {
    std::snprintf(buf, sizeof buf, "%.*g", precision, value);
    if (std::strtod(buf, nullptr) == value) break;
  }
  return buf;
}

std::string single_text(float value) {
  if (!std::isfinite(value)) return "0";
  if (value == std::trunc(value) && std::abs(value) < 1e15f) return number_text(value);
  char buf[40];
  for (int precision = 1; precision <= 9; ++precision) {
    std::snprintf(buf, sizeof buf, "%.*g", precision, static_cast<double>(value));
    if (std::strtof(buf, nullptr) == value) break;
  }
  return buf;
}

}  // namespace drippo
