#include "cli/batch_plan.h"

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>

#include "containers/d64/d64_entry.h"
#include "containers/d64/d64_read.h"
#include "listing/d64_rows.h"

namespace {

namespace fs = std::filesystem;

bool is_name_byte(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.';
}

bool is_regular_file(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string extension_of(image_kind kind) {
  return kind == image_kind::png ? ".png" : ".bmp";
}

std::string entry_stem(std::string_view image, uint32_t index, const dir_entry& entry) {
  char number[16];
  std::snprintf(number, sizeof number, "-%02u-", index);
  const std::string_view name(reinterpret_cast<const char*>(entry.name.data()), entry.name.size());
  return fs::path(image).stem().string() + number + sanitised_entry_name(name);
}

// Hands out output names, keeping each one unique within the run.
class output_names {
 public:
  output_names(std::string dir, image_kind kind) : dir_(std::move(dir)), ext_(extension_of(kind)) {
    if (!dir_.empty() && dir_.back() != '/') dir_ += '/';
  }
  std::string take(const std::string& stem) {
    std::string name = stem + ext_;
    for (int n = 2; !taken_.insert(name).second; ++n) name = stem + "-" + std::to_string(n) + ext_;
    return dir_ + name;
  }

 private:
  std::string dir_;
  std::string ext_;
  std::set<std::string> taken_;
};

class batch_planner {
 public:
  batch_planner(const std::string& dir, image_kind kind) : names_(dir, kind) { plan_.dir = dir; }

  // A file of exactly the input's name is that file, even where it reads like IMAGE:N.
  void add(const std::string& input) {
    const std::optional<file_identity> file = identity_of(input);
    if (const auto ref = parse_d64_entry_ref(input); ref && !file) return add_entry(input, *ref);
    if (file) plan_.input_files.push_back(*file);
    if (has_disk_image_extension(input) && is_regular_file(input)) return add_image(input);
    const std::string stem = fs::path(input).stem().string();
    plan_.items.push_back({input, names_.take(stem.empty() ? "picture" : stem)});
  }

  batch_plan take_plan() { return std::move(plan_); }

 private:
  bool read_image(const std::string& input, const std::string& image) {
    if (const std::optional<file_identity> file = identity_of(image))
      plan_.input_files.push_back(*file);
    const result<> read = read_directory(*reader_, image);
    if (read) {
      compute_prg_sizes(*reader_);
      return true;
    }
    skip(input, "cannot read the disk image: " + read.error());
    return false;
  }

  void add_entry(const std::string& input, const d64_entry_ref& ref) {
    if (!read_image(input, ref.image)) return;
    if (ref.index >= reader_->dir_entry_count) return skip(input, no_such_entry_message);
    const dir_entry& entry = reader_->dir_entries[ref.index];
    if (const std::optional<std::string> why = why_entry_is_unreadable(entry))
      return skip(input, *why);
    plan_.items.push_back({input, names_.take(entry_stem(ref.image, ref.index, entry))});
  }

  void add_image(const std::string& image) {
    if (!read_image(image, image)) return;
    const size_t before = plan_.items.size();
    for (uint32_t i = 0; i < reader_->dir_entry_count; ++i) {
      const dir_entry& entry = reader_->dir_entries[i];
      const std::string input = image + ":" + std::to_string(i);
      // A program file that cannot be read whole may be a picture: the batch says so.
      if (is_program_file(entry.file_type) && entry.chain.broken())
        skip(input, chain_break_text({entry.size_bytes, entry.chain}));
      if (entry_picture_format(*reader_, entry) == 0) continue;
      plan_.items.push_back({input, names_.take(entry_stem(image, i, entry))});
    }
    if (plan_.items.size() == before)
      skip(image, "the disk image holds no picture that can be shown");
  }

  void skip(const std::string& input, std::string_view reason) {
    plan_.skipped.push_back({input, std::string(reason)});
  }

  output_names names_;
  std::unique_ptr<d64_reader> reader_ = std::make_unique<d64_reader>();
  batch_plan plan_;
};

}  // namespace

std::string sanitised_entry_name(std::string_view name) {
  std::string out;
  bool gap = false;
  for (const char c : name) {
    if (is_name_byte(static_cast<unsigned char>(c))) {
      if (gap && !out.empty()) out += '_';
      out += c;
      gap = false;
    } else {
      gap = true;
    }
  }
  // Leading dots would hide the file; trailing ones look like a stray extension.
  const size_t first = out.find_first_not_of('.');
  const size_t last = out.find_last_not_of('.');
  out = first == std::string::npos ? std::string() : out.substr(first, last - first + 1);
  return out.empty() ? "entry" : out;
}

batch_plan plan_batch(std::span<const std::string> inputs, const std::string& dir,
                      image_kind kind) {
  batch_planner planner(dir, kind);
  for (const std::string& input : inputs) planner.add(input);
  return planner.take_plan();
}
