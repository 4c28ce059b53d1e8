// Reads a picture with gdk_pixbuf_new_from_file, as a GTK program does, and saves it as PNG:
// pixbuf_read_image INPUT OUTPUT.png. Exit 1 with gdk-pixbuf's error when it cannot be read.
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  GError* error = nullptr;
  GdkPixbuf* pixbuf = gdk_pixbuf_new_from_file(argv[1], &error);
  if (pixbuf == nullptr) {
    std::fprintf(stderr, "%s: %s\n", argv[1], error->message);
    g_error_free(error);
    return 1;
  }
  const bool saved = gdk_pixbuf_save(pixbuf, argv[2], "png", nullptr, nullptr);
  g_object_unref(pixbuf);
  return saved ? 0 : 1;
}
