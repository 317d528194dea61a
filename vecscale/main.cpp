// vecscale: the scalar multiple of a vector given by coordinates.
#include "form2.h"
#include "kit/qt/formwindow.h"

int main(int argc, char** argv) {
  return kitqt::runProgram(argc, argv, std::make_unique<vecscale::Form2>(),
                           "数乘向量：输入倍数后画出 λa，再把点的坐标投到坐标轴上，并显示公式。");
}
