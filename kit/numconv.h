// Number texts as std::to_chars writes them and std::from_chars reads them, built on the C
// library's printf and strtod for writing and on fast_float for reading: standard libraries
// without the floating-point overloads (the WebAssembly one) then print and read the same digits.
#pragma once

#include <charconv>
#include <string>

namespace kit {

// std::to_chars(first, last, value): the fewest digits that read back as the same value, plain
// or in exponent form, whichever is shorter (plain on a tie); "inf", "nan" and "-0" as well.
std::string shortestText(float value);
std::string shortestText(double value);

// std::to_chars(first, last, value, std::chars_format::scientific, precision).
std::string scientificText(double value, int precision);

// std::from_chars(first, last, value) for double: the same grammar (no "+", blanks or hex), the
// same end of the number read, the same errors, and the value left alone on an error.
std::from_chars_result fromChars(const char* first, const char* last, double& value);

}  // namespace kit
