// vecsub: the difference of two vectors from a common tail, a-b and b-a.
#include "form1.h"
#include "kit/qt/formwindow.h"

int main(int argc, char** argv) {
  return kitqt::runProgram(argc, argv, std::make_unique<vecsub::Form1>(), vecsub::kDescription);
}
