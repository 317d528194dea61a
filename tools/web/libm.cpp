// The model's sin, cos and atan calls, and the sincos the compiler may merge a pair into, land
// here instead of in Emscripten's C library, whose results are often a digit off glibc's.
#include "crmath.h"

extern "C" {

double sin(double x) {
  return webmath::sin(x);
}
double cos(double x) {
  return webmath::cos(x);
}
double atan(double x) {
  return webmath::atan(x);
}
void sincos(double x, double* sine, double* cosine) {
  *sine = webmath::sin(x);
  *cosine = webmath::cos(x);
}

}  // extern "C"
