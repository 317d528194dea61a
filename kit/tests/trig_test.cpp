// The model's sin, cos and atan: correctly rounded where glibc is too and where it is not,
// and never further than a unit from glibc anywhere.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "kit/trig.h"

namespace {

double apply(const std::string& function, double x, bool glibc) {
  if (function == "sin") return glibc ? std::sin(x) : kit::trig::sin(x);
  if (function == "cos") return glibc ? std::cos(x) : kit::trig::cos(x);
  return glibc ? std::atan(x) : kit::trig::atan(x);
}

struct Exact {
  const char* function;
  double x;
  double rounded;
};

// From 130-digit decimal arithmetic. The first dozen are values glibc rounds the wrong way.
const Exact kExact[] = {
    {"cos", 0x1.628ca894f9960p+0, 0x1.7a688cba61609p-3},
    {"atan", 0x1.a126a28567bfap-4, 0x1.9fb7b39267006p-4},
    {"atan", 0x1.a77e113eaea87p-1, 0x1.61d3b43acbb20p-1},
    {"sin", 0x1.8239c53822168p-1, 0x1.5e9fce0451e71p-1},
    {"atan", 0x1.69b950bf79d74p-3, 0x1.660806bc55b06p-3},
    {"sin", 0x1.379c98d61862cp+1, 0x1.4c9f25a6e08d3p-1},
    {"sin", -0x1.c86f5dbd6d527p+1, 0x1.a591a49998881p-2},
    {"cos", 0x1.1353d260df064p+0, 0x1.e6b390004645fp-2},
    {"cos", -0x1.3cfaba30e42fep+0, 0x1.4e5556c123137p-2},
    {"cos", -0x1.76dab3a93fa18p+7, 0x1.ed13c7fffbae7p-2},
    {"sin", 0x1.6d3366bb4a480p+7, 0x1.836faa1e304a3p-2},
    {"sin", -0x1.68ca5e0d58b24p-3, -0x1.66ed5d8e58753p-3},
    {"sin", -0x1.6587cb4d766c8p-2, -0x1.5e4f75e96cfc3p-2},
    {"sin", 0x1.351d220c5c7fcp-3, 0x1.33f104539db93p-3},
    {"sin", -0x1.b5d34316e07c0p-2, -0x1.a89b5673ccf8ep-2},
    {"sin", 0x1.25f2046063a00p-2, 0x1.21ecd183abc4cp-2},
    {"sin", -0x1.1311b06ace67cp+0, -0x1.c239bda0174e0p-1},
    {"sin", -0x1.c49bee0b8ed14p+1, 0x1.897dd31ba9f00p-2},
    {"sin", 0x1.e74ee6deceb80p-5, 0x1.e7055772839c8p-5},
    {"sin", -0x1.7200e39f67c04p+6, 0x1.f8148d63c5886p-1},
    {"sin", -0x1.a8aae97176580p+3, -0x1.4b986ecbb49ddp-1},
    {"sin", -0x1.581d9bf7ef070p+6, 0x1.de4af512b6f3fp-1},
    {"sin", -0x1.476df990e530cp+6, -0x1.6691059fac1a5p-3},
    {"sin", -0x1.d7c14c2091e70p+13, 0x1.72a5f280164d0p-1},
    {"sin", 0x1.feb4d99100af4p+15, 0x1.5062c192d8d8cp-3},
    {"sin", -0x1.25e79b96d1c1fp+16, 0x1.ffb1f1f0be95dp-1},
    {"sin", -0x1.b0706a0634b47p+15, 0x1.de683ade10c5fp-2},
    {"sin", 0x1.921fb54442d18p+0, 0x1.0000000000000p+0},
    {"sin", 0x1.921fb54442d18p+1, 0x1.1a62633145c07p-53},
    {"sin", 0x1.b7cdfd9d7bdbbp-34, 0x1.b7cdfd9d7bdbbp-34},
    {"cos", 0x1.04fbb5953f48cp-3, 0x1.fbd92f7df794fp-1},
    {"cos", 0x1.ca743687eb186p-2, 0x1.cd89b5c641c8dp-1},
    {"cos", 0x1.3bd04d2bcc158p-4, 0x1.fe7a971f469a6p-1},
    {"cos", -0x1.a7325fe69c3b0p-4, 0x1.fd4507c0623e2p-1},
    {"cos", 0x1.e7af6b1c4c68cp+1, -0x1.91cf41e347af9p-1},
    {"cos", -0x1.d04ca138bf348p+1, -0x1.c4c680c331eeap-1},
    {"cos", 0x1.6f125b110bdf4p+1, -0x1.ecec0560ee437p-1},
    {"cos", -0x1.aee15394b34dcp+0, -0x1.cb22596ab5ba7p-4},
    {"cos", -0x1.1c988f15ee710p+6, -0x1.c97d597a0bb0cp-2},
    {"cos", -0x1.31c4264ee89c1p+6, 0x1.01b6ab1f489b6p-1},
    {"cos", -0x1.326dd847f2d3ep+5, 0x1.a542847293f5ep-1},
    {"cos", 0x1.f9cd5b506689cp+5, 0x1.d8e29bd4d9981p-1},
    {"cos", -0x1.f2dd72b21f371p+15, 0x1.1d7b507d5f145p-2},
    {"cos", 0x1.fe00430940e00p+13, -0x1.b6db334d06d0cp-1},
    {"cos", 0x1.b21ac66fa31a4p+14, 0x1.39c97f24f153ep-6},
    {"cos", -0x1.8ec1f73ff0f14p+14, -0x1.dfc86dee8cbc9p-3},
    {"cos", 0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54},
    {"cos", 0x1.921fb54442d18p+1, -0x1.0000000000000p+0},
    {"cos", 0x1.b7cdfd9d7bdbbp-34, 0x1.0000000000000p+0},
    {"atan", 0x1.f4a3130189ae0p-11, 0x1.f4a30908ace23p-11},
    {"atan", -0x1.1e87d68a16425p-7, -0x1.1e85f7f653fcbp-7},
    {"atan", -0x1.209ea9b8cf8c5p-7, -0x1.209cc099ad991p-7},
    {"atan", -0x1.8167e23e07071p-8, -0x1.8166bf12de219p-8},
    {"atan", 0x1.71758a881ed14p-2, 0x1.6292eaadb528fp-2},
    {"atan", -0x1.2894f8720f120p-3, -0x1.2688cc0b2df93p-3},
    {"atan", -0x1.7ca06888ce510p-2, -0x1.6c6ba36a06b5cp-2},
    {"atan", 0x1.5e761dd8cd4f0p-3, 0x1.5b1970be0c60fp-3},
    {"atan", -0x1.2b9eb7bebbef0p+3, -0x1.76e2c48f12afap+0},
    {"atan", -0x1.405f7026508f4p+5, -0x1.8bbb8dfc2fa4ep+0},
    {"atan", 0x1.d701d5ebf40ecp+5, 0x1.8dc6b1ac58b71p+0},
    {"atan", 0x1.3e641ebbf746cp+5, 0x1.8bb16010661e5p+0},
    {"atan", -0x1.310f8c198e93cp+32, -0x1.921fb5436bfd3p+0},
    {"atan", 0x1.62e14174b1950p+30, 0x1.921fb54160228p+0},
    {"atan", 0x1.e095cdc3aa1a0p+28, 0x1.921fb53bbcf1fp+0},
    {"atan", 0x1.bf32e0d777f4cp+32, 0x1.921fb543b0454p+0},
    {"atan", 0x1.0000000000000p+0, 0x1.921fb54442d18p-1},
    {"atan", 0x1.7e43c8800759cp+996, 0x1.921fb54442d18p+0},
    {"atan", 0x1.42107aaa1dd3ep-3, 0x1.3f72bc978160ep-3},
    // Just above the arguments whose results are the argument itself, or 1.
    {"sin", 0x1.5eb851eb851ecp-25, 0x1.5eb851eb851eap-25},
    {"cos", 0x1.5eb851eb851ecp-26, 0x1.ffffffffffffep-1},
    {"cos", 0x1.4f8b588e368f1p-17, 0x1.ffffffff920c8p-1},
    {"atan", 0x1.5eb851eb851ecp-26, 0x1.5eb851eb851ebp-26},
    {"sin", -0x1.92a737110e454p-19, -0x1.92a737110bad3p-19},
    {"atan", 0x1.ccccccccccccdp+53, 0x1.921fb54442d18p+0},
};

TEST(WebMath, RoundsTheExactValue) {
  for (const Exact& exact : kExact)
    EXPECT_EQ(apply(exact.function, exact.x, false), exact.rounded)
        << exact.function << "(" << std::hexfloat << exact.x << ")";
}

std::int64_t unitsApart(double a, double b) {
  return std::bit_cast<std::int64_t>(a) - std::bit_cast<std::int64_t>(b);
}

// Quadrants, reductions and table entries across the whole range, against glibc's results.
TEST(WebMath, StaysWithinAUnitOfGlibc) {
  std::mt19937_64 random(11);
  for (const char* function : {"sin", "cos", "atan"}) {
    for (double range : {1.0, 8.0, 1e3, 1e5}) {
      std::uniform_real_distribution<double> uniform(-range, range);
      int differing = 0;
      const int count = 50000;
      for (int i = 0; i < count; ++i) {
        double x = uniform(random);
        if (std::string(function) == "atan")
          x = std::ldexp(x, static_cast<int>(random() % 80) - 40);
        const double ours = apply(function, x, false), theirs = apply(function, x, true);
        ASSERT_LE(std::abs(unitsApart(ours, theirs)), 1)
            << function << "(" << std::hexfloat << x << ") " << ours << " " << theirs;
        differing += ours != theirs;
      }
      EXPECT_LT(differing, count / 100) << function << " within " << range;
    }
  }
}

TEST(WebMath, SpecialValues) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double x : {inf, -inf, nan}) {
    EXPECT_TRUE(std::isnan(kit::trig::sin(x)));
    EXPECT_TRUE(std::isnan(kit::trig::cos(x)));
  }
  EXPECT_TRUE(std::isnan(kit::trig::atan(nan)));
  EXPECT_EQ(kit::trig::atan(inf), std::atan(inf));
  EXPECT_EQ(kit::trig::atan(-inf), std::atan(-inf));
  EXPECT_TRUE(std::signbit(kit::trig::sin(-0.0)));
  EXPECT_TRUE(std::signbit(kit::trig::atan(-0.0)));
  EXPECT_EQ(kit::trig::cos(-0.0), 1.0);
  EXPECT_EQ(kit::trig::sin(1e-300), 1e-300);
  EXPECT_EQ(kit::trig::atan(-1e300), std::atan(-1e300));
  EXPECT_LE(std::abs(kit::trig::sin(1e300)), 1.0);
  EXPECT_LE(std::abs(kit::trig::cos(-0x1p1000)), 1.0);
}

}  // namespace
