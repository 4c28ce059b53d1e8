#include "containers/d64/d64_geometry.h"

#include <vector>

std::string disk_kind_text(const disk_kind& kind) {
  // Only a 1541 disk comes in two lengths.
  if (&kind == &d64_kind || &kind == &d64_40_track_kind)
    return std::string(kind.name) + " " + std::to_string(kind.track_count) + " tracks";
  return std::string(kind.name);
}

std::string disk_image_sizes_text() {
  std::string text;
  for (size_t k = 0; k < disk_kinds.size();) {
    const std::string_view name = disk_kinds[k].name;
    std::vector<int32_t> sizes;
    for (; k < disk_kinds.size() && disk_kinds[k].name == name; ++k) {
      sizes.push_back(disk_kinds[k].image_size);
      sizes.push_back(disk_kinds[k].image_size_with_errors());
    }
    if (!text.empty()) text += ", ";
    text += std::string(name) + " ";
    for (size_t i = 0; i < sizes.size(); ++i) {
      if (i > 0) text += i + 1 == sizes.size() ? " or " : ", ";
      text += std::to_string(sizes[i]);
    }
    text += " bytes";
  }
  return text;
}
