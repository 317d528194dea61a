// sin, cos and atan of a double rounded as their exact values would be, in plain IEEE double
// arithmetic and so the same bits on every machine. glibc's results are these in about 999 of
// 1000 cases, Emscripten's C library's far less often: the WebAssembly build uses these in
// place of its own so that its dumps match the native ones.
#pragma once

namespace webmath {

double sin(double x);
double cos(double x);
double atan(double x);

}  // namespace webmath
