#include "output/png_file.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "base/ready_room.h"

// The file is what libpng's simplified writer makes with its fast flag, byte for byte: an
// 8-bit RGB picture marked sRGB, rows unfiltered, compressed at zlib's level 3 and cut into
// IDAT chunks of 8192 bytes. It is written here over zlib because opening libpng (with libm)
// cost a thumbnail more than its compression.
namespace {

constexpr int compression_level = 3;
constexpr int memory_level = 8;
constexpr size_t idat_bytes = 8192;
constexpr std::array<uint8_t, 8> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

void put_u32(uint8_t* out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

// The bytes deflate reads: a filter byte of 0 before each row.
size_t image_bytes(const surface& image) {
  const size_t row = size_t{3} * static_cast<size_t>(image.width);
  // Beyond these the writer gives up guessing and takes the largest window.
  if (row >= 32768 || image.height >= 32768) return 0xFFFFFFFFu;
  return (row + 1) * static_cast<size_t>(image.height);
}

// The smallest window that holds a small image whole, as libpng chooses it.
int window_bits(size_t data_size) {
  int bits = 15;
  if (data_size <= 16384)
    for (size_t half = size_t{1} << (bits - 1); data_size + 262 <= half; half >>= 1) --bits;
  return bits;
}

// The stream's header names the smallest window an inflater needs for a small image.
void narrow_window_field(uint8_t* header, size_t data_size) {
  const unsigned cmf = header[0];
  if (data_size > 16384 || (cmf & 0x0F) != 8 || (cmf & 0xF0) > 0x70) return;
  unsigned info = cmf >> 4;
  unsigned half = 1u << (info + 7);
  if (data_size > half) return;
  do {
    half >>= 1;
    --info;
  } while (info > 0 && data_size <= half);
  header[0] = static_cast<uint8_t>((cmf & 0x0F) | (info << 4));
  unsigned flags = header[1] & 0xE0u;
  flags += 0x1F - ((header[0] << 8) + flags) % 0x1F;
  header[1] = static_cast<uint8_t>(flags);
}

// Everything deflate allocates, with room to spare for its own state.
size_t deflate_memory(int bits) {
  const size_t window = size_t{1} << std::max(bits, 9);
  return (size_t{16} << 10) + 4 * window + (size_t{2} << (memory_level + 7)) +
         (size_t{4} << (memory_level + 6));
}

// Deflate's allocations, handed out from one room per thread that is mapped whole: kept from
// one file to the next, and never cleared, which deflate does not need.
struct deflate_memory_room {
  ready_room room;
  uint8_t* start = nullptr;
  size_t size = 0;
  size_t used = 0;
};

voidpf take(voidpf opaque, uInt items, uInt size) {
  auto& memory = *static_cast<deflate_memory_room*>(opaque);
  const size_t bytes = (size_t{items} * size + 15) & ~size_t{15};
  if (bytes > memory.size - memory.used) return Z_NULL;
  uint8_t* taken = memory.start + memory.used;
  memory.used += bytes;
  return taken;
}

void give_back(voidpf, voidpf) {}

// One PNG chunk at a time: its length, type, data and CRC.
class chunk_writer {
 public:
  explicit chunk_writer(const file_bytes_sink& put) : put_(put) {}

  bool write(const char (&type)[5], const uint8_t* data, size_t size) {
    uint8_t head[8];
    put_u32(head, static_cast<uint32_t>(size));
    std::memcpy(head + 4, type, 4);
    uLong crc = crc32(0, head + 4, 4);
    if (size > 0) crc = crc32(crc, data, static_cast<uInt>(size));
    uint8_t tail[4];
    put_u32(tail, static_cast<uint32_t>(crc));
    return put_(head) && (size == 0 || put_(std::span(data, size))) && put_(tail);
  }

 private:
  const file_bytes_sink& put_;
};

// A deflate stream set up for one picture; the file is written only once this succeeded.
class png_encoder {
 public:
  explicit png_encoder(const surface& image) : image_(image), data_size_(image_bytes(image)) {
    thread_local deflate_memory_room memory;
    const int bits = window_bits(data_size_);
    const size_t needed = deflate_memory(bits);
    memory.start = memory.room.room(needed);
    memory.size = memory.start ? needed : 0;
    memory.used = 0;
    stream_.zalloc = take;
    stream_.zfree = give_back;
    stream_.opaque = &memory;
    ready_ = deflateInit2(&stream_, compression_level, Z_DEFLATED, bits, memory_level,
                          Z_DEFAULT_STRATEGY) == Z_OK;
  }
  png_encoder(const png_encoder&) = delete;
  png_encoder& operator=(const png_encoder&) = delete;
  ~png_encoder() {
    if (ready_) deflateEnd(&stream_);
  }

  bool ready() const { return ready_; }

  bool write(const file_bytes_sink& put) {
    chunk_writer chunks(put);
    std::array<uint8_t, 13> header{};
    put_u32(header.data(), static_cast<uint32_t>(image_.width));
    put_u32(header.data() + 4, static_cast<uint32_t>(image_.height));
    header[8] = 8;  // bits per channel
    header[9] = 2;  // RGB
    const uint8_t perceptual = 0;
    if (!put(signature) || !chunks.write("IHDR", header.data(), header.size()) ||
        !chunks.write("sRGB", &perceptual, 1))
      return false;
    thread_local std::vector<uint8_t> row;
    row.resize(size_t{3} * static_cast<size_t>(image_.width) + 1);
    for (int y = 0; y < image_.height; ++y) {
      pack_row(y, row.data());
      if (!compress(chunks, row.data(), row.size(), Z_NO_FLUSH)) return false;
    }
    return compress(chunks, nullptr, 0, Z_FINISH) && chunks.write("IEND", nullptr, 0);
  }

 private:
  // Filter byte 0, then red, green and blue of each pixel.
  void pack_row(int y, uint8_t* out) const {
    const uint32_t* pixel = image_.pixels.data() + static_cast<size_t>(y) * image_.width;
    *out++ = 0;
    for (int x = 0; x < image_.width; ++x, out += 3) {
      out[0] = static_cast<uint8_t>(pixel[x] >> 16);
      out[1] = static_cast<uint8_t>(pixel[x] >> 8);
      out[2] = static_cast<uint8_t>(pixel[x]);
    }
  }

  // Deflates the bytes, writing an IDAT chunk whenever one is full and, at the end, the rest.
  bool compress(chunk_writer& chunks, const uint8_t* bytes, size_t size, int flush) {
    stream_.next_in = const_cast<Bytef*>(bytes);
    stream_.avail_in = static_cast<uInt>(size);
    for (;;) {
      if (stream_.avail_out == 0) {
        stream_.next_out = idat_.data();
        stream_.avail_out = idat_bytes;
      }
      const int status = deflate(&stream_, flush);
      if (status == Z_STREAM_ERROR) return false;
      const bool finished = status == Z_STREAM_END;
      if (stream_.avail_out == 0 || finished) {
        const size_t filled = idat_bytes - stream_.avail_out;
        if (first_idat_) narrow_window_field(idat_.data(), data_size_);
        first_idat_ = false;
        if (filled > 0 && !chunks.write("IDAT", idat_.data(), filled)) return false;
        stream_.avail_out = 0;
      }
      if (finished) return true;
      if (flush == Z_NO_FLUSH && stream_.avail_in == 0 && stream_.avail_out != 0) return true;
    }
  }

  const surface& image_;
  size_t data_size_;
  z_stream stream_{};
  bool ready_ = false;
  bool first_idat_ = true;
  std::array<uint8_t, idat_bytes> idat_{};
};

}  // namespace

result<> write_png_file(const std::string& path, const surface& image,
                        const write_options& options) {
  if (!image.valid()) return failure{"Stream write error"};
  png_encoder encoder(image);
  if (!encoder.ready()) return failure{"Stream write error", "no memory for compressing"};
  return write_file_safely(
      path, [&encoder](const file_bytes_sink& put) { return encoder.write(put); }, options);
}
