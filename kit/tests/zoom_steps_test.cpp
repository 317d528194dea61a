// Zoom steps and fitting the design into a larger area, shared by both front ends.
#include <gtest/gtest.h>

#include "kit/zoom.h"

namespace {

TEST(ZoomSteps, GoThroughNamedStepsAndStopAtTheEnds) {
  EXPECT_DOUBLE_EQ(kit::zoomInFrom(1.0), 1.25);
  EXPECT_DOUBLE_EQ(kit::zoomInFrom(1.1), 1.25);  // from a fitted zoom to the next step
  EXPECT_DOUBLE_EQ(kit::zoomOutFrom(1.1), 1.0);
  EXPECT_DOUBLE_EQ(kit::zoomInFrom(5.0), 5.0);
  EXPECT_DOUBLE_EQ(kit::zoomOutFrom(0.5), 0.5);
  EXPECT_DOUBLE_EQ(kit::clampZoom(9), 5.0);
}

TEST(ZoomSteps, AFittedDesignKeepsItsProportionsAndIsCentred) {
  // A 601 x 496 design on a 1920 x 1080 screen: the height decides.
  const kit::Fit fit = kit::fitDesign(1920, 1080, 601, 496);
  EXPECT_DOUBLE_EQ(fit.zoom, 1080 / 496.0);
  EXPECT_DOUBLE_EQ(fit.top, 0);
  EXPECT_NEAR(fit.left, (1920 - 601 * fit.zoom) / 2, 1e-9);
  EXPECT_DOUBLE_EQ(kit::centred(100, 300), 0);  // content larger than the area starts at 0
}

}  // namespace
