// Plain decimal formatting from the digits of the exponent form, which scientificText gives
// without regard to the C locale (a window toolkit may switch it to one with a decimal comma).
#include "numtext.h"

#include <cmath>
#include <cstdlib>

#include "numconv.h"

namespace kit {
namespace {

std::string plainDecimal(double value, int significantDigits) {
  if (!std::isfinite(value)) return "0";  // never stored in a control, but keep the text sane
  if (value == 0.0) return "0";
  std::string text = scientificText(value, significantDigits - 1);
  const bool negative = text[0] == '-';
  if (negative) text.erase(0, 1);
  const std::size_t e = text.find('e');
  const int exponent = std::atoi(text.c_str() + e + 1);
  std::string digits;
  for (std::size_t i = 0; i < e; ++i)
    if (text[i] != '.') digits += text[i];
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string result;
  if (exponent < 0) {
    result = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else {
    const std::size_t integerLength = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerLength) {
      result = digits + std::string(integerLength - digits.size(), '0');
    } else {
      result = digits.substr(0, integerLength) + "." + digits.substr(integerLength);
    }
  }
  return negative ? "-" + result : result;
}

std::string cutToFour(const std::string& full) {
  const std::size_t point = full.find('.');
  const std::size_t integerLength = point == std::string::npos ? full.size() : point;
  if (integerLength > 4) return full.substr(0, integerLength);
  return full.substr(0, 4);
}

}  // namespace

std::string fullText(float value) {
  return plainDecimal(value, 7);
}
std::string fullText(double value) {
  return plainDecimal(value, 15);
}
std::string shortText(float value) {
  return cutToFour(fullText(value));
}
std::string shortText(double value) {
  return cutToFour(fullText(value));
}

std::string pointCaption(std::string_view letter, float x, float y) {
  return std::string(letter) + "(" + shortText(x) + "," + shortText(y) + ")";
}

std::string printText(double value) {
  const std::string full = fullText(value);
  return full[0] == '-' ? full : " " + full;
}

}  // namespace kit
