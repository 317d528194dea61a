// The numeric-text test: optional blanks, optional sign, digits with an optional point,
// optional exponent, optional blanks. Nothing else (no inf, nan or hexadecimal).
#pragma once

#include <optional>
#include <string_view>

namespace kit {

bool isNumeric(std::string_view text);

// The value of a numeric text; nullopt when the text is not numeric. A value beyond the range
// of double comes back as an infinity of its sign, so the caller can refuse it.
std::optional<double> toNumber(std::string_view text);

}  // namespace kit
