#include "browser/drive_provider.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/ascii_case.h"

namespace {

constexpr std::array<std::string_view, 25> virtual_types = {
    "proc",      "sysfs",       "cgroup",          "cgroup2",  "devpts", "devtmpfs",   "mqueue",
    "debugfs",   "tracefs",     "securityfs",      "pstore",   "bpf",    "configfs",   "fusectl",
    "hugetlbfs", "autofs",      "binfmt_misc",     "efivarfs", "nsfs",   "rpc_pipefs", "selinuxfs",
    "ramfs",     "fuse.portal", "fuse.gvfsd-fuse", "squashfs"};

constexpr std::array<std::string_view, 6> hidden_trees = {
    "/proc", "/sys", "/dev", "/run", "/var/lib/docker", "/var/lib/containers"};

bool is_under(std::string_view path, std::string_view tree) {
  return path == tree ||
         (path.starts_with(tree) && path.size() > tree.size() && path[tree.size()] == '/');
}

// Mount tables write space, tab, newline and backslash as \ooo; labels as \xHH.
std::string unescape(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const auto digit = [&](size_t k, int base) {
      const char c = text[k];
      if (c >= '0' && c <= '9' && c - '0' < base) return c - '0';
      if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
      if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
      return -1;
    };
    if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x' && digit(i + 2, 16) >= 0 &&
        digit(i + 3, 16) >= 0) {
      out += static_cast<char>(digit(i + 2, 16) * 16 + digit(i + 3, 16));
      i += 3;
    } else if (text[i] == '\\' && i + 3 < text.size() && digit(i + 1, 8) >= 0 &&
               digit(i + 2, 8) >= 0 && digit(i + 3, 8) >= 0) {
      out += static_cast<char>(digit(i + 1, 8) * 64 + digit(i + 2, 8) * 8 + digit(i + 3, 8));
      i += 3;
    } else {
      out += text[i];
    }
  }
  return out;
}

bool listed_mount(const std::string& mount_point, const std::string& type) {
  if (std::find(virtual_types.begin(), virtual_types.end(), type) != virtual_types.end())
    return false;
  for (std::string_view tree : hidden_trees) {
    if (is_under(mount_point, tree)) return false;
  }
  return !(type == "overlay" && mount_point != "/");
}

}  // namespace

std::vector<drive_item> drives_from_mounts(
    const std::string& home, std::string_view mounts,
    const std::function<std::string(const std::string& source)>& label_of) {
  std::vector<drive_item> drives;
  if (!home.empty()) drives.push_back({home, home + " [home]"});
  std::istringstream lines{std::string(mounts)};
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string source, mount_point, type;
    if (!(fields >> source >> mount_point >> type)) continue;
    source = unescape(source);
    mount_point = unescape(mount_point);
    if (!listed_mount(mount_point, type)) continue;
    const std::string label = label_of(source);
    const std::string text = mount_point + " [" + ascii_lower(label.empty() ? type : label) + "]";
    const auto same = std::find_if(drives.begin() + (home.empty() ? 0 : 1), drives.end(),
                                   [&](const drive_item& d) { return d.path == mount_point; });
    if (same != drives.end()) {
      same->text = text;
    } else {
      drives.push_back({mount_point, text});
    }
  }
  return drives;
}

std::map<std::string, std::string> read_disk_labels() {
  std::map<std::string, std::string> labels;
  const std::filesystem::path folder = "/dev/disk/by-label";
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::filesystem::path device = std::filesystem::canonical(it->path(), error);
    if (error) {
      error.clear();
      continue;
    }
    labels[device.string()] = unescape(it->path().filename().string());
  }
  return labels;
}

void mount_drive_provider::list_drives(std::vector<drive_item>& drives) {
  std::ifstream file("/proc/self/mounts");
  std::stringstream mounts;
  mounts << file.rdbuf();
  const char* home = std::getenv("HOME");
  const std::map<std::string, std::string> labels = read_disk_labels();
  const auto label_of = [&labels](const std::string& source) {
    std::error_code error;
    const auto found = labels.find(std::filesystem::canonical(source, error).string());
    return !error && found != labels.end() ? found->second : std::string();
  };
  std::vector<drive_item> found = drives_from_mounts(home ? home : "", mounts.str(), label_of);
  // A file bind-mounted over another (as containers do with /etc/hosts) is no drive.
  std::erase_if(found, [](const drive_item& d) {
    struct stat info;
    return stat(d.path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode);
  });
  drives = std::move(found);
}
