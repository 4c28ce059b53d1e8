#pragma once
// Renaming a host file without ever replacing another one.
#include <optional>
#include <string>

// Renames from to to (both relative to the current directory); the host's error text when it
// refuses, "File exists" when to is already taken.
std::optional<std::string> rename_without_replacing(const std::string& from, const std::string& to);
