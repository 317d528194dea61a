// The portable number texts against the standard library's own, byte for byte: the WebAssembly
// build has only the portable ones, and its dumps must match the native build's.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "kit/numconv.h"

namespace {

template <typename T>
std::string standardShortest(T value) {
  char buffer[128];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// Collects the values whose texts differ, so one failure shows a few examples, not thousands.
template <typename T>
std::vector<std::string> shortestMismatches(const std::vector<T>& values) {
  std::vector<std::string> wrong;
  for (T value : values) {
    for (T either : {value, -value}) {
      const std::string expected = standardShortest(either);
      const std::string actual = kit::shortestText(either);
      if (actual != expected && wrong.size() < 10) wrong.push_back(expected + " written " + actual);
    }
  }
  return wrong;
}

template <typename T, typename Bits>
std::vector<T> randomBitPatterns(std::size_t count, std::uint64_t seed) {
  std::mt19937_64 random(seed);
  std::vector<T> values;
  while (values.size() < count) {
    const T value = std::bit_cast<T>(static_cast<Bits>(random()));
    if (std::isfinite(value)) values.push_back(value);
  }
  return values;
}

// Every power of two (where the values that read back the same reach further up than down),
// and the values just beside each.
template <typename T>
std::vector<T> powersOfTwoAndNeighbours() {
  std::vector<T> values;
  for (T value = std::numeric_limits<T>::denorm_min(); std::isfinite(value); value *= 2) {
    values.push_back(value);
    values.push_back(std::nextafter(value, T(0)));
    values.push_back(std::nextafter(value, std::numeric_limits<T>::infinity()));
  }
  return values;
}

// Powers of ten, round decimals at every scale and their neighbours: where plain and exponent
// forms change places, and the whole numbers whose plain form shows their exact digits.
template <typename T>
std::vector<T> decimalsAtEveryScale(int lowest, int highest) {
  std::vector<T> values;
  for (int exponent = lowest; exponent <= highest; ++exponent) {
    for (const char* mantissa : {"1", "1.5", "9.99", "1.2345678", "1.2345678901234568",
                                 "4.9406564584124654", "3.4028235", "1.7976931348623157"}) {
      const std::string text = std::string(mantissa) + "e" + std::to_string(exponent);
      const T value = static_cast<T>(std::strtod(text.c_str(), nullptr));
      if (!std::isfinite(value) || value == 0) continue;
      values.push_back(value);
      values.push_back(std::nextafter(value, T(0)));
      values.push_back(std::nextafter(value, std::numeric_limits<T>::infinity()));
    }
  }
  return values;
}

template <typename T>
std::vector<T> limitsAndIntegers() {
  using limits = std::numeric_limits<T>;
  std::vector<T> values = {
      T(0),   limits::min(), limits::max(), limits::denorm_min(), limits::epsilon(),
      T(0.1), T(0.5),        T(1) / 3,      T(767.67676),         T(-0.5333)};
  for (int i = 1; i <= 100000; i += (i < 2000 ? 1 : 997)) values.push_back(static_cast<T>(i));
  for (int bits : {24, 53, 64}) {
    const T base = std::ldexp(T(1), bits);
    for (int i = -3; i <= 3; ++i) values.push_back(base + T(i) * std::ldexp(T(1), bits - 23));
  }
  return values;
}

TEST(ShortestText, FloatsWriteAsToCharsDoes) {
  EXPECT_EQ(shortestMismatches(randomBitPatterns<float, std::uint32_t>(200000, 1)),
            std::vector<std::string>{});
  EXPECT_EQ(shortestMismatches(powersOfTwoAndNeighbours<float>()), std::vector<std::string>{});
  EXPECT_EQ(shortestMismatches(decimalsAtEveryScale<float>(-46, 39)), std::vector<std::string>{});
  EXPECT_EQ(shortestMismatches(limitsAndIntegers<float>()), std::vector<std::string>{});
}

TEST(ShortestText, DoublesWriteAsToCharsDoes) {
  EXPECT_EQ(shortestMismatches(randomBitPatterns<double, std::uint64_t>(100000, 2)),
            std::vector<std::string>{});
  EXPECT_EQ(shortestMismatches(powersOfTwoAndNeighbours<double>()), std::vector<std::string>{});
  EXPECT_EQ(shortestMismatches(decimalsAtEveryScale<double>(-325, 309)),
            std::vector<std::string>{});
  EXPECT_EQ(shortestMismatches(limitsAndIntegers<double>()), std::vector<std::string>{});
}

TEST(ShortestText, SubnormalsWriteAsToCharsDoes) {
  std::mt19937_64 random(3);
  std::vector<float> floats;
  std::vector<double> doubles;
  for (int i = 0; i < 20000; ++i) {
    floats.push_back(std::bit_cast<float>(static_cast<std::uint32_t>(random() & 0x7FFFFF)));
    doubles.push_back(std::bit_cast<double>(random() & 0xFFFFFFFFFFFFFull));
  }
  EXPECT_EQ(shortestMismatches(floats), std::vector<std::string>{});
  EXPECT_EQ(shortestMismatches(doubles), std::vector<std::string>{});
}

TEST(ShortestText, NonFiniteAndZeroWriteAsToCharsDoes) {
  for (double value : {0.0, -0.0, HUGE_VAL, -HUGE_VAL, std::numeric_limits<double>::quiet_NaN(),
                       -std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_EQ(kit::shortestText(value), standardShortest(value));
    EXPECT_EQ(kit::shortestText(static_cast<float>(value)),
              standardShortest(static_cast<float>(value)));
  }
}

TEST(ScientificText, WritesAsToCharsDoes) {
  std::vector<double> values = randomBitPatterns<double, std::uint64_t>(20000, 4);
  for (double value : decimalsAtEveryScale<double>(-325, 309)) values.push_back(value);
  for (double value : {0.0, -0.0, 9.9999999, 0.5, 2.5, 1e-320}) values.push_back(value);
  int wrong = 0;
  for (double value : values) {
    for (int precision : {0, 1, 6, 14, 17, 30}) {
      char buffer[512];
      const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                        std::chars_format::scientific, precision);
      const std::string expected(buffer, result.ptr);
      const std::string actual = kit::scientificText(value, precision);
      if (actual != expected && ++wrong <= 10) {
        EXPECT_EQ(actual, expected);
      }
    }
  }
}

// Reads with both and describes the outcome: error, characters used and the value's bits.
std::string readOutcome(const std::string& text, bool portable) {
  double value = -7.25;
  const char* first = text.data();
  const auto [end, error] = portable ? kit::fromChars(first, first + text.size(), value)
                                     : std::from_chars(first, first + text.size(), value);
  char bits[32];
  std::snprintf(bits, sizeof bits, "%016llx",
                static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(value)));
  if (std::isnan(value)) std::snprintf(bits, sizeof bits, "%snan", std::signbit(value) ? "-" : "");
  return "'" + text + "' error " + std::to_string(static_cast<int>(error)) + " used " +
         std::to_string(end - first) + " value " + bits;
}

TEST(FromChars, ReadsAsTheStandardOneDoes) {
  std::vector<std::string> texts = {
      "",
      "-",
      "+1",
      " 1",
      "1",
      "-1",
      "0",
      "-0",
      "1.",
      ".5",
      "-.5",
      ".",
      "-.",
      "1e",
      "1e+",
      "1e-",
      "1e5",
      "1E5",
      "1e+5",
      "1e-5",
      "1.5e3x",
      "12abc",
      "0x10",
      "-0x1p3",
      "inf",
      "-inf",
      "INF",
      "Infinity",
      "infin",
      "infinityy",
      "nan",
      "-nan",
      "NaN",
      "nan()",
      "nan(abc_12)",
      "nan(-)",
      "nan(abc",
      "1e-310",
      "4e-324",
      "2e-324",
      "2.4703282292062328e-324",
      "2.4703282292062327e-324",
      "1e-400",
      "1e400",
      "-1e400",
      "1.7976931348623157e308",
      "1.7976931348623158e308",
      "1.7976931348623159e308",
      "0e999999",
      "0.000e-99999999999999999",
      "1e-99999999999999999999",
      "1e99999999999999999999",
      "123456789012345678901234567890",
      "0.1000000000000000055511151231257827021181583404541015625",
      "2.5",
      "3.5080645",
      "767.67676",
      "-0.5333",
      "1.5.5",
      "--1",
      "1e5e5",
      "9007199254740993",
  };
  std::mt19937_64 random(5);
  const std::string alphabet = "0123456789012345678901234567890123456789..eE+-+-nanifty()x_ ";
  for (int i = 0; i < 20000; ++i) {
    std::string text;
    for (std::size_t length = random() % 12; length > 0; --length)
      text += alphabet[random() % alphabet.size()];
    texts.push_back(text);
  }
  for (double value : randomBitPatterns<double, std::uint64_t>(5000, 6)) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", static_cast<int>(random() % 18 + 1), value);
    texts.push_back(buffer);
  }
  int wrong = 0;
  for (const std::string& text : texts) {
    const std::string expected = readOutcome(text, false);
    if (wrong < 10 && readOutcome(text, true) != expected) {
      ADD_FAILURE() << expected << " but the portable reader gives " << readOutcome(text, true);
      ++wrong;
    }
  }
}

}  // namespace
