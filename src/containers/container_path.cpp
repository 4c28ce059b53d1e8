#include "containers/container_path.h"

#include <sys/stat.h>

#include <algorithm>
#include <limits>

#include "containers/container_name.h"
#include "containers/container_stack.h"

namespace {

bool exists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

std::optional<uint32_t> entry_number(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  uint64_t number = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    number = std::min<uint64_t>(number * 10 + (c - '0'), std::numeric_limits<uint32_t>::max());
  }
  return static_cast<uint32_t>(number);
}

}  // namespace

std::optional<container_path> parse_container_path(std::string_view input) {
  if (exists(std::string(input))) return std::nullopt;
  container_path path;
  std::string_view rest = input;
  for (int depth = 0; depth < max_container_depth; ++depth) {
    const size_t colon = rest.rfind(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const std::optional<uint32_t> number = entry_number(rest.substr(colon + 1));
    if (!number) return std::nullopt;
    path.entries.insert(path.entries.begin(), *number);
    rest = rest.substr(0, colon);
    path.file = std::string(rest);
    if (exists(path.file) || container_type_of(path.file)) return path;
  }
  return std::nullopt;
}
