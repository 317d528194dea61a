// Shortest digits from correctly rounded decimals of a given length that read back the same:
// printf and strtod are exact on every C library this builds with. Reading is fast_float's,
// with the standard reader's range errors added.
#include "numconv.h"

#include <locale.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <type_traits>

#include <fast_float/fast_float.h>

namespace kit {
namespace {

// printf and strtod follow the thread's C locale, which a window toolkit may switch to one
// with a decimal comma.
class ClassicLocale {
 public:
  ClassicLocale() : previous_(uselocale(classic())) {}
  ~ClassicLocale() { uselocale(previous_); }
  ClassicLocale(const ClassicLocale&) = delete;
  ClassicLocale& operator=(const ClassicLocale&) = delete;

 private:
  static locale_t classic() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return c;  // uselocale(0) changes nothing, should newlocale ever fail
  }
  locale_t previous_;
};

// digits[0].digits[1..] times ten to the exponent; no sign.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

Decimal nearestDecimal(double value, int digitCount) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", digitCount - 1, value);
  Decimal out;
  const char* c = buffer;
  for (; *c != 'e'; ++c)
    if (*c >= '0' && *c <= '9') out.digits += *c;
  out.exponent = std::atoi(c + 1);
  return out;
}

// The decimal one unit of its last digit above or below; no digits when that is zero.
Decimal neighbour(Decimal d, bool up) {
  std::string& s = d.digits;
  int i = static_cast<int>(s.size()) - 1;
  if (up) {
    for (; i >= 0 && s[i] == '9'; --i) s[i] = '0';
    if (i >= 0) {
      ++s[i];
    } else {
      s.insert(s.begin(), '1');
      s.pop_back();
      ++d.exponent;
    }
  } else {
    for (; i >= 0 && s[i] == '0'; --i) s[i] = '9';
    if (i < 0) return {};
    --s[i];
    if (s[0] == '0') {
      s.erase(s.begin());
      --d.exponent;
    }
  }
  return d;
}

template <typename T>
T readBack(const Decimal& d) {
  const std::string text =
      d.digits + "e" + std::to_string(d.exponent - static_cast<int>(d.digits.size()) + 1);
  if constexpr (std::is_same_v<T, float>) {
    return std::strtof(text.c_str(), nullptr);
  } else {
    return std::strtod(text.c_str(), nullptr);
  }
}

// The decimal of at most this many digits that reads back as the value, if there is one.
template <typename T>
std::optional<Decimal> readsBack(T value, int digitCount) {
  const Decimal nearest = nearestDecimal(value, digitCount);
  const T back = readBack<T>(nearest);
  if (back == value) return nearest;
  // At a power of two the values that read back the same reach twice as far above as below,
  // so the decimal beyond the value on the wider side may hit when the nearest misses.
  const Decimal other = neighbour(nearest, back < value);
  if (!other.digits.empty() && readBack<T>(other) == value) return other;
  return std::nullopt;
}

// Positive and finite values only. A decimal that reads back stays one with more digits, so
// the fewest digits are found by halving.
template <typename T>
Decimal shortestDecimal(T value) {
  int low = 1, high = std::numeric_limits<T>::max_digits10;
  Decimal found = *readsBack(value, high);
  while (low < high) {
    const int middle = (low + high) / 2;
    if (const auto hit = readsBack(value, middle)) {
      found = *hit;
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  while (found.digits.size() > 1 && found.digits.back() == '0') found.digits.pop_back();
  return found;
}

// The digits of a whole number's text, without its trailing zeros.
Decimal wholeDecimal(const std::string& text) {
  Decimal d{text, static_cast<int>(text.size()) - 1};
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

std::string exponentText(int exponent) {
  const std::string digits = std::to_string(std::abs(exponent));
  return std::string("e") + (exponent < 0 ? "-" : "+") + (digits.size() < 2 ? "0" : "") + digits;
}

template <typename T>
std::string shortest(T value) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  const std::string sign = std::signbit(value) ? "-" : "";
  if (std::isinf(value)) return sign + "inf";
  if (value == 0) return sign + "0";
  const ClassicLocale classic;
  const T magnitude = std::fabs(value);
  // Below 2^digits every whole number is exact, so no shorter decimal reads back as it: its own
  // digits are the shortest, and the search (a dozen printf and strtod) is skipped. Most numbers
  // the lessons write are whole.
  const bool whole = magnitude < std::ldexp(T(1), std::numeric_limits<T>::digits) &&
                     magnitude == std::floor(magnitude);
  const std::string wholeText = whole ? std::to_string(static_cast<long long>(magnitude)) : "";
  const Decimal d = whole ? wholeDecimal(wholeText) : shortestDecimal(magnitude);
  const int count = static_cast<int>(d.digits.size());
  const int e = d.exponent;
  const std::string scientific =
      d.digits.substr(0, 1) + (count > 1 ? "." + d.digits.substr(1) : "") + exponentText(e);
  const int plainLength = e < 0 ? 2 + (-e - 1) + count : std::max(count, e + 1) + (count > e + 1);
  if (plainLength > static_cast<int>(scientific.size())) return sign + scientific;
  if (e >= count - 1) {
    // A whole number is written with the digits of its exact value, as printf's %f does.
    if (whole) return sign + wholeText;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.0f", static_cast<double>(magnitude));
    return sign + buffer;
  }
  if (e >= 0) return sign + d.digits.substr(0, e + 1) + "." + d.digits.substr(e + 1);
  return sign + "0." + std::string(-e - 1, '0') + d.digits;
}

// Whether the digits before any exponent hold one that is not zero.
bool hasNonZeroDigit(const char* first, const char* last) {
  for (; first != last && *first != 'e' && *first != 'E'; ++first)
    if (*first >= '1' && *first <= '9') return true;
  return false;
}

}  // namespace

std::string shortestText(float value) {
  return shortest(value);
}
std::string shortestText(double value) {
  return shortest(value);
}

std::string scientificText(double value, int precision) {
  const ClassicLocale classic;
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, "%.*e", precision, value);
  return buffer;
}

std::from_chars_result fromChars(const char* first, const char* last, double& value) {
  double read = 0;
  const auto [end, error] = fast_float::from_chars(first, last, read);
  if (error != std::errc()) return {end, error};
  // fast_float reports no range errors: a number (not "inf") read as infinity has overflowed, and
  // one with a digit other than zero read as zero has underflowed.
  const char* digits = first + (*first == '-');
  const bool isNumber = (*digits >= '0' && *digits <= '9') || *digits == '.';
  if (isNumber && (std::isinf(read) || (read == 0 && hasNonZeroDigit(digits, end))))
    return {end, std::errc::result_out_of_range};
  value = read;
  return {end, std::errc()};
}

}  // namespace kit
