#include "output/png_file.h"

#include <csetjmp>
#include <cstring>
#include <memory>
#include <string>

#include "output/png_calls.h"

namespace {

// Room for bytes that are all written before they are read: nothing is cleared beforehand,
// and it is kept for the next file (a batch writes one after another on each thread).
struct scratch_bytes {
  std::unique_ptr<uint8_t[]> bytes;
  size_t size = 0;

  uint8_t* room(size_t wanted) {
    if (wanted > size) {
      bytes.reset(new uint8_t[wanted]);
      size = wanted;
    }
    return bytes.get();
  }
};

// Where libpng's callbacks put the file's bytes, and where its errors return to.
struct png_output {
  const png_calls* png = nullptr;
  uint8_t* bytes = nullptr;
  size_t room = 0;
  size_t size = 0;
  std::jmp_buf failed{};
};

[[noreturn]] void fail(png_structp writer, png_const_charp) {
  auto* out = static_cast<png_output*>(libpng()->get_error_ptr(writer));
  std::longjmp(out->failed, 1);
}

void ignore_warning(png_structp, png_const_charp) {}

void append(png_structp writer, png_bytep data, size_t count) {
  auto* out = static_cast<png_output*>(libpng()->get_io_ptr(writer));
  if (count > out->room - out->size) fail(writer, nullptr);
  std::memcpy(out->bytes + out->size, data, count);
  out->size += count;
}

// The picture as an 8-bit RGB file in sRGB, rows unfiltered, compressed at zlib's level 3:
// what libpng's simplified writer makes of it with its fast flag, byte for byte. The rows
// are the surface's own: each pixel's bytes lie blue, green, red and one unused, which libpng
// reorders and leaves out, so no copy of the picture is made first.
void write_rows(const png_calls& png, png_structp writer, png_infop info, const surface& image) {
  png.set_ihdr(writer, info, static_cast<png_uint_32>(image.width),
               static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
  png.set_srgb(writer, info, PNG_sRGB_INTENT_PERCEPTUAL);
  png.write_info(writer, info);
  png.set_bgr(writer);
  png.set_filler(writer, 0, PNG_FILLER_AFTER);
  png.set_filter(writer, PNG_FILTER_TYPE_BASE, PNG_NO_FILTERS);
  png.set_compression_level(writer, 3);
  for (int y = 0; y < image.height; ++y)
    png.write_row(writer, reinterpret_cast<png_const_bytep>(image.pixels.data() +
                                                            static_cast<size_t>(y) * image.width));
  png.write_end(writer, info);
}

// False when libpng fails, or the file would not fit in out's room: its errors jump back
// here, where nothing is left to undo.
bool written_safely(png_output& out, png_structp writer, png_infop info, const surface& image) {
  if (setjmp(out.failed) != 0) return false;
  out.png->set_write_fn(writer, &out, append, nullptr);
  write_rows(*out.png, writer, info, image);
  return true;
}

bool encode(const surface& image, png_output& out) {
  png_structp writer =
      out.png->create_write_struct(PNG_LIBPNG_VER_STRING, &out, fail, ignore_warning);
  if (!writer) return false;
  png_infop info = out.png->create_info_struct(writer);
  const bool written = info && written_safely(out, writer, info, image);
  out.png->destroy_write_struct(&writer, &info);
  return written;
}

}  // namespace

result<> write_png_file(const std::string& path, const surface& image,
                        const write_options& options) {
  if (!image.valid()) return failure{"Stream write error"};
  png_output out;
  out.png = libpng();
  if (!out.png)
    return failure{std::string("PNG files are written by ") + png_library_file +
                   ", which cannot be opened"};
  // One pass into room for the worst case, which libpng's own bound gives.
  png_image bound{};
  bound.width = static_cast<png_uint_32>(image.width);
  bound.height = static_cast<png_uint_32>(image.height);
  bound.format = PNG_FORMAT_RGB;
  thread_local scratch_bytes encoded;
  out.room = PNG_IMAGE_PNG_SIZE_MAX(bound);
  out.bytes = encoded.room(out.room);
  if (!encode(image, out)) return failure{"Stream write error"};
  const std::span<const uint8_t> parts[] = {std::span(out.bytes, out.size)};
  return write_file_safely(path, parts, options);
}
