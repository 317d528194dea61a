// sin, cos and atan of a double rounded as their exact values would be, in plain IEEE double
// arithmetic and so the same bits on every machine and in every build. C libraries differ in
// the last digit now and then (glibc's results are these in about 999 of 1000 cases,
// Emscripten's far less often), so the model calls these: a lesson computes the same numbers,
// and its dump prints the same digits, on the desktop and in the browser.
#pragma once

namespace kit::trig {

double sin(double x);
double cos(double x);
double atan(double x);

}  // namespace kit::trig
