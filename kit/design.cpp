// Rows of a window description.
#include "design.h"

namespace kit {

void describeLabel(Label& label, std::string caption, const Font& font, Color color, double left,
                   double top, bool visible) {
  label.Caption = std::move(caption);
  label.font = font;
  label.color = color;
  label.Left = left;
  label.Top = top;
  label.Visible = visible;
}

void describePicture(Image& image, std::string picture, double left, double top, int widthPixels,
                     int heightPixels, bool visible) {
  image.picture = std::move(picture);
  image.Left = left;
  image.Top = top;
  image.widthTwips = widthPixels * kTwipsPerPixel;
  image.heightTwips = heightPixels * kTwipsPerPixel;
  image.Visible = visible;
}

void describeMark(Shape& shape, double left, double top, double sizeTwips, Color fill) {
  shape.Left = left;
  shape.Top = top;
  shape.widthTwips = shape.heightTwips = sizeTwips;
  shape.fillColor = fill;
  shape.circle = true;
  shape.Visible = false;
}

}  // namespace kit
