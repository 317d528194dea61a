// Writing the primitives down.
#include "recorder.h"

namespace kitweb {
namespace {

int flagsOf(const kit::Stroke& stroke) {
  return (stroke.dotted ? kDotted : 0) | (stroke.roundCap ? kRoundCap : 0) |
         (stroke.smooth ? kSmooth : 0);
}

}  // namespace

int operandCount(int op) {
  switch (op) {
    case kFillRect:
      return 5;
    case kDisc:
      return 5;
    case kLine:
      return 7;
    case kArc:
      return 8;
    case kText:
      return 5;
    case kPicture:
      return 6;
    case kMark:
      return 6;
    default:
      return -1;
  }
}

int packed(kit::Rgb colour) {
  return colour.red << 16 | colour.green << 8 | colour.blue;
}

std::string cssFont(const kit::Font& font, double zoom) {
  std::string css = font.bold ? "bold " : "";
  css += std::to_string(kit::fontPixels(font, zoom)) + "px";
  const char* separator = " ";
  for (const std::string& family : kit::familiesFor(font.face)) {
    css += separator;
    css += "\"" + family + "\"";
    separator = ", ";
  }
  return css + ", serif";
}

void CommandBuffer::clear() {
  numbers_.clear();
  strings_.clear();
  index_.clear();
}

void CommandBuffer::put(std::initializer_list<double> values) {
  numbers_.insert(numbers_.end(), values);
}

int CommandBuffer::intern(const std::string& text) {
  const auto [found, added] = index_.try_emplace(text, static_cast<int>(strings_.size()));
  if (added) strings_.push_back(text);
  return found->second;
}

void CommandBuffer::fillRect(double x, double y, double width, double height, kit::Rgb colour) {
  put({kFillRect, x, y, width, height, double(packed(colour))});
}

void CommandBuffer::disc(kit::PixelPoint centre, double radius, kit::Rgb colour, bool smooth) {
  put({kDisc, centre.x, centre.y, radius, double(packed(colour)), double(smooth)});
}

void CommandBuffer::line(kit::PixelPoint from, kit::PixelPoint to, const kit::Stroke& stroke) {
  put({kLine, from.x, from.y, to.x, to.y, double(packed(stroke.colour)), stroke.width,
       double(flagsOf(stroke))});
}

void CommandBuffer::arc(kit::PixelPoint centre, double radius, double startDegrees,
                        double spanDegrees, const kit::Stroke& stroke) {
  put({kArc, centre.x, centre.y, radius, startDegrees, spanDegrees, double(packed(stroke.colour)),
       stroke.width, double(flagsOf(stroke))});
}

void CommandBuffer::text(kit::PixelPoint topLeft, const std::string& text, const kit::Font& font,
                         kit::Rgb colour) {
  put({kText, topLeft.x, topLeft.y, double(intern(text)), double(intern(cssFont(font, zoom_))),
       double(packed(colour))});
}

void CommandBuffer::picture(const std::string& file, const std::string& vectorSource,
                            kit::PixelPoint at, double width, double height) {
  const double source = vectorSource.empty() ? -1 : intern(vectorSource);
  put({kPicture, double(intern(file)), source, at.x, at.y, width, height});
}

void CommandBuffer::mark(kit::PixelPoint at, double width, double height, kit::Rgb colour,
                         bool circle) {
  put({kMark, at.x, at.y, width, height, double(packed(colour)), double(circle)});
}

}  // namespace kitweb
