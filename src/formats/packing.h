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
  // The escape byte at 2, then runs "escape count value" between plain bytes (ECI Graphic
  // Editor; a count of 0 is refused, as readers disagree on it).
  eci_runs,
  // As eci_runs, a count of 0 repeating 256 times (UFLI).
  ufli_runs,
  // Bytes 0x10 0x10 0x10 at 2, the escape byte at 5, then runs "escape count value" of count + 1
  // between plain bytes, ending with the file (Pixel Perfect).
  pixel_perfect_runs,
  // Commands "0 count" plain bytes and "1 count value", a count of 0 standing for 256 (Vertical
  // Hires Interlace Editor).
  vhi_commands,
  // Boogie Down Paint: three versions, told by their first bytes.
  boogie_down,
  // Read from the file's end down: runs "escape count value" between plain bytes, the escape
  // byte the file's last (Zoomatic, Flimatic), or the first of a 16-byte header at offset 2
  // (Flip, FLI Graph).
  backward_runs_escape_last,
  backward_runs_escape_at_2,
  // True Paint's self-showing files, read from the end down by the command tables of their own
  // unpacker, down to the byte after the tables.
  true_paint_backwards,
  // Micro Illustrator's packed types 1 and 2, unpacked into the plain type's layout.
  micro_illustrator_runs,
  // GoDot's packed 4-bit pictures ("GOD0") and clips ("GOD1", put at the picture's top left):
  // runs "0xAD count value", the file's last byte 0xAD.
  godot_runs,
  godot_clip,
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
