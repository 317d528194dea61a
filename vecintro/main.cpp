// vecintro: a force of 100 N pulls a cart; its direction decides how fast the cart goes.
#include "form1.h"
#include "kit/qt/formwindow.h"

int main(int argc, char** argv) {
  return kitqt::runProgram(argc, argv, std::make_unique<vecintro::Form1>(), vecintro::kDescription);
}
