#pragma once
// The Qt 5 image-format plugin: Qt and KDE programs read C64 pictures through QImageReader.
#include <QImageIOHandler>
#include <QImageIOPlugin>

// Reads one picture from its device. A file's name tells the picture as the viewer's listing
// tells a host file, and its folder gives the palette; bytes from any other device are told by
// size and content.
class c64_image_handler : public QImageIOHandler {
 public:
  bool canRead() const override;
  bool read(QImage* image) override;
};

class c64_image_plugin : public QImageIOPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "velora2003-qt.json")

 public:
  // CanRead for a format key that names our pictures; for none (a reader deciding by content
  // alone, as KDE's thumbnailer does) only when the device's size and load address are a
  // picture format's.
  Capabilities capabilities(QIODevice* device, const QByteArray& format) const override;
  QImageIOHandler* create(QIODevice* device, const QByteArray& format) const override;
};
