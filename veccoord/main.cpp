// veccoord: sums of vectors given by coordinates, read off the axes.
#include "form1.h"
#include "kit/qt/formwindow.h"

int main(int argc, char** argv) {
  return kitqt::runProgram(
      argc, argv, std::make_unique<veccoord::Form1>(),
      "向量的坐标运算：用坐标求两个向量的和，演示平移、作和向量、横纵坐标分解与公式。");
}
