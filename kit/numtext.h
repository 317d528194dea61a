// Number texts: the plain decimal text of a number (never an exponent form) and the short
// four-character text used in coordinate captions.
#pragma once

#include <string>
#include <string_view>

namespace kit {

// At most 7 significant digits, no trailing zeros, "-" for negatives, "." as the point.
std::string fullText(float value);
// The same with at most 15 significant digits.
std::string fullText(double value);

// The first four characters of the full text, cut and never rounded; an integer part longer
// than that is kept whole, as dropping digits before the point would show a wrong number.
std::string shortText(float value);
std::string shortText(double value);

// A point's caption with the short texts of its coordinates: "A(3.50,-1.2)".
std::string pointCaption(std::string_view letter, float x, float y);

// The text a number prints as on a drawing surface: a blank stands where a minus sign would.
std::string printText(double value);

}  // namespace kit
