// A minimal JSON writer for state dumps: objects and arrays built in order, numbers written
// with the fewest digits that read back the same float or double, non-finite as null.
#pragma once

#include <string>
#include <string_view>

namespace kit {

std::string jsonString(std::string_view text);
// The same for any bytes: each byte past ASCII as the character of its value (\u00XX), so that
// a reader gets the very bytes back, valid UTF-8 or not.
std::string jsonBytes(std::string_view bytes);
std::string jsonNumber(float value);
std::string jsonNumber(double value);
inline std::string jsonNumber(int value) {
  return std::to_string(value);
}

class JsonObject {
 public:
  JsonObject& add(std::string_view key, float value) { return raw(key, jsonNumber(value)); }
  JsonObject& add(std::string_view key, double value) { return raw(key, jsonNumber(value)); }
  JsonObject& add(std::string_view key, int value) { return raw(key, std::to_string(value)); }
  JsonObject& add(std::string_view key, bool value) { return raw(key, value ? "true" : "false"); }
  JsonObject& add(std::string_view key, std::string_view value) {
    return raw(key, jsonString(value));
  }
  JsonObject& add(std::string_view key, const char* value) {
    return add(key, std::string_view(value));
  }
  JsonObject& raw(std::string_view key, std::string_view json);
  std::string str() const { return "{" + body_ + "}"; }

 private:
  std::string body_;
};

class JsonArray {
 public:
  JsonArray& raw(std::string_view json);
  std::string str() const { return "[" + body_ + "]"; }

 private:
  std::string body_;
};

}  // namespace kit
