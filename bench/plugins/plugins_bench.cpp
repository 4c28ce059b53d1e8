// Opening a picture in a program that shows it through our plugins, in process: a gdk-pixbuf
// loader made for our MIME type (as Eye of GNOME and thumbnail services load) and QImageReader
// (as Qt and KDE programs read), from the file's bytes to the host's finished image. Beside
// them the drawing they share, which is most of what they cost.
#include <benchmark/benchmark.h>
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <stdlib.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <string>
#include <vector>

#include "imaging/shared_picture_image.h"

namespace {

// Before gdk-pixbuf or Qt look for plugins: only the build tree's.
const bool plugins_chosen = [] {
  setenv("GDK_PIXBUF_MODULE_FILE", VELORA_PLUGINS_DIR "/gdk-pixbuf/loaders.cache", 1);
  setenv("QT_PLUGIN_PATH", VELORA_PLUGINS_DIR "/qt", 1);
  return true;
}();

const char* const pictures[] = {"14-art-studio.vic", "01-gun-paint.vic"};

QByteArray picture_bytes(int k) {
  QFile file(QString(VELORA_SAMPLES_DIR "/") + pictures[k]);
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}

void DrawPictureImage(benchmark::State& run) {
  const QByteArray bytes = picture_bytes(static_cast<int>(run.range(0)));
  const std::span<const uint8_t> view(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                      static_cast<size_t>(bytes.size()));
  std::vector<uint8_t> rgb(640 * 400 * 3);
  for (auto _ : run) {
    const result<> drawn = with_picture_image(
        view, pictures[run.range(0)],
        [&](const picture_image& picture) { copy_picture_rgb(picture, rgb.data(), 640 * 3); });
    if (!drawn) run.SkipWithError(drawn.error().c_str());
    benchmark::DoNotOptimize(rgb.data());
  }
}
BENCHMARK(DrawPictureImage)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

void PixbufLoaderOpens(benchmark::State& run) {
  const QByteArray bytes = picture_bytes(static_cast<int>(run.range(0)));
  for (auto _ : run) {
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_mime_type("image/x-c64-picture", nullptr);
    const bool read =
        loader != nullptr &&
        gdk_pixbuf_loader_write(loader, reinterpret_cast<const guchar*>(bytes.constData()),
                                static_cast<gsize>(bytes.size()), nullptr) &&
        gdk_pixbuf_loader_close(loader, nullptr) && gdk_pixbuf_loader_get_pixbuf(loader);
    if (!read) run.SkipWithError("the loader read no picture");
    if (loader != nullptr) g_object_unref(loader);
  }
}
BENCHMARK(PixbufLoaderOpens)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

void QtPluginOpens(benchmark::State& run) {
  const QString path = QString(VELORA_SAMPLES_DIR "/") + pictures[run.range(0)];
  for (auto _ : run) {
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) run.SkipWithError("the plugin read no picture");
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(QtPluginOpens)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

}  // namespace
