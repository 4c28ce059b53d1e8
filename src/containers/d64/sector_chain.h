#pragma once
// How a file's sector chain ends. A sound chain ends at a link to track 0; a damaged one breaks
// at the first link to a sector that is not on the disk or that the chain has passed already.
#include <cstdint>
#include <string>

enum class chain_fault : uint8_t { none, off_the_disk, repeats_a_sector };

struct chain_end {
  chain_fault fault = chain_fault::none;
  uint8_t track = 0;   // where the link that broke the chain points
  uint8_t sector = 0;  // (the first sector itself when it is not on the disk)

  constexpr bool broken() const { return fault != chain_fault::none; }
};

struct sector_chain {
  // A sound chain: the file's size, load address included. A broken one: the bytes that could
  // really be read, 254 for every sector before the break.
  int32_t size_bytes = 0;
  chain_end end;
};

// Why a broken chain cannot be read whole, in one line: "the file's sector chain breaks after
// 9,906 bytes: it links to track 36, sector 98, which is not on the disk".
std::string chain_break_text(const sector_chain& chain);
