// The yardstick for start-up: a bare Qt window built like the programs, with one button and one
// line of Chinese text, that reports its first frame the same way.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/qt/firstframe.h"

namespace {

class BareWindow : public QWidget {
 public:
  BareWindow() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QPushButton(QStringLiteral("启  动"), this));
    layout->addWidget(new QLabel(QStringLiteral("向量的加法与减法"), this));
  }

 protected:
  void paintEvent(QPaintEvent*) override { kitqt::noteFirstFrame(); }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  BareWindow window;
  window.setWindowTitle(QStringLiteral("平面向量"));
  window.show();
  return app.exec();
}
