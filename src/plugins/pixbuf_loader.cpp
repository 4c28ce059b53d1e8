// The gdk-pixbuf loader module: GTK image viewers, file managers and thumbnailers open C64
// pictures through it. gdk-pixbuf picks a loader by the MIME type the desktop's database gives
// the file (our globs name image/x-c64-picture), never by signature bytes, and never tells it
// the file's name. A whole file handed over open is told by the name it has on disk, as the
// program tells it; bytes handed over piece by piece by size and content alone, as a disk
// image's entries are.
#define GDK_PIXBUF_ENABLE_BACKEND
#include <gdk-pixbuf/gdk-pixbuf-io.h>
#undef GDK_PIXBUF_ENABLE_BACKEND

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "formats/identify.h"
#include "imaging/shared_picture_image.h"

namespace {

// One more byte than a picture file can have shows a file that is too large.
constexpr size_t most_bytes_kept = most_picture_file_bytes + 1;

struct incremental_load {
  GdkPixbufModuleSizeFunc size_func = nullptr;
  GdkPixbufModulePreparedFunc prepared_func = nullptr;
  GdkPixbufModuleUpdatedFunc updated_func = nullptr;
  gpointer user_data = nullptr;
  std::vector<uint8_t> bytes;
};

// The picture in a new 8-bit RGB pixbuf; nullptr with error set to why when there is none.
GdkPixbuf* pixbuf_of(std::span<const uint8_t> bytes, std::string_view name, GError** error) {
  GdkPixbuf* pixbuf = nullptr;
  const result<> drawn = with_picture_image(bytes, name, [&](const picture_image& picture) {
    pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, picture.width(), picture.height());
    if (pixbuf != nullptr)
      copy_picture_rgb(picture, gdk_pixbuf_get_pixels(pixbuf),
                       static_cast<size_t>(gdk_pixbuf_get_rowstride(pixbuf)));
  });
  if (!drawn)
    g_set_error_literal(error, GDK_PIXBUF_ERROR, GDK_PIXBUF_ERROR_CORRUPT_IMAGE,
                        describe(drawn.why()).c_str());
  else if (pixbuf == nullptr)
    g_set_error_literal(error, GDK_PIXBUF_ERROR, GDK_PIXBUF_ERROR_INSUFFICIENT_MEMORY,
                        "not enough memory for the picture");
  return pixbuf;
}

// The path the open file has on disk, or nothing (a pipe, a deleted file). No std::to_string:
// its digit table would be a symbol the module shows its host.
std::string path_of(FILE* file) {
  std::array<char, 32> link{};
  std::snprintf(link.data(), link.size(), "/proc/self/fd/%d", fileno(file));
  std::array<char, 4096> path{};
  const ssize_t length = ::readlink(link.data(), path.data(), path.size() - 1);
  if (length <= 0 || path[0] != '/') return {};
  std::string name(path.data(), static_cast<size_t>(length));
  return name.ends_with(" (deleted)") ? std::string() : name;
}

GdkPixbuf* load(FILE* file, GError** error) {
  std::vector<uint8_t> bytes(most_bytes_kept);
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
  if (std::ferror(file)) {
    g_set_error_literal(error, GDK_PIXBUF_ERROR, GDK_PIXBUF_ERROR_FAILED, "cannot read the file");
    return nullptr;
  }
  return pixbuf_of(bytes, path_of(file), error);
}

gpointer begin_load(GdkPixbufModuleSizeFunc size_func, GdkPixbufModulePreparedFunc prepared_func,
                    GdkPixbufModuleUpdatedFunc updated_func, gpointer user_data, GError**) {
  return new incremental_load{size_func, prepared_func, updated_func, user_data, {}};
}

// Keeps the bytes: a picture is told by its whole size, so nothing shows before the end.
gboolean load_increment(gpointer context, const guchar* buffer, guint size, GError**) {
  std::vector<uint8_t>& bytes = static_cast<incremental_load*>(context)->bytes;
  bytes.insert(bytes.end(), buffer,
               buffer + std::min<size_t>(size, most_bytes_kept - bytes.size()));
  return TRUE;
}

// Tells the picture's size (a caller that sets it to 0 wants only that), then hands over the
// whole picture at once.
gboolean stop_load(gpointer context, GError** error) {
  const std::unique_ptr<incremental_load> load(static_cast<incremental_load*>(context));
  GdkPixbuf* pixbuf = pixbuf_of(load->bytes, {}, error);
  if (pixbuf == nullptr) return FALSE;
  int width = gdk_pixbuf_get_width(pixbuf);
  int height = gdk_pixbuf_get_height(pixbuf);
  if (load->size_func != nullptr) load->size_func(&width, &height, load->user_data);
  if (width != 0 && height != 0) {
    if (load->prepared_func != nullptr) load->prepared_func(pixbuf, nullptr, load->user_data);
    if (load->updated_func != nullptr)
      load->updated_func(pixbuf, 0, 0, gdk_pixbuf_get_width(pixbuf), gdk_pixbuf_get_height(pixbuf),
                         load->user_data);
  }
  g_object_unref(pixbuf);
  return TRUE;
}

// The format table's extensions as the list of C strings a format holds, made once.
gchar** extension_list() {
  static std::vector<std::string> texts = [] {
    const std::vector<std::string_view> extensions = picture_extensions();
    return std::vector<std::string>(extensions.begin(), extensions.end());
  }();
  static std::vector<gchar*> list = [] {
    std::vector<gchar*> pointers;
    pointers.reserve(texts.size() + 1);
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
  }();
  return list.data();
}

}  // namespace

extern "C" {

G_MODULE_EXPORT void fill_vtable(GdkPixbufModule* module) {
  module->load = load;
  module->begin_load = begin_load;
  module->load_increment = load_increment;
  module->stop_load = stop_load;
}

G_MODULE_EXPORT void fill_info(GdkPixbufFormat* info) {
  // No signature: the desktop's MIME type chooses the loader (see above).
  static GdkPixbufModulePattern no_signature[] = {{nullptr, nullptr, 0}};
  static gchar* mime_types[] = {const_cast<gchar*>("image/x-c64-picture"), nullptr};
  info->name = const_cast<gchar*>("c64");
  info->signature = no_signature;
  info->description = const_cast<gchar*>("Commodore 64 picture");
  info->mime_types = mime_types;
  info->extensions = extension_list();
  // Decoding takes a lock of its own: hosts may load pictures from several threads.
  info->flags = GDK_PIXBUF_FORMAT_THREADSAFE;
  info->license = const_cast<gchar*>("MIT");
}
}
