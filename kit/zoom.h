// The zoom arithmetic of a lesson's window, the same on the desktop and in the browser: steps a
// teacher can name, and how a larger area fits the design with its proportions kept, centred.
#pragma once

namespace kit {

constexpr double kSmallestZoom = 0.5, kLargestZoom = 5.0;

// The next step up or down from a zoom (50 % to 500 %); the zoom itself at either end.
double zoomInFrom(double zoom);
double zoomOutFrom(double zoom);
double clampZoom(double zoom);

// Where content of a design size lands in an area: the zoom that fits it whole, and the
// offset that centres the content (of its size at that zoom) in what is left over.
struct Fit {
  double zoom;
  double left, top;
};
Fit fitDesign(double areaWidth, double areaHeight, double designWidth, double designHeight);
// The offset that centres content of a size in an area, never above or left of its corner.
double centred(double area, double content);

}  // namespace kit
