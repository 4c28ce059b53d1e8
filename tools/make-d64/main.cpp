// make-d64: builds a D64, D71 or D81 disk image from host files.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tools/make-d64/d64_writer.h"

namespace {

constexpr const char* usage_text =
    "usage: make-d64 OUTPUT.d64 [--kind KIND] [--name DISKNAME] [--id ID]\n"
    "                [[--as NAME] [--type TYPE] FILE]...\n"
    "Builds a disk image holding the FILEs in the order given.\n"
    "  --kind KIND      d64 (35 tracks, default), d64-40 (40 tracks), d71 or d81\n"
    "  --name DISKNAME  disk name, at most 16 bytes (default: empty)\n"
    "  --id ID          disk id, at most 2 bytes (default: 00)\n"
    "  --as NAME        directory name of the next FILE, at most 16 bytes; \\xHH gives any byte\n"
    "                   (default: the FILE's base name without extension, upper-cased)\n"
    "  --type TYPE      PRG (default), SEQ, USR, REL, DEL or a type byte such as 0x85,\n"
    "                   for the next FILE\n";

int usage_error(const std::string& message) {
  std::fprintf(stderr, "make-d64: %s\n%s", message.c_str(), usage_text);
  return 2;
}

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Turns \xHH into the byte HH; other text stays as it is.
std::optional<std::string> unescape(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 >= text.size() || text[i + 1] != 'x') {
      out += text[i];
      continue;
    }
    if (i + 3 >= text.size()) return std::nullopt;
    const int high = hex_value(text[i + 2]);
    const int low = hex_value(text[i + 3]);
    if (high < 0 || low < 0) return std::nullopt;
    out += static_cast<char>(high * 16 + low);
    i += 3;
  }
  return out;
}

std::optional<const disk_kind*> parse_kind(std::string_view text) {
  if (text == "d64") return &d64_kind;
  if (text == "d64-40") return &d64_40_track_kind;
  if (text == "d71") return &d71_kind;
  if (text == "d81") return &d81_kind;
  return std::nullopt;
}

std::optional<uint8_t> parse_type(std::string_view text) {
  constexpr std::array<std::string_view, 5> names = {"DEL", "SEQ", "PRG", "USR", "REL"};
  for (size_t i = 0; i < names.size(); ++i) {
    if (text == names[i]) return static_cast<uint8_t>(0x80 | i);
  }
  if (text.size() == 4 && text.substr(0, 2) == "0x" && hex_value(text[2]) >= 0 &&
      hex_value(text[3]) >= 0)
    return static_cast<uint8_t>(hex_value(text[2]) * 16 + hex_value(text[3]));
  return std::nullopt;
}

std::string default_name(const std::filesystem::path& file) {
  std::string name = file.stem().string().substr(0, 16);
  for (char& c : name) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return name;
}

std::optional<std::vector<uint8_t>> read_host_file(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

// Writes beside the target, then renames, so a failure never leaves half an image.
bool write_image(const std::string& output, std::span<const uint8_t> image) {
  std::string temp = output + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  size_t done = 0;
  while (done < image.size()) {
    const ssize_t n = ::write(fd, image.data() + done, image.size() - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  const bool written = done == image.size() && ::fchmod(fd, 0644) == 0 && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (written && closed && std::rename(temp.c_str(), output.c_str()) == 0) return true;
  ::unlink(temp.c_str());
  return false;
}

// What the command line asks for: the disk's name, id and kind, and its files in order.
struct image_request {
  std::string disk_name;
  std::string disk_id = "00";
  const disk_kind* kind = &d64_kind;
  std::vector<std::vector<uint8_t>> contents;
  std::vector<d64_file> files;
};

// The file after --as and --type: the name and type its directory entry gets.
struct next_file {
  std::optional<std::string> name;
  uint8_t type = 0x82;
};

// Takes an option's value; 0, or the exit status of a bad value.
int read_option(std::string_view option, std::string_view value, image_request& request,
                next_file& next) {
  if (option == "--kind") {
    const auto named = parse_kind(value);
    if (!named) return usage_error("unknown kind " + std::string(value));
    request.kind = *named;
    return 0;
  }
  if (option == "--type") {
    const auto type = parse_type(value);
    if (!type) return usage_error("unknown type " + std::string(value));
    next.type = *type;
    return 0;
  }
  const auto text = unescape(value);
  if (!text) return usage_error("bad \\x escape in " + std::string(value));
  if (option == "--name") request.disk_name = *text;
  if (option == "--id") request.disk_id = *text;
  if (option == "--as") next.name = *text;
  return 0;
}

// Reads the options and files that follow the output name; 0, or the exit status of a failure.
int read_request(std::span<const std::string_view> args, image_request& request) {
  next_file next;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--name" || arg == "--id" || arg == "--as" || arg == "--type" || arg == "--kind") {
      if (i + 1 >= args.size()) return usage_error(std::string(arg) + " needs a value");
      if (const int status = read_option(arg, args[++i], request, next)) return status;
      continue;
    }
    if (arg.starts_with("--")) return usage_error("unknown option " + std::string(arg));
    const std::filesystem::path path(arg);
    auto bytes = read_host_file(path);
    if (!bytes) {
      std::fprintf(stderr, "make-d64: cannot read %s\n", path.c_str());
      return 1;
    }
    request.contents.push_back(std::move(*bytes));
    request.files.push_back({next.name.value_or(default_name(path)), next.type, {}});
    next = {};
  }
  for (size_t f = 0; f < request.files.size(); ++f) request.files[f].data = request.contents[f];
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(usage_text, stdout);
    return 0;
  }
  if (args.empty()) return usage_error("no output file given");
  const std::string output(args[0]);
  image_request request;
  if (const int status = read_request(std::span(args).subspan(1), request)) return status;

  static std::array<uint8_t, max_image_file_size> buffer;
  const std::span<uint8_t> image = std::span(buffer).first(request.kind->image_size);
  const d64_build_result result =
      build_disk_image(*request.kind, request.disk_name, request.disk_id, request.files, image);
  if (!result.ok) {
    std::fprintf(stderr, "make-d64: %s\n", result.error.c_str());
    return 1;
  }
  if (!write_image(output, image)) {
    std::fprintf(stderr, "make-d64: cannot write %s\n", output.c_str());
    return 1;
  }
  return 0;
}
