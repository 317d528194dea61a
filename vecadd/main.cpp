// vecadd: the triangle rule of vector addition, told as a walk from house to shop to school.
#include "form1.h"
#include "kit/qt/formwindow.h"

int main(int argc, char** argv) {
  return kitqt::runProgram(argc, argv, std::make_unique<vecadd::Form1>(),
                           "向量加法：从家到商店再到学校，演示三角形法则。演示结束后拖动端点改变向"
                           "量，点击“作和向量”画出 a+b。");
}
