// The dump's JSON: texts escaped so any caption or typed text stays one valid JSON string, and
// numbers that read back as the very float or double they were.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>

#include "kit/json.h"

namespace {

TEST(Json, TextsAreEscapedAndChineseKeptAsItIs) {
  EXPECT_EQ(kit::jsonString("作a-b"), "\"作a-b\"");
  EXPECT_EQ(kit::jsonString("say \"hi\"\\"), "\"say \\\"hi\\\"\\\\\"");
  EXPECT_EQ(kit::jsonString("在左侧窗中\r\n，用左键"), "\"在左侧窗中\\r\\n，用左键\"");
  EXPECT_EQ(kit::jsonString(std::string("\x01\x1f\t", 3)), "\"\\u0001\\u001f\\t\"");
  EXPECT_EQ(kit::jsonString(std::string("a\0b", 3)), "\"a\\u0000b\"");
}

TEST(Json, NumbersReadBackExactlyAndNonFiniteIsNull) {
  EXPECT_EQ(kit::jsonNumber(767.67676f), "767.67676");
  EXPECT_EQ(kit::jsonNumber(3.0f), "3");
  EXPECT_EQ(kit::jsonNumber(0.1), "0.1");
  EXPECT_EQ(kit::jsonNumber(std::numeric_limits<float>::infinity()), "null");
  EXPECT_EQ(kit::jsonNumber(std::nan("")), "null");
  std::mt19937_64 random(7);
  for (int i = 0; i < 20000; ++i) {
    const double d = std::ldexp(std::uniform_real_distribution<double>(-1, 1)(random),
                                std::uniform_int_distribution<int>(-60, 60)(random));
    EXPECT_EQ(std::strtod(kit::jsonNumber(d).c_str(), nullptr), d);
    const float f = static_cast<float>(d);
    EXPECT_EQ(std::strtof(kit::jsonNumber(f).c_str(), nullptr), f);
  }
}

}  // namespace
