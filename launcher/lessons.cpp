// The five lessons, in the order a class meets them.
#include "lessons.h"

namespace launcher {

const std::vector<Lesson>& lessons() {
  static const std::vector<Lesson> all = {
      {"vecintro", "向量导入", "用鼠标改变拉力的方向，看小车走得多远、多快"},
      {"vecadd", "向量加法", "从家到商店再到学校：用三角形法则作和向量"},
      {"vecsub", "向量的减法", "同起点的两个向量，作 a-b 与 b-a"},
      {"veccoord", "向量的坐标运算", "用坐标求两个向量的和，并沿坐标轴分解"},
      {"vecscale", "数乘向量", "输入倍数 λ，作向量 λa 并读出它的坐标"},
  };
  return all;
}

}  // namespace launcher
