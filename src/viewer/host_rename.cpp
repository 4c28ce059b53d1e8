#include "viewer/host_rename.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

result<> rename_in_folder(const std::string& from, const std::string& to) {
  if (to.empty()) return failure{"Cannot rename to an empty name"};
  // A rename never moves a file into another folder.
  if (to.find('/') != std::string::npos)
    return failure{"Cannot rename to " + to + ": a name cannot hold '/'"};
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return {};
  // File systems without the no-replace flag: look first, then rename.
  if (errno == EINVAL || errno == ENOSYS) {
    struct stat taken {};
    if (lstat(to.c_str(), &taken) == 0) return failure{std::strerror(EEXIST)};
    if (std::rename(from.c_str(), to.c_str()) == 0) return {};
  }
  return failure{std::strerror(errno)};
}
