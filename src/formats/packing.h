#pragma once
// The packing schemes of packed picture files. Unpacking is bounded: it never writes past its
// output or reads past its input, and a stream that ends early, runs over or comes out at
// another size than its format's is refused.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "base/file_buffer.h"
#include "base/result.h"

enum class packing : uint8_t {
  none,
  // The data after the load address, as runs "0xFE value count" between plain bytes (Koala
  // Painter's GG and Doodle's JJ files).
  fe_runs,
  // The data after the load address, as runs "0xC2 count value" between plain bytes, ended
  // by "0xC2 0x00" (Amica Paint).
  amica_runs,
  // drazlace_mark at offset 2, the escape byte at 15, then runs "escape count value"
  // between plain bytes up to the picture's size.
  drazlace_runs,
  // One of drazpaint_marks at offset 2, then as drazlace_runs.
  drazpaint_runs,
  // funpaint_mark at offset 2, a packed flag (not 0) at 16, the escape byte at 17, then runs
  // "escape count value" between plain bytes, ended by "escape 0x00". The unpacked file keeps
  // offsets 2..17, with the flag 0.
  funpaint_runs,
  // Hires Manager: read from the last byte down to offset 18, written from offset 16371 down
  // to 322; commands "0 count value" and "n" followed by n - 1 plain bytes.
  hires_manager_backwards,
  // The whole file is a zlib stream (its header 0x78 0x9C reads as load address $9C78) of
  // the data after the load address.
  zlib,
};

inline constexpr std::string_view drazlace_mark = "DRAZLACE! 1.0";
// Sources disagree on the version Draz Paint writes; both are taken.
inline constexpr std::array<std::string_view, 2> drazpaint_marks = {"DRAZPAINT 1.4",
                                                                    "DRAZPAINT 2.0"};
// What every version's mark starts with.
inline constexpr std::string_view drazpaint_name = "DRAZPAINT ";
inline constexpr std::string_view funpaint_mark = "FUNPAINT (MT) ";
inline constexpr uint8_t amica_escape = 0xC2;

// The sizes, load address included, that a packed file may unpack to: size, or longer when it
// is not 0 (a stream that runs on past size must then reach longer).
struct unpacked_sizes {
  uint32_t size = 0;
  uint32_t longer = 0;
};

// Where a packed stream may end. Some files carry padding after their stream; a file that is
// told by unpacking alone must end with its stream, or much else would pass for one.
enum class stream_end : uint8_t {
  may_trail,  // bytes after a complete stream are not read
  exact,      // the file ends where its stream does (or at the end mark, for a scheme with one)
};

// Unpacks a packed file (load address at 0..1) into out as the plain file it stands for: the
// same first two bytes at 0..1, then the unpacked data, one of sizes' sizes in all.
result<> unpack(packing scheme, std::span<const uint8_t> packed, unpacked_sizes sizes,
                file_buffer& out, stream_end end = stream_end::may_trail);
