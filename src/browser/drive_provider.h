#pragma once
// The host's drives for the browser's drive rows: the home directory and the mount points of
// real file systems, behind an interface that tests replace with a fixed list.
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct drive_item {
  std::string path;  // the directory that opening the drive row changes to
  std::string text;  // "/path [label]", the label lower-cased
};

class drive_provider {
 public:
  virtual ~drive_provider() = default;
  // Replaces drives with the current drive list, in the order the rows show it.
  virtual void list_drives(std::vector<drive_item>& drives) = 0;
};

// The home directory ($HOME) and the real file systems of /proc/self/mounts.
class mount_drive_provider final : public drive_provider {
 public:
  void list_drives(std::vector<drive_item>& drives) override;
};

// The drives for a home directory (none when empty) and the text of a mounts table: virtual
// and container-internal file systems are left out, a mount point mounted twice is listed once
// with its last file system, and label_of(source) gives a volume's label (empty for none).
std::vector<drive_item> drives_from_mounts(
    const std::string& home, std::string_view mounts,
    const std::function<std::string(const std::string& source)>& label_of);

// Real device path -> volume label, from the links of /dev/disk/by-label.
std::map<std::string, std::string> read_disk_labels();
