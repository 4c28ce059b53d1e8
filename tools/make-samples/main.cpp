// make-samples: writes one picture file of every showable format, computed here, into a
// folder, and prints the format_id and file name of each; with --all also a file of a size
// that names no format.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "sample_formats.h"

namespace {

sample_workspace work;

bool write_file(const std::filesystem::path& path, const file_buffer& file, uint32_t size) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(file.bytes.data()), size);
  out.close();
  if (out) return true;
  std::fprintf(stderr, "make-samples: cannot write %s\n", path.c_str());
  return false;
}

int usage() {
  std::fputs("usage: make-samples [--all] FOLDER\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool all = false;
  std::filesystem::path folder;
  for (int k = 1; k < argc; ++k) {
    const std::string_view arg = argv[k];
    if (arg == "--all") {
      all = true;
    } else if (arg.starts_with("-") || !folder.empty()) {
      return usage();
    } else {
      folder = arg;
    }
  }
  if (folder.empty()) return usage();

  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    std::fprintf(stderr, "make-samples: cannot create %s: %s\n", folder.c_str(),
                 error.message().c_str());
    return 1;
  }
  for (const sample_format& sample : sample_formats) {
    const uint32_t size = make_sample(sample, work);
    if (!write_file(folder / sample.file_name, work.file, size)) return 1;
    std::printf("%d %.*s\n", sample.format_id, static_cast<int>(sample.file_name.size()),
                sample.file_name.data());
  }
  if (all) {
    begin_file(work.file, unknown_size_sample.load_address);
    if (!write_file(folder / unknown_size_sample.file_name, work.file, unknown_size_sample.size))
      return 1;
  }
  return 0;
}
