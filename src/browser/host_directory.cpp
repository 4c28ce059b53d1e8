#include "browser/host_directory.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// Fills the kind and size of an entry from the file it names, links followed.
void stat_entry(int dir_fd, host_entry& entry) {
  struct stat info;
  if (fstatat(dir_fd, entry.name.c_str(), &info, 0) != 0) return;
  entry.is_dir = S_ISDIR(info.st_mode);
  entry.is_regular_file = S_ISREG(info.st_mode);
  if (entry.is_regular_file) entry.size = info.st_size;
}

}  // namespace

bool posix_directory_lister::list_current_directory(std::vector<host_entry>& entries) {
  DIR* dir = opendir(".");
  if (!dir) {
    entries.clear();
    return false;
  }
  const int dir_fd = dirfd(dir);
  // Entries are overwritten in place, so relisting a folder reuses their name buffers.
  size_t count = 0;
  errno = 0;
  while (const dirent* d = readdir(dir)) {
    if (std::strcmp(d->d_name, ".") == 0 || std::strcmp(d->d_name, "..") == 0) continue;
    if (count == entries.size()) entries.emplace_back();
    host_entry& entry = entries[count++];
    entry.name.assign(d->d_name);
    entry.is_dir = d->d_type == DT_DIR;
    entry.is_regular_file = d->d_type == DT_REG;
    entry.size = -1;
    if (d->d_type == DT_REG || d->d_type == DT_LNK || d->d_type == DT_UNKNOWN)
      stat_entry(dir_fd, entry);
    errno = 0;
  }
  const bool complete = errno == 0;
  closedir(dir);
  entries.resize(count);
  return complete;
}

std::string host_current_directory() {
  std::string path(256, '\0');
  while (getcwd(path.data(), path.size()) == nullptr) {
    if (errno != ERANGE) return {};
    path.resize(path.size() * 2);
  }
  path.resize(std::strlen(path.c_str()));
  return path;
}

bool host_change_directory(const std::string& path) {
  return chdir(path.c_str()) == 0;
}
