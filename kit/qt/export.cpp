// Pictures of a form's window for worksheets and slides: the content at the current zoom (at
// least the designed size), to the clipboard, or to a PNG or SVG file chosen by the teacher.
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include "formwindow.h"
#include "kit/form.h"
#include "look.h"

namespace kitqt {

QImage FormWindow::picture() {
  if (zoom_ < 1.0) {
    // Smaller than designed on screen: the picture is taken from a designed-size copy.
    FormWindow designed(form_, 1.0);
    designed.syncWidgets();
    return designed.picture();
  }
  picturing_ = true;  // the lesson alone: no presenter tab or badge on a worksheet
  const QImage shot = grab(QRect(origin_, contentSize())).toImage();
  picturing_ = false;
  return shot;
}

void FormWindow::copyPicture() {
  QGuiApplication::clipboard()->setImage(picture());
}

bool FormWindow::savePicture(const QString& file) {
  if (QFileInfo(file).suffix().compare("svg", Qt::CaseInsensitive) != 0)
    return picture().save(file, "PNG");
  const QSize size = contentSize().expandedTo(
      QSize(qRound(pixels(form_.Width, 1)), qRound(pixels(form_.Height, 1))));
  QSvgGenerator svg;
  svg.setFileName(file);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(), size));
  svg.setTitle(QString::fromStdString(form_.Caption));
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  if (zoom_ < 1.0) {
    FormWindow designed(form_, 1.0);
    designed.syncWidgets();
    designed.render(&painter);
  } else {
    picturing_ = true;
    render(&painter, QPoint(), QRegion(QRect(origin_, contentSize())));
    picturing_ = false;
  }
  return painter.end();
}

void FormWindow::savePictureAs() {
  const QString suggested = QString::fromStdString(form_.Caption).trimmed() + ".png";
  QString file = QFileDialog::getSaveFileName(this, QStringLiteral("保存图片"), suggested,
                                              QStringLiteral("PNG 图片 (*.png);;SVG 图形 (*.svg)"));
  if (file.isEmpty()) return;
  if (QFileInfo(file).suffix().isEmpty()) file += ".png";
  savePicture(file);
}

}  // namespace kitqt
