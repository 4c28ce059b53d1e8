#include "plugins/qt_image_plugin.h"

#include <QFile>
#include <QImage>
#include <span>
#include <string>

#include "formats/identify.h"
#include "imaging/shared_picture_image.h"

namespace {

bool names_our_pictures(const QByteArray& format) {
  const std::string extension = format.toLower().toStdString();
  return picture_name_kind("picture." + extension) == picture_name::always;
}

// Whether the device holds what only a C64 picture file would: the size and load address of a
// format. Reads nothing: the two bytes are peeked.
bool looks_like_picture(QIODevice* device) {
  if (device == nullptr || !device->isReadable()) return false;
  const QByteArray start = device->peek(2);
  if (start.size() < 2) return false;
  const auto address =
      static_cast<uint16_t>(static_cast<uint8_t>(start[0]) | static_cast<uint8_t>(start[1]) << 8);
  return has_picture_size_and_address(device->size(), address);
}

// The name that tells the picture: a file's own, none for other devices.
std::string picture_name_of(QIODevice* device) {
  const auto* file = qobject_cast<QFile*>(device);
  return file == nullptr ? std::string() : file->fileName().toStdString();
}

}  // namespace

bool c64_image_handler::canRead() const {
  if (device() == nullptr || !device()->isReadable()) return false;
  return names_our_pictures(format()) || looks_like_picture(device());
}

bool c64_image_handler::read(QImage* image) {
  const std::string name = picture_name_of(device());
  const QByteArray bytes = device()->read(static_cast<qint64>(most_picture_file_bytes) + 1);
  const std::span<const uint8_t> view(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                      static_cast<size_t>(bytes.size()));
  QImage picture;
  const result<> drawn = with_picture_image(view, name, [&](const picture_image& drawn_picture) {
    picture = QImage(drawn_picture.width(), drawn_picture.height(), QImage::Format_RGB888);
    if (!picture.isNull())
      copy_picture_rgb(drawn_picture, picture.bits(), static_cast<size_t>(picture.bytesPerLine()));
  });
  if (!drawn || picture.isNull()) return false;
  *image = picture;
  return true;
}

QImageIOPlugin::Capabilities c64_image_plugin::capabilities(QIODevice* device,
                                                            const QByteArray& format) const {
  if (!format.isEmpty()) return names_our_pictures(format) ? CanRead : Capabilities();
  return looks_like_picture(device) ? CanRead : Capabilities();
}

QImageIOHandler* c64_image_plugin::create(QIODevice* device, const QByteArray& format) const {
  auto* handler = new c64_image_handler;
  handler->setDevice(device);
  handler->setFormat(format.isEmpty() ? QByteArray("vic") : format);
  return handler;
}
