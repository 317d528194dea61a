// Every picture's SVG source, drawn by Qt as the window draws it when zoomed, looks like the PNG
// made from it for the designed size: a source that uses what Qt's renderer lacks (patterns,
// clipping, flowing text spans) would show differently only when a teacher zooms in.
#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <cstdlib>

namespace {

// The mean difference of two pictures over all pixels and channels, 0 to 255, on white.
double meanDifference(const QImage& a, const QImage& b) {
  double total = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    }
  return total / (3.0 * a.width() * a.height());
}

QImage onWhite(const QImage& image) {
  QImage flat(image.size(), QImage::Format_RGB32);
  flat.fill(Qt::white);
  QPainter painter(&flat);
  painter.drawImage(0, 0, image);
  return flat;
}

TEST(Assets, EverySourceDrawsInQtLikeItsPicture) {
  const QDir root(QStringLiteral(VEC_SOURCE_DIR));
  int compared = 0;
  for (const QString& program : root.entryList({"vec*"}, QDir::Dirs)) {
    const QDir assets(root.filePath(program + "/assets"));
    for (const QString& name : assets.entryList({"*.svg"})) {
      const QImage picture =
          onWhite(QImage(assets.filePath(QString(name).replace(".svg", ".png"))));
      ASSERT_FALSE(picture.isNull()) << name.toStdString();
      QImageReader reader(assets.filePath(name));
      reader.setScaledSize(picture.size());
      const QImage drawn = onWhite(reader.read());
      ASSERT_EQ(drawn.size(), picture.size()) << name.toStdString();
      EXPECT_LT(meanDifference(drawn, picture), 6.0) << (program + "/" + name).toStdString();
      ++compared;
    }
  }
  EXPECT_GE(compared, 8);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
