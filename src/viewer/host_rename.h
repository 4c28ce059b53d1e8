#pragma once
// Renaming a host file without ever replacing another one.
#include <string>

#include "base/result.h"

// Renames from to to (both relative to the current directory); fails with the host's error text
// when it refuses, "File exists" when to is already taken.
result<> rename_without_replacing(const std::string& from, const std::string& to);
