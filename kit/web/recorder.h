// The kit's drawing primitives written down as a flat list of numbers and a table of strings,
// for a page to replay on its 2D canvas: one call across to the page per repaint instead of one
// per line, dot and letter.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "kit/scene.h"

namespace kitweb {

// Each command is its opcode followed by a fixed count of numbers. Colours are 0xRRGGBB;
// strings (texts, CSS fonts, picture files) are indexes into strings().
enum Op : int {
  kFillRect = 1,  // x, y, width, height, colour
  kDisc,          // x, y, radius, colour, smooth
  kLine,          // x1, y1, x2, y2, colour, width, flags
  kArc,           // x, y, radius, start degrees, span degrees, colour, width, flags
  kText,          // x, y, text, css font, colour
  kPicture,       // file, vector source (-1: none), x, y, width, height
  kMark,          // x, y, width, height, colour, circle
};

// How many numbers follow each opcode.
int operandCount(int op);

// Stroke flags of kLine and kArc.
enum StrokeFlag : int { kDotted = 1, kRoundCap = 2, kSmooth = 4 };

// A colour as one number, 0xRRGGBB.
int packed(kit::Rgb colour);

// The CSS `font` of a design font at a zoom: bold or not, its pixel size, its families in order.
std::string cssFont(const kit::Font& font, double zoom);

class CommandBuffer : public kit::Surface {
 public:
  // Texts are set in the fonts of this zoom.
  explicit CommandBuffer(double zoom) : zoom_(zoom) {}

  void clear();
  const std::vector<double>& numbers() const { return numbers_; }
  const std::vector<std::string>& strings() const { return strings_; }

  void fillRect(double x, double y, double width, double height, kit::Rgb colour) override;
  void disc(kit::PixelPoint centre, double radius, kit::Rgb colour, bool smooth) override;
  void line(kit::PixelPoint from, kit::PixelPoint to, const kit::Stroke& stroke) override;
  void arc(kit::PixelPoint centre, double radius, double startDegrees, double spanDegrees,
           const kit::Stroke& stroke) override;
  void text(kit::PixelPoint topLeft, const std::string& text, const kit::Font& font,
            kit::Rgb colour) override;
  void picture(const std::string& file, const std::string& vectorSource, kit::PixelPoint at,
               double width, double height) override;
  void mark(kit::PixelPoint at, double width, double height, kit::Rgb colour, bool circle) override;

 private:
  void put(std::initializer_list<double> values);
  int intern(const std::string& text);

  double zoom_;
  std::vector<double> numbers_;
  std::vector<std::string> strings_;
  std::map<std::string, int> index_;
};

}  // namespace kitweb
