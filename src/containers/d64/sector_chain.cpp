#include "containers/d64/sector_chain.h"

#include "base/whole_number.h"

std::string chain_break_text(const sector_chain& chain) {
  const std::string text =
      "the file's sector chain breaks after " + grouped_number(chain.size_bytes) + " bytes: ";
  const std::string place =
      "track " + std::to_string(chain.end.track) + ", sector " + std::to_string(chain.end.sector);
  if (chain.end.fault == chain_fault::repeats_a_sector) return text + "it links back to " + place;
  // Nothing was read: the directory names a first sector that the disk does not have.
  const char* link = chain.size_bytes == 0 ? "it starts at " : "it links to ";
  return text + link + place + ", which is not on the disk";
}
