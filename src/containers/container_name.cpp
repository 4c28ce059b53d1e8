#include "containers/container_name.h"

#include <algorithm>
#include <array>

#include "base/ascii_case.h"

namespace {

struct named_ending {
  std::string_view ending;  // lower case, with its dot
  container_type type;
};

// Longer endings first, so ".tar.gz" is a tar and ".d64.gz" a disk image before ".gz" decides.
constexpr std::array<named_ending, 20> endings = {{
    {".d64.gz", {"D64", container_kind::disk_image, true}},
    {".d71.gz", {"D71", container_kind::disk_image, true}},
    {".d81.gz", {"D81", container_kind::disk_image, true}},
    {".tar.gz", {"TAR", container_kind::archive}},
    {".tar.bz2", {"TAR", container_kind::archive}},
    {".tar.xz", {"TAR", container_kind::archive}},
    {".tar.zst", {"TAR", container_kind::archive}},
    {".tgz", {"TAR", container_kind::archive}},
    {".tbz2", {"TAR", container_kind::archive}},
    {".txz", {"TAR", container_kind::archive}},
    {".tzst", {"TAR", container_kind::archive}},
    {".tar", {"TAR", container_kind::archive}},
    {".d64", {"D64", container_kind::disk_image}},
    {".d71", {"D71", container_kind::disk_image}},
    {".d81", {"D81", container_kind::disk_image}},
    {".t64", {"T64", container_kind::tape}},
    {".zip", {"ZIP", container_kind::archive}},
    {".7z", {"7Z", container_kind::archive}},
    {".lha", {"LHA", container_kind::archive}},
    {".lzh", {"LHA", container_kind::archive}},
}};

// Compared in place and from the last character on, where endings differ: every file of a
// listing is asked, so nothing is copied and most names fail at their first character.
bool ends_with_lower(std::string_view name, std::string_view ending) {
  if (name.size() <= ending.size()) return false;
  return std::equal(ending.rbegin(), ending.rend(), name.rbegin(),
                    [](char lower, char c) { return ascii_lower_char(c) == lower; });
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::optional<container_type> container_type_of(std::string_view name) {
  for (const named_ending& named : endings)
    if (ends_with_lower(name, named.ending)) return named.type;
  if (pc64_type_of(name)) return container_type{"PC64", container_kind::pc64};
  if (ends_with_lower(name, ".gz")) return container_type{"GZ", container_kind::archive, true};
  return std::nullopt;
}

std::string_view container_kind_text(container_kind kind) {
  switch (kind) {
    case container_kind::disk_image:
      return "disk image";
    case container_kind::tape:
      return "tape";
    case container_kind::pc64:
      return "PC64 file";
    case container_kind::archive:
      break;
  }
  return "archive";
}

bool is_container_type_name(std::string_view text) {
  if (text == "PC64" || text == "GZ") return true;
  return std::any_of(endings.begin(), endings.end(),
                     [text](const named_ending& named) { return named.type.name == text; });
}

std::optional<d64_file_type> pc64_type_of(std::string_view name) {
  if (name.size() < 5 || name[name.size() - 4] != '.') return std::nullopt;
  const std::string_view ext = name.substr(name.size() - 3);
  if (!is_digit(ext[1]) || !is_digit(ext[2])) return std::nullopt;
  switch (ascii_lower_char(ext[0])) {
    case 'p':
      return d64_file_type::prg;
    case 's':
      return d64_file_type::seq;
    case 'u':
      return d64_file_type::usr;
    case 'r':
      return d64_file_type::rel;
    default:
      return std::nullopt;
  }
}

std::string_view without_gz(std::string_view name) {
  return ends_with_lower(name, ".gz") ? name.substr(0, name.size() - 3) : name;
}
