// vecintro: a force of 100 N pulls a cart; its direction decides how fast the cart goes.
#include "form1.h"
#include "kit/qt/formwindow.h"

int main(int argc, char** argv) {
  return kitqt::runProgram(argc, argv, std::make_unique<vecintro::Form1>(),
                           "向量导入：100牛的拉力拉动小车。在小车右侧按下或拖动鼠标可以改变拉力的方"
                           "向，点击“启动”观察小车跑完全程所用的时间。");
}
