// Appearance values a form's description gives its controls: colours as the design writes them
// (&H00BBGGRR, or &H800000nn for a system colour) and fonts by their design face name.
#pragma once

#include <cstdint>
#include <string>

namespace kit {

using Color = std::uint32_t;

namespace colors {
constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kRed = 0x0000FF;
constexpr Color kDarkBlue = 0xC00000;
constexpr Color kMenu = 0x80000004;              // menu background
constexpr Color kWindowBackground = 0x80000005;  // white text boxes
constexpr Color kWindowText = 0x80000008;        // black text
constexpr Color kTitleBarText = 0x80000009;      // white surfaces
constexpr Color kInactiveBorder = 0x8000000B;
constexpr Color kHighlight = 0x8000000D;
constexpr Color kButtonFace = 0x8000000F;
}  // namespace colors

namespace faces {
inline const std::string kSong = "宋体";
inline const std::string kKai = "楷体_GB2312";
inline const std::string kTimes = "Times New Roman";
}  // namespace faces

struct Font {
  std::string face = faces::kSong;
  double points = 9.0;
  bool bold = false;
};

// Twips are the design's unit: 15 to a logical pixel, 20 to a point.
constexpr double kTwipsPerPixel = 15.0;
constexpr double kTwipsPerPoint = 20.0;

// The twips a design rectangle is given in (left, top, width, height).
struct TwipRect {
  double left = 0, top = 0, width = 0, height = 0;
};

}  // namespace kit
