// Zoom steps and fitting.
#include "zoom.h"

#include <algorithm>
#include <iterator>

namespace kit {
namespace {
constexpr double kSteps[] = {0.5, 0.75, 1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0, 5.0};
constexpr double kTolerance = 1e-9;
}  // namespace

double clampZoom(double zoom) {
  return std::clamp(zoom, kSmallestZoom, kLargestZoom);
}

double zoomInFrom(double zoom) {
  for (double step : kSteps)
    if (step > zoom + kTolerance) return step;
  return clampZoom(zoom);
}

double zoomOutFrom(double zoom) {
  for (auto step = std::rbegin(kSteps); step != std::rend(kSteps); ++step)
    if (*step < zoom - kTolerance) return *step;
  return clampZoom(zoom);
}

double centred(double area, double content) {
  return std::max(0.0, (area - content) / 2);
}

Fit fitDesign(double areaWidth, double areaHeight, double designWidth, double designHeight) {
  const double zoom = std::max(std::min(areaWidth / designWidth, areaHeight / designHeight), 0.05);
  return {zoom, centred(areaWidth, designWidth * zoom), centred(areaHeight, designHeight * zoom)};
}

}  // namespace kit
