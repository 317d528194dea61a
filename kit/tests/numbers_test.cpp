// Number texts and the numeric-text grammar.
#include <gtest/gtest.h>

#include <cmath>

#include "kit/numeric.h"
#include "kit/numtext.h"

namespace {

TEST(FullText, IsPlainDecimalWithTheRuntimesDigits) {
  EXPECT_EQ(kit::fullText(3.0f), "3");
  EXPECT_EQ(kit::fullText(2.5f), "2.5");
  EXPECT_EQ(kit::fullText(3.5080645f), "3.508065");
  EXPECT_EQ(kit::fullText(-1.5f), "-1.5");
  EXPECT_EQ(kit::fullText(0.1f), "0.1");
  EXPECT_EQ(kit::fullText(-0.0f), "0");
  EXPECT_EQ(kit::fullText(1e30f), "1000000000000000000000000000000");
  EXPECT_EQ(kit::fullText(0.000000238f), "0.000000238");
  EXPECT_EQ(kit::fullText(123456789.0f), "123456800");
  EXPECT_EQ(kit::fullText(3.0), "3");
  EXPECT_EQ(kit::fullText(0.1 + 0.2), "0.3");
  EXPECT_EQ(kit::fullText(double(3.5080645f) * 3), "10.5241935253143");
  EXPECT_EQ(kit::fullText(1e6), "1000000");
  EXPECT_EQ(kit::fullText(-2.0), "-2");
}

TEST(ShortText, CutsToFourCharactersWithoutRounding) {
  EXPECT_EQ(kit::shortText(3.508065f), "3.50");
  EXPECT_EQ(kit::shortText(-1.234567f), "-1.2");
  EXPECT_EQ(kit::shortText(10.52419f), "10.5");
  EXPECT_EQ(kit::shortText(3.0f), "3");
  EXPECT_EQ(kit::shortText(-38.6), "-38.");
  EXPECT_EQ(kit::shortText(0.000000238), "0.00");
  EXPECT_EQ(kit::shortText(9.0), "9");
  EXPECT_EQ(kit::shortText(-300.5), "-300");
}

TEST(ShortText, KeepsEveryDigitBeforeThePoint) {
  EXPECT_EQ(kit::shortText(30000.0f), "30000");
  EXPECT_EQ(kit::shortText(-3000.0), "-3000");
  EXPECT_EQ(kit::shortText(12345.6), "12345");
  EXPECT_EQ(kit::shortText(-3000.5f), "-3000");
  EXPECT_EQ(kit::shortText(3000.5), "3000");
}

TEST(PointCaption, CutsBothCoordinates) {
  EXPECT_EQ(kit::pointCaption("B", -1.2f, 3.466667f), "B(-1.2,3.46)");
  EXPECT_EQ(kit::pointCaption("A", 6.0f, -0.5333f), "A(6,-0.5)");
}

TEST(PrintText, LeavesRoomForTheSign) {
  EXPECT_EQ(kit::printText(3), " 3");
  EXPECT_EQ(kit::printText(-1), "-1");
}

TEST(Numeric, AcceptsSignedDecimalsWithExponentsAndBlanks) {
  for (const char* text :
       {"3", "-1.5", "+2", "0", ".5", "5.", " 3 ", "\t7", "1e3", "1E-3", "-2.5e+2", "007", "1e39"})
    EXPECT_TRUE(kit::isNumeric(text)) << text;
  EXPECT_DOUBLE_EQ(*kit::toNumber(" -1.5 "), -1.5);
  EXPECT_DOUBLE_EQ(*kit::toNumber("+2"), 2.0);
  EXPECT_DOUBLE_EQ(*kit::toNumber("-2.5e+2"), -250.0);
  EXPECT_DOUBLE_EQ(*kit::toNumber(".5"), 0.5);
}

TEST(Numeric, RefusesEverythingElse) {
  for (const char* text :
       {"",      " ",   "-",   "+",   ".",        "-.",   "e3",  "1e",  "1e+", "3a",
        "1.2.3", "--1", "inf", "nan", "Infinity", "0x10", "1,5", "3 3", "１",  "+-1"})
    EXPECT_FALSE(kit::isNumeric(text)) << text;
  EXPECT_FALSE(kit::toNumber("nan").has_value());
}

TEST(Numeric, OutOfRangeValuesSaturate) {
  EXPECT_TRUE(std::isinf(*kit::toNumber("1e999")));
  EXPECT_LT(*kit::toNumber("-1e999"), 0);
  EXPECT_EQ(*kit::toNumber("1e-999"), 0.0);
  EXPECT_EQ(*kit::toNumber("0.0000e999"), 0.0);
  const std::string huge = "1" + std::string(400, '0');
  EXPECT_TRUE(std::isinf(*kit::toNumber(huge)));
  EXPECT_EQ(*kit::toNumber("0." + std::string(400, '0') + "1"), 0.0);
}

}  // namespace
