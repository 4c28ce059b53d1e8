#pragma once
// The packing schemes of packed picture files. Unpacking is bounded: it never writes past its
// output or reads past its input, and a stream that ends early, runs over or comes out at
// another size than its format's is refused.
#include <cstdint>
#include <span>

#include "base/result.h"
#include "formats/picture_model.h"

enum class packing : uint8_t {
  none,
  // The data after the load address, as runs "0xFE value count" between plain bytes (Koala
  // Painter's GG and Doodle's JJ files).
  fe_runs,
};

// Unpacks a packed file (load address at 0..1) into out as the plain file it stands for: the
// same load address at 0..1, then the unpacked data, unpacked_size bytes in all.
result<> unpack(packing scheme, std::span<const uint8_t> packed, uint32_t unpacked_size,
                file_buffer& out);
