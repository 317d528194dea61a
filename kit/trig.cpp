// Double-double arithmetic (a value and its rest, about 106 bits) carries every step; the sum
// rounded once at the end is the correctly rounded result unless the exact value lies within
// about 2^-100 of half a unit, odds of some 2^-45 for an argument. sin and cos of arguments
// beyond 2^20 quarter turns keep fewer exact digits in the reduction, but still the same bits
// everywhere.
#include "trig.h"

#include <cmath>

// No fused multiply-adds: the double-double steps need every product rounded on its own. The
// build turns contraction off for every compiler (-ffp-contract=off); the pragma keeps clang
// from contracting here should the file be built without that flag. GCC ignores the pragma.
#ifdef __clang__
#pragma STDC FP_CONTRACT OFF
#endif

namespace kit::trig {
namespace {

struct DD {
  double hi;
  double lo;
};

// The constants, printed by trig_tables.py.
constexpr double kHalfPiParts[] = {0x1.921fb54400000p+0, 0x1.0b4611a600000p-34,
                                   0x1.3198a2e000000p-69, 0x1.b839a252049c1p-104};
constexpr DD kHalfPi = {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};
constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
constexpr DD kAtanOfSixtyFourths[] = {{0x0.0p+0, 0x0.0p+0},
                                      {0x1.fff555bbb729bp-7, -0x1.220c39d4dff50p-61},
                                      {0x1.ffd55bba97625p-6, -0x1.5ec431444912cp-60},
                                      {0x1.7fb818430da2ap-5, -0x1.86ef8f794f105p-63},
                                      {0x1.ff55bb72cfdeap-5, -0x1.c934d86d23f1dp-60},
                                      {0x1.3f59f0e7c559dp-4, 0x1.ac4ce285df847p-58},
                                      {0x1.7ee182602f10fp-4, -0x1.cfb654c0c3d98p-58},
                                      {0x1.be39ebe6f07c3p-4, 0x1.f7b8f29a05987p-58},
                                      {0x1.fd5ba9aac2f6ep-4, -0x1.cd37686760c17p-59},
                                      {0x1.1e1fafb043727p-3, -0x1.b485914dacf8cp-59},
                                      {0x1.3d6eee8c6626cp-3, 0x1.61a3b0ce9281bp-57},
                                      {0x1.5c9811e3ec26ap-3, -0x1.054ab2c010f3dp-58},
                                      {0x1.7b97b4bce5b02p-3, 0x1.347b0b4f881cap-58},
                                      {0x1.9a6a8e96c8626p-3, 0x1.cf601e7b4348ep-59},
                                      {0x1.b90d7529260a2p-3, 0x1.17b10d2e0e5abp-61},
                                      {0x1.d77d5df205736p-3, 0x1.c648d1534597ep-57},
                                      {0x1.f5b75f92c80ddp-3, 0x1.8ab6e3cf7afbdp-57},
                                      {0x1.09dc597d86362p-2, 0x1.62e47390cb865p-56},
                                      {0x1.18bf5a30bf178p-2, 0x1.30ca4748b1bf9p-57},
                                      {0x1.278372057ef46p-2, -0x1.077cdd36dfc81p-56},
                                      {0x1.362773707ebccp-2, -0x1.963a544b672d8p-57},
                                      {0x1.44aa436c2af0ap-2, -0x1.5d5e43c55b3bap-56},
                                      {0x1.530ad9951cd4ap-2, -0x1.2566480884082p-57},
                                      {0x1.614840309cfe2p-2, -0x1.a725715711f00p-56},
                                      {0x1.6f61941e4def1p-2, -0x1.c63aae6f6e918p-56},
                                      {0x1.7d5604b63b3f7p-2, 0x1.69c885c2b249ap-56},
                                      {0x1.8b24d394a1b25p-2, 0x1.b6d0ba3748fa8p-56},
                                      {0x1.98cd5454d6b18p-2, 0x1.9e6c988fd0a77p-56},
                                      {0x1.a64eec3cc23fdp-2, -0x1.24dec1b50b7ffp-56},
                                      {0x1.b3a911da65c6cp-2, 0x1.ae187b1ca5040p-56},
                                      {0x1.c0db4c94ec9f0p-2, -0x1.cc1ce70934c34p-56},
                                      {0x1.cde53432c1351p-2, -0x1.a2cfa4418f1adp-56},
                                      {0x1.dac670561bb4fp-2, 0x1.a2b7f222f65e2p-56},
                                      {0x1.e77eb7f175a34p-2, 0x1.0e53dc1bf3435p-56},
                                      {0x1.f40dd0b541418p-2, -0x1.a3992dc382a23p-57},
                                      {0x1.0039c73c1a40cp-1, -0x1.b32c949c9d593p-55},
                                      {0x1.0657e94db30d0p-1, -0x1.d5b495f6349e6p-56},
                                      {0x1.0c6145b5b43dap-1, 0x1.974fa13b5404fp-58},
                                      {0x1.1255d9bfbd2a9p-1, -0x1.2bdaee1c0ee35p-58},
                                      {0x1.1835a88be7c13p-1, 0x1.c621cec00c301p-55},
                                      {0x1.1e00babdefeb4p-1, -0x1.928df287a668fp-58},
                                      {0x1.23b71e2cc9e6ap-1, 0x1.c421c9f38224ep-57},
                                      {0x1.2958e59308e31p-1, -0x1.09e73b0c6c087p-56},
                                      {0x1.2ee628406cbcap-1, 0x1.c5d5e9ff0cf8dp-55},
                                      {0x1.345f01cce37bbp-1, 0x1.1021137c71102p-55},
                                      {0x1.39c391cd4171ap-1, -0x1.2304331d8bf46p-55},
                                      {0x1.3f13fb89e96f4p-1, 0x1.ecf8b492644f0p-56},
                                      {0x1.445065b795b56p-1, -0x1.f76d0163f79c8p-56},
                                      {0x1.4978fa3269ee1p-1, 0x1.2419a87f2a458p-56},
                                      {0x1.4e8de5bb6ec04p-1, 0x1.4a33dbeb3796cp-55},
                                      {0x1.538f57b89061fp-1, -0x1.1bb74abda520cp-55},
                                      {0x1.587d81f732fbbp-1, -0x1.5e5c9d8c5a950p-56},
                                      {0x1.5d58987169b18p-1, 0x1.0028e4bc5e7cap-57},
                                      {0x1.6220d115d7b8ep-1, -0x1.2b785350ee8c1p-57},
                                      {0x1.66d663923e087p-1, -0x1.6ea6febe8bbbap-56},
                                      {0x1.6b798920b3d99p-1, -0x1.a80386188c50ep-55},
                                      {0x1.700a7c5784634p-1, -0x1.8c34d25aadef6p-56},
                                      {0x1.748978fba8e0fp-1, 0x1.7b2a6165884a1p-59},
                                      {0x1.78f6bbd5d315ep-1, 0x1.406a089803740p-55},
                                      {0x1.7d528289fa093p-1, 0x1.560821e2f3aa9p-55},
                                      {0x1.819d0b7158a4dp-1, -0x1.bf76229d3b917p-56},
                                      {0x1.85d69576cc2c5p-1, 0x1.6b66e7fc8b8c3p-57},
                                      {0x1.89ff5ff57f1f8p-1, -0x1.55b9a5e177a1bp-55},
                                      {0x1.8e17aa99cc05ep-1, -0x1.ec182ab042f61p-56},
                                      {0x1.921fb54442d18p-1, 0x1.1a62633145c07p-55}};
constexpr DD kAtanSeries[] = {{0x1.0000000000000p+0, 0x0.0p+0},
                              {-0x1.5555555555555p-2, -0x1.5555555555555p-56},
                              {0x1.999999999999ap-3, -0x1.999999999999ap-57},
                              {-0x1.2492492492492p-3, -0x1.2492492492492p-57},
                              {0x1.c71c71c71c71cp-4, 0x1.c71c71c71c71cp-58},
                              {-0x1.745d1745d1746p-4, 0x1.745d1745d1746p-59},
                              {0x1.3b13b13b13b14p-4, -0x1.3b13b13b13b14p-58},
                              {-0x1.1111111111111p-4, -0x1.1111111111111p-60},
                              {0x1.e1e1e1e1e1e1ep-5, 0x1.e1e1e1e1e1e1ep-61}};
constexpr DD kSinSeries[] = {{0x1.0000000000000p+0, 0x0.0p+0},
                             {-0x1.5555555555555p-3, -0x1.5555555555555p-57},
                             {0x1.1111111111111p-7, 0x1.1111111111111p-63},
                             {-0x1.a01a01a01a01ap-13, -0x1.a01a01a01a01ap-73},
                             {0x1.71de3a556c734p-19, -0x1.c154f8ddc6c00p-73},
                             {-0x1.ae64567f544e4p-26, 0x1.c062e06d1f209p-80},
                             {0x1.6124613a86d09p-33, 0x1.f28e0cc748ebep-87},
                             {-0x1.ae7f3e733b81fp-41, -0x1.1d8656b0ee8cbp-97},
                             {0x1.952c77030ad4ap-49, 0x1.ac981465ddc6cp-103},
                             {-0x1.2f49b46814157p-57, -0x1.2650f61dbdcb4p-112},
                             {0x1.71b8ef6dcf572p-66, -0x1.d043ae40c4647p-120},
                             {-0x1.761b41316381ap-75, 0x1.3423c7d91404fp-130},
                             {0x1.3f3ccdd165fa9p-84, -0x1.58ddadf344487p-139},
                             {-0x1.d1ab1c2dccea3p-94, -0x1.054d0c78aea14p-149},
                             {0x1.259f98b4358adp-103, 0x1.eaf8c39dd9bc5p-157}};
constexpr DD kCosSeries[] = {{0x1.0000000000000p+0, 0x0.0p+0},
                             {-0x1.0000000000000p-1, 0x0.0p+0},
                             {0x1.5555555555555p-5, 0x1.5555555555555p-59},
                             {-0x1.6c16c16c16c17p-10, 0x1.f49f49f49f49fp-65},
                             {0x1.a01a01a01a01ap-16, 0x1.a01a01a01a01ap-76},
                             {-0x1.27e4fb7789f5cp-22, -0x1.cbbc05b4fa99ap-76},
                             {0x1.1eed8eff8d898p-29, -0x1.2aec959e14c06p-83},
                             {-0x1.93974a8c07c9dp-37, -0x1.05d6f8a2efd1fp-92},
                             {0x1.ae7f3e733b81fp-45, 0x1.1d8656b0ee8cbp-101},
                             {-0x1.6827863b97d97p-53, -0x1.eec01221a8b0bp-107},
                             {0x1.e542ba4020225p-62, 0x1.ea72b4afe3c2fp-120},
                             {-0x1.0ce396db7f853p-70, 0x1.aebcdbd20331cp-124},
                             {0x1.f2cf01972f578p-80, -0x1.9ada5fcc1ab14p-135},
                             {-0x1.88e85fc6a4e5ap-89, 0x1.71c37ebd16540p-143},
                             {0x1.0a18a2635085dp-98, 0x1.b9e2e28e1aa54p-153}};

DD twoSum(double a, double b) {
  const double sum = a + b;
  const double bPart = sum - a;
  return {sum, (a - (sum - bPart)) + (b - bPart)};
}

// For |a| >= |b|.
DD fastTwoSum(double a, double b) {
  const double sum = a + b;
  return {sum, b - (sum - a)};
}

// Dekker's exact product, as WebAssembly has no fused multiply-add.
DD twoProduct(double a, double b) {
  constexpr double kSplitter = 134217729.0;  // 2^27 + 1
  const double product = a * b;
  const double aScaled = kSplitter * a, bScaled = kSplitter * b;
  const double aHigh = aScaled - (aScaled - a), aLow = a - aHigh;
  const double bHigh = bScaled - (bScaled - b), bLow = b - bHigh;
  return {product, ((aHigh * bHigh - product) + aHigh * bLow + aLow * bHigh) + aLow * bLow};
}

DD operator-(DD a) {
  return {-a.hi, -a.lo};
}

DD operator+(DD a, DD b) {
  DD sum = twoSum(a.hi, b.hi);
  const DD rest = twoSum(a.lo, b.lo);
  sum = fastTwoSum(sum.hi, sum.lo + rest.hi);
  return fastTwoSum(sum.hi, sum.lo + rest.lo);
}

DD operator-(DD a, DD b) {
  return a + -b;
}

DD operator*(DD a, DD b) {
  const DD product = twoProduct(a.hi, b.hi);
  return fastTwoSum(product.hi, product.lo + (a.hi * b.lo + a.lo * b.hi));
}

DD operator/(DD a, DD b) {
  const double first = a.hi / b.hi;
  const DD rest = a - b * DD{first, 0};
  const double second = rest.hi / b.hi;
  const DD last = rest - b * DD{second, 0};
  return fastTwoSum(first, second) + DD{last.hi / b.hi, 0};
}

template <int N>
DD horner(const DD (&coefficients)[N], DD x) {
  DD sum = coefficients[N - 1];
  for (int i = N - 2; i >= 0; --i) sum = coefficients[i] + sum * x;
  return sum;
}

// x = quadrant * pi/2 + rest, with |rest| <= pi/4 give or take a rounding.
struct Reduced {
  DD rest;
  int quadrant;
};

Reduced reduce(double x) {
  // Huge arguments are taken modulo the double nearest 2 pi: finite and alike everywhere, if
  // far from the exact value (their unit spans many turns anyway).
  if (std::fabs(x) > 0x1p60) x = std::fmod(x, 4 * kHalfPi.hi);
  if (std::fabs(x) <= kHalfPi.hi / 2) return {{x, 0}, 0};
  const double k = std::floor(x * kTwoOverPi + 0.5);
  // Below 2^20 quarter turns, k times a 33-bit part is a double and x minus the first is
  // exact, so the rest keeps its digits even where x is near a multiple of pi/2.
  DD rest = {x, 0};
  for (double part : kHalfPiParts) rest = rest - twoProduct(k, part);
  const int quadrant = static_cast<int>(std::fmod(k, 4.0));
  return {rest, quadrant < 0 ? quadrant + 4 : quadrant};
}

DD sinOf(DD r) {
  return r * horner(kSinSeries, r * r);
}
DD cosOf(DD r) {
  return horner(kCosSeries, r * r);
}

}  // namespace

double sin(double x) {
  if (!std::isfinite(x)) return x - x;
  if (std::fabs(x) < 0x1p-26) return x;  // x^3/6 is below a quarter unit
  const Reduced reduced = reduce(x);
  switch (reduced.quadrant) {
    case 0:
      return sinOf(reduced.rest).hi;
    case 1:
      return cosOf(reduced.rest).hi;
    case 2:
      return -sinOf(reduced.rest).hi;
    default:
      return -cosOf(reduced.rest).hi;
  }
}

double cos(double x) {
  if (!std::isfinite(x)) return x - x;
  if (std::fabs(x) < 0x1p-27) return 1.0;  // x^2/2 is below a quarter unit
  const Reduced reduced = reduce(x);
  switch (reduced.quadrant) {
    case 0:
      return cosOf(reduced.rest).hi;
    case 1:
      return -sinOf(reduced.rest).hi;
    case 2:
      return -cosOf(reduced.rest).hi;
    default:
      return sinOf(reduced.rest).hi;
  }
}

double atan(double x) {
  if (std::isnan(x)) return x + x;
  const double magnitude = std::fabs(x);
  if (magnitude < 0x1p-27) return x;  // x^3/3 is below a quarter unit
  // Beyond 2^54 the exact value lies within half a unit of pi/2's double.
  if (magnitude > 0x1p54) return std::copysign(kHalfPi.hi, x);
  // atan x = pi/2 - atan(1/x) brings the argument into [0, 1].
  const bool inverted = magnitude > 1;
  const DD u = inverted ? DD{1, 0} / DD{magnitude, 0} : DD{magnitude, 0};
  // atan u = atan c + atan((u - c) / (1 + u c)) with c the nearest sixty-fourth.
  const int index = static_cast<int>(u.hi * 64 + 0.5);
  const DD c = {index / 64.0, 0};
  const DD t = (u - c) / (DD{1, 0} + u * c);
  DD result = kAtanOfSixtyFourths[index] + t * horner(kAtanSeries, t * t);
  if (inverted) result = kHalfPi - result;
  return std::copysign(result.hi, x);
}

}  // namespace kit::trig
