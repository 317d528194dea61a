// Pictures of the window's content to the clipboard or to a PNG or SVG file.
#include "pictureexport.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeySequence>
#include <QPainter>
#include <QShortcut>
#include <QSvgGenerator>

#include "formwindow.h"
#include "kit/form.h"
#include "qtlook.h"

namespace kitqt {

PictureExport::PictureExport(FormWindow& window, kit::Form& form)
    : QObject(&window), window_(window), form_(form) {
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &window),
          &QShortcut::activated, this, [this] { copyPicture(); });
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &window),
          &QShortcut::activated, this, [this] { savePictureAs(); });
}

QImage PictureExport::picture() {
  if (window_.zoom() < 1.0) {
    // Smaller than designed on screen: the picture is taken from a designed-size copy.
    FormWindow designed(form_, 1.0);
    designed.syncWidgets();
    return designed.picture();
  }
  picturing_ = true;
  const QImage shot = window_.grab(QRect(window_.contentOrigin(), window_.contentSize())).toImage();
  picturing_ = false;
  return shot;
}

void PictureExport::copyPicture() {
  QGuiApplication::clipboard()->setImage(picture());
}

bool PictureExport::savePicture(const QString& file) {
  if (QFileInfo(file).suffix().compare("svg", Qt::CaseInsensitive) != 0)
    return picture().save(file, "PNG");
  const QSize size = window_.contentSize().expandedTo(
      QSize(qRound(pixels(form_.Width, 1)), qRound(pixels(form_.Height, 1))));
  QSvgGenerator svg;
  svg.setFileName(file);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(), size));
  svg.setTitle(QString::fromStdString(form_.Caption));
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  if (window_.zoom() < 1.0) {
    FormWindow designed(form_, 1.0);
    designed.syncWidgets();
    designed.render(&painter);
  } else {
    picturing_ = true;
    window_.render(&painter, QPoint(),
                   QRegion(QRect(window_.contentOrigin(), window_.contentSize())));
    picturing_ = false;
  }
  return painter.end();
}

void PictureExport::savePictureAs() {
  const QString suggested = QString::fromStdString(form_.Caption).trimmed() + ".png";
  QString file = QFileDialog::getSaveFileName(&window_, QStringLiteral("保存图片"), suggested,
                                              QStringLiteral("PNG 图片 (*.png);;SVG 图形 (*.svg)"));
  if (file.isEmpty()) return;
  if (QFileInfo(file).suffix().isEmpty()) file += ".png";
  savePicture(file);
}

}  // namespace kitqt
