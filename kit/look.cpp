// Colours, faces and sizes of the design on screen.
#include "look.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace kit {
namespace {

bool sameName(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

Rgb rgbOf(Color color) {
  if (color & 0x80000000u) {
    switch (color & 0xFF) {
      case 0x04:
        // Menu background: white, as in the light scheme the lessons were drawn on, so the
        // white pixels that move the text position on a grid stay unseen.
        return {255, 255, 255};
      case 0x05:
        return {255, 255, 255};  // window background
      case 0x08:
        return {0, 0, 0};  // window text
      case 0x09:
        return {255, 255, 255};  // title-bar text
      case 0x0B:
        return {212, 208, 200};  // inactive border
      case 0x0D:
        return {0, 120, 215};  // selection highlight
      case 0x0F:
        return {240, 240, 240};  // button face
      case 0x12:
        return {0, 0, 0};  // button text
      default:
        return {240, 240, 240};
    }
  }
  return {static_cast<std::uint8_t>(color & 0xFF), static_cast<std::uint8_t>((color >> 8) & 0xFF),
          static_cast<std::uint8_t>((color >> 16) & 0xFF)};
}

std::vector<std::string> familiesFor(const std::string& face) {
  const std::vector<std::string> song = {"宋体", "SimSun", "AR PL UMing CN", "Noto Serif CJK SC"};
  if (sameName(face, faces::kKai))
    return {"楷体_GB2312", "KaiTi", "AR PL UKai CN", "AR PL UMing CN"};
  if (sameName(face, faces::kTimes)) {
    // Vectors Serif: the site's own subset of Liberation Serif, which may not keep that name.
    std::vector<std::string> times = {"Times New Roman", "Liberation Serif", "Vectors Serif"};
    times.insert(times.end(), song.begin(), song.end());
    return times;
  }
  return song;
}

int fontPixels(const Font& font, double zoom) {
  const double size = font.points * kTwipsPerPoint / kTwipsPerPixel * zoom;
  return std::max(1, static_cast<int>(std::lround(size)));
}

}  // namespace kit
