#pragma once
// The host file system as the browser sees it: the entries of the current directory behind
// an interface that tests replace, and the process's current directory.
#include <cstdint>
#include <string>
#include <vector>

struct host_entry {
  std::string name;              // raw bytes as the host returns them
  bool is_dir = false;           // a directory, or a link to one
  bool is_regular_file = false;  // a regular file, or a link to one
  int64_t size = -1;             // bytes for regular files; -1 when unknown
};

class directory_lister {
 public:
  virtual ~directory_lister() = default;
  // Replaces entries with every entry of the current directory except "." and "..";
  // false when the directory cannot be read.
  virtual bool list_current_directory(std::vector<host_entry>& entries) = 0;
};

// Reads the current directory with opendir and readdir, following links to learn the kind.
class posix_directory_lister final : public directory_lister {
 public:
  bool list_current_directory(std::vector<host_entry>& entries) override;
};

// The process's current directory as a full path; empty when the host cannot tell it.
std::string host_current_directory();

// Changes the process's current directory (relative paths from the current one); false,
// with nothing changed, when the host refuses.
bool host_change_directory(const std::string& path);
