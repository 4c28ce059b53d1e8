#pragma once
// A fresh folder under the build tree for one test, removed with all it holds at the end; made
// the current directory while it lives when asked to, and the previous one then restored.
#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

class temp_folder {
 public:
  enum class current { stay, enter };

  explicit temp_folder(current cd = current::stay) {
    std::filesystem::create_directories(VELORA_TEST_TEMP_ROOT);
    std::string pattern = std::string(VELORA_TEST_TEMP_ROOT) + "/test-XXXXXX";
    if (!mkdtemp(pattern.data())) throw std::system_error(errno, std::generic_category(), pattern);
    path_ = std::filesystem::canonical(pattern);
    if (cd == current::enter) {
      left_ = std::filesystem::current_path();
      std::filesystem::current_path(path_);
    }
  }
  ~temp_folder() {
    std::error_code ignored;
    if (!left_.empty()) std::filesystem::current_path(left_, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  temp_folder(const temp_folder&) = delete;
  temp_folder& operator=(const temp_folder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }
  // The path of name inside, as text for the interfaces that take it so.
  std::string at(const std::filesystem::path& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
  std::filesystem::path left_;  // the current directory before, when this one was entered
};
