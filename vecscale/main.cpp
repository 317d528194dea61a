// vecscale: the scalar multiple of a vector given by coordinates.
#include "form2.h"
#include "kit/qt/formwindow.h"

int main(int argc, char** argv) {
  return kitqt::runProgram(argc, argv, std::make_unique<vecscale::Form2>(), vecscale::kDescription);
}
