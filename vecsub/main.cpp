// vecsub: the difference of two vectors from a common tail, a-b and b-a.
#include "form1.h"
#include "kit/qt/formwindow.h"

int main(int argc, char** argv) {
  return kitqt::runProgram(
      argc, argv, std::make_unique<vecsub::Form1>(),
      "向量的减法：向量 a 与 b 有公共起点 O。拖动端点改变向量，点击按钮画出 a-b 或 b-a。");
}
