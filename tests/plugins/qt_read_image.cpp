// Reads a picture with QImageReader, as a Qt program does, and saves it as PNG:
// qt_read_image INPUT OUTPUT.png [content]. "content" decides the format by content alone, as
// KDE's thumbnailer reads. Exit 1 with Qt's error when the picture cannot be read.
#include <QImage>
#include <QImageReader>
#include <QTextStream>

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  QImageReader reader(QString::fromLocal8Bit(argv[1]));
  reader.setDecideFormatFromContent(argc > 3 && QByteArray(argv[3]) == "content");
  const QImage image = reader.read();
  if (image.isNull()) {
    QTextStream(stderr) << argv[1] << ": " << reader.errorString() << '\n';
    return 1;
  }
  return image.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
