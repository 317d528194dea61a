// veccoord: sums of vectors given by coordinates, read off the axes.
#include "form1.h"
#include "kit/qt/formwindow.h"

int main(int argc, char** argv) {
  return kitqt::runProgram(argc, argv, std::make_unique<veccoord::Form1>(), veccoord::kDescription);
}
