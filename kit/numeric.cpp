// A hand-written scanner for the number grammar, then fromChars on the checked text, which
// does not depend on the C locale's decimal point.
#include "numeric.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "numconv.h"

namespace kit {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Returns the number without its blanks, or an empty view when the grammar refuses the text.
std::string_view numberPart(std::string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;
  const std::string_view core = text.substr(begin, end - begin);

  std::size_t i = 0;
  if (i < core.size() && (core[i] == '+' || core[i] == '-')) ++i;
  std::size_t mantissaDigits = 0;
  while (i < core.size() && isDigit(core[i])) ++i, ++mantissaDigits;
  if (i < core.size() && core[i] == '.') {
    ++i;
    while (i < core.size() && isDigit(core[i])) ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) return {};
  if (i < core.size() && (core[i] == 'e' || core[i] == 'E')) {
    ++i;
    if (i < core.size() && (core[i] == '+' || core[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    while (i < core.size() && isDigit(core[i])) ++i, ++exponentDigits;
    if (exponentDigits == 0) return {};
  }
  return i == core.size() ? core : std::string_view{};
}

// Roughly the power of ten of an unsigned number text: positive for huge, negative for tiny.
long decimalMagnitude(std::string_view number) {
  const std::size_t e = number.find_first_of("eE");
  long exponent = 0;
  if (e != std::string_view::npos) {
    const std::string_view digits = number.substr(e + 1);
    const bool negative = digits.starts_with('-');
    for (char c : digits)
      if (isDigit(c) && exponent < 100000) exponent = exponent * 10 + (c - '0');
    if (negative) exponent = -exponent;
    number = number.substr(0, e);
  }
  const std::size_t point = std::min(number.find('.'), number.size());
  const std::size_t firstNonZero = number.find_first_not_of("0.");
  if (firstNonZero == std::string_view::npos) return -100000;  // zero underflows to zero
  const long shift = firstNonZero < point ? static_cast<long>(point - firstNonZero)
                                          : -static_cast<long>(firstNonZero - point - 1);
  return exponent + shift;
}

}  // namespace

bool isNumeric(std::string_view text) {
  return !numberPart(text).empty();
}

std::optional<double> toNumber(std::string_view text) {
  std::string_view number = numberPart(text);
  if (number.empty()) return std::nullopt;
  bool negative = false;
  if (number[0] == '+' || number[0] == '-') {
    negative = number[0] == '-';
    number.remove_prefix(1);
  }
  double value = 0.0;
  const auto [end, error] = fromChars(number.data(), number.data() + number.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    // fromChars leaves the value alone here: tell overflow from underflow by magnitude.
    value = decimalMagnitude(number) > 0 ? HUGE_VAL : 0.0;
  }
  return negative ? -value : value;
}

}  // namespace kit
