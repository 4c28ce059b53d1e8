#include <cstdio>

#include "cli/commands.h"
#include "formats/format_table.h"

namespace {

// The sizes that are not 0, joined by commas.
template <size_t count>
std::string sizes_text(const std::array<int32_t, count>& sizes) {
  std::string text;
  for (int32_t size : sizes) {
    if (size == 0) continue;
    if (!text.empty()) text += ',';
    text += std::to_string(size);
  }
  return text;
}

// ",10001 without load address" for a format whose files come without one at that size.
std::string without_load_address_text(const format_entry& format) {
  if (format.size_without_load_address == 0) return {};
  // Appended rather than "," + number, which GCC 12 at -O3 takes for an overlapping copy.
  std::string text(1, ',');
  return text.append(std::to_string(format.size_without_load_address))
      .append(" without load address");
}

// C64 addresses as "$6000,$4400"; "-" where the format takes any.
std::string addresses_text(const format_names_and_addresses& recognised) {
  if (recognised.load_address_count == 0) return "-";
  std::string text;
  for (size_t k = 0; k < recognised.load_address_count; ++k) {
    char hex[7];
    std::snprintf(hex, sizeof hex, ",$%04X", static_cast<unsigned>(recognised.load_addresses[k]));
    text += hex + (k == 0 ? 1 : 0);
  }
  return text;
}

void print_format(const format_entry& format, std::ostream& out) {
  const bool packed = format.pack != packing::none;
  const bool any_size = packed || (format.arrange != arrangement::none && format.sizes[0] == 0);
  const std::array<int32_t, 2> unpacked = {format.unpacked_size, format.longer_unpacked_size};
  std::string extensions;
  for (std::string_view extension : format.recognised.extensions) {
    if (extension.empty()) continue;
    if (!extensions.empty()) extensions += ',';
    extensions += extension;
  }
  out << unsigned{format.id} << '\t' << format.name << '\t'
      << (any_size ? "any" : sizes_text(format.sizes) + without_load_address_text(format)) << '\t'
      << addresses_text(format.recognised) << '\t' << (extensions.empty() ? "-" : extensions)
      << '\t'
      << (packed            ? "unpacks to " + sizes_text(unpacked)
          : format.packed() ? "yes"
                            : "no")
      << '\t' << unsigned{format.frames()} << '\n';
}

}  // namespace

int run_formats_command(std::span<const std::string_view> args, console& io) {
  if (!args.empty()) {
    io.err << "velora2003: formats: takes no arguments\nusage: velora2003 formats\n";
    return 2;
  }
  for (const format_entry& format : format_table) print_format(format, io.out);
  return 0;
}
