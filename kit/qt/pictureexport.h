// Pictures of a form's window for worksheets and slides: the content at the current zoom (at
// least the designed size), copied with Ctrl+Shift+C or saved with Ctrl+Shift+S as PNG, or as
// SVG when the file name ends in .svg. They show the lesson alone, without presenter marks.
#pragma once

#include <QImage>
#include <QObject>
#include <QString>

namespace kit {
class Form;
}  // namespace kit

namespace kitqt {

class FormWindow;

class PictureExport : public QObject {
 public:
  PictureExport(FormWindow& window, kit::Form& form);

  QImage picture();
  void copyPicture();
  // False on failure.
  bool savePicture(const QString& file);
  // Asks the teacher for a file name first.
  void savePictureAs();
  // A picture is being taken: the window leaves its presenter marks out.
  bool picturing() const { return picturing_; }

 private:
  FormWindow& window_;
  kit::Form& form_;
  bool picturing_ = false;
};

}  // namespace kitqt
