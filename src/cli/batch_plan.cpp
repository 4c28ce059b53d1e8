#include "cli/batch_plan.h"

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>

#include "cli/render_input.h"
#include "containers/container_path.h"
#include "containers/container_stack.h"
#include "listing/container_rows.h"

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

// "-NN-NAME": an entry's part of an output name, its number keeping apart entries of one name.
// An archive's entry is named by its file name without the extension.
std::string entry_part(uint32_t index, std::string_view name, bool c64_name) {
  char number[16];
  std::snprintf(number, sizeof number, "-%02u-", index);
  const std::string file_name = fs::path(name).stem().string();
  return number + sanitised_entry_name(c64_name ? name : std::string_view(file_name));
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

  // A file of exactly the input's name is that file, even where it reads like CONTAINER:N.
  void add(const std::string& input) {
    const std::optional<file_identity> file = identity_of(input);
    if (!file) {
      if (const std::optional<container_path> named = parse_container_path(input))
        return add_entry(input, *named);
    }
    if (file) plan_.input_files.push_back(*file);
    const std::optional<container_type> type = container_type_of(input);
    if (type && type->kind != container_kind::pc64 && is_regular_file(input))
      return add_container(input);
    const std::string stem = fs::path(input).stem().string();
    plan_.items.push_back({input, names_.take(stem.empty() ? "picture" : stem)});
  }

  batch_plan take_plan() { return std::move(plan_); }

 private:
  bool open(const std::string& input, const std::string& file, std::span<const uint32_t> entries) {
    if (const std::optional<file_identity> identity = identity_of(file))
      plan_.input_files.push_back(*identity);
    const result<> open =
        entries.empty() ? opened().open(file) : open_container_path(opened(), file, entries);
    if (!open) skip(input, "cannot read " + file + ": " + describe(open.why()));
    return open.ok();
  }

  void add_entry(const std::string& input, const container_path& named) {
    if (!open(input, named.file, named.entries)) return;
    // Only the last entry is read here; the ones before it were entered to reach it.
    const result<entry_bytes> read = opened().read(named.entries.back(), scratch_.bytes);
    if (!read) return skip(input, describe(read.why()));
    std::string stem = fs::path(named.file).stem().string();
    for (size_t k = 0; k + 1 < named.entries.size(); ++k)
      stem += entry_part(named.entries[k], opened().level(static_cast<int>(k) + 1).name, false);
    const bool c64_name = opened().innermost().type.kind != container_kind::archive;
    plan_.items.push_back(
        {input, names_.take(stem + entry_part(named.entries.back(), read->name, c64_name))});
  }

  // Every picture of the container, and of the containers inside it, in their order.
  void add_container(const std::string& path) {
    if (!open(path, path, {})) return;
    const size_t before = plan_.items.size();
    add_pictures(path, fs::path(path).stem().string());
    if (plan_.items.size() == before)
      skip(path, "the container holds no picture that can be shown");
  }

  void add_pictures(const std::string& input, const std::string& stem) {
    container_listing listing;
    list_all_entries(opened(), listing);
    for (const std::string& problem : listing.problems) skip(input, problem);
    for (const entry_row& row : listing.rows) {
      const std::string entry_input = input + ":" + std::to_string(row.entry);
      const std::string entry_stem =
          stem + entry_part(row.entry, row.name, row.role == row_role::c64_file);
      // A program file that cannot be read whole may be a picture: the batch says so.
      if (row.role == row_role::c64_file && row.type.ends_with(broken_chain_mark))
        skip(entry_input, opened().why_unreadable(row.entry).value_or(""));
      if (row_shows_picture(row)) plan_.items.push_back({entry_input, names_.take(entry_stem)});
      if (row.role != row_role::container) continue;
      if (const result<> entered = opened().enter(row.entry); !entered) {
        skip(entry_input, describe(entered.why()));
        continue;
      }
      add_pictures(entry_input, entry_stem);
      opened().leave();
    }
  }

  void skip(const std::string& input, std::string_view reason) {
    plan_.skipped.push_back({input, std::string(reason)});
  }

  // Large, and made only for a batch that names a container.
  container_stack& opened() {
    if (!opened_) opened_ = std::make_unique<container_stack>();
    return *opened_;
  }

  output_names names_;
  std::unique_ptr<container_stack> opened_;
  std::unique_ptr<file_buffer> scratch_buffer_ = std::make_unique<file_buffer>();
  file_buffer& scratch_ = *scratch_buffer_;
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
