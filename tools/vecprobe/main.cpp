// vecprobe PROGRAM [SCRIPT]: drives a program's window without a display and prints its state.
#include <QApplication>
#include <fstream>
#include <iostream>
#include <memory>

#include "kit/form.h"
#include "kit/qt/formwindow.h"
#include "kit/scriptrunner.h"
#include "lessons/lessons.h"

namespace {

// The window is built only for pictures, on an off-screen platform unless one is chosen.
bool renderPng(std::unique_ptr<QApplication>& app, kit::Form& form, const std::string& file) {
  if (!app) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vecprobe";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QApplication>(argc, argv);
  }
  kitqt::FormWindow window(form);
  window.syncWidgets();
  return window.grab().save(QString::fromStdString(file), "PNG");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: vecprobe PROGRAM [SCRIPT]\n";
    return 2;
  }
  const lessons::Lesson* lesson = lessons::find(argv[1]);
  if (!lesson) {
    std::cerr << "vecprobe: unknown program: " << argv[1] << "\n";
    return 2;
  }
  std::ifstream file;
  std::istream* in = &std::cin;
  if (argc == 3 && std::string(argv[2]) != "-") {
    file.open(argv[2]);
    if (!file) {
      std::cerr << "vecprobe: cannot read " << argv[2] << "\n";
      return 2;
    }
    in = &file;
  }
  std::unique_ptr<QApplication> app;  // made for the first picture, outlives the form
  std::unique_ptr<kit::Form> form = lesson->makeForm();
  kit::script::Runner script(*form, std::cout);
  script.renderPng = [&app](kit::Form& form, const std::string& file) {
    return renderPng(app, form, file);
  };
  if (const kit::script::Stop stop = script.run(*in)) {
    std::cout.flush();
    std::cerr << "vecprobe: " << stop->message << "\n";
    return 2;
  }
  return 0;
}
