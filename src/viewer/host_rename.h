#pragma once
// Renaming a host file without ever replacing another one.
#include <string>

#include "base/result.h"

// Renames the file from in the current directory to the name to, in the same directory; fails
// when to is empty or holds '/', with "File exists" when it is taken, and with the host's error
// text when the host refuses.
result<> rename_in_folder(const std::string& from, const std::string& to);
