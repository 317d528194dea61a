// Shortest round-trip numbers come from the portable std::to_chars look-alike.
#include "json.h"

#include <cmath>
#include <cstdio>

#include "numconv.h"

namespace kit {
namespace {

template <typename T>
std::string shortestNumber(T value) {
  if (!std::isfinite(value)) return "null";
  return shortestText(value);
}

}  // namespace

std::string jsonNumber(float value) {
  return shortestNumber(value);
}
std::string jsonNumber(double value) {
  return shortestNumber(value);
}

namespace {

// A JSON string of the text; with `bytes`, every byte past ASCII escaped as one character.
std::string quoted(std::string_view text, bool bytes) {
  std::string out = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20 || (bytes && c >= 0x7f)) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out += escaped;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

}  // namespace

std::string jsonString(std::string_view text) {
  return quoted(text, false);
}

std::string jsonBytes(std::string_view bytes) {
  return quoted(bytes, true);
}

JsonObject& JsonObject::raw(std::string_view key, std::string_view json) {
  if (!body_.empty()) body_ += ",";
  body_ += jsonString(key);
  body_ += ":";
  body_ += json;
  return *this;
}

JsonArray& JsonArray::raw(std::string_view json) {
  if (!body_.empty()) body_ += ",";
  body_ += json;
  return *this;
}

}  // namespace kit
