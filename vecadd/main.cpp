// vecadd: the triangle rule of vector addition, told as a walk from house to shop to school.
#include "form1.h"
#include "kit/qt/formwindow.h"

int main(int argc, char** argv) {
  return kitqt::runProgram(argc, argv, std::make_unique<vecadd::Form1>(), vecadd::kDescription);
}
