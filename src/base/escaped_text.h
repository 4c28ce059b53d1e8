#pragma once
// Names as the command line prints them and messages show them: one line each, nothing a
// terminal would act on.
#include <string>
#include <string_view>

// The text with every byte outside 0x20..0x7E, and the backslash itself, written as \xHH
// (upper-case hex), so that an escaped byte can be told from a literal one.
std::string escaped_text(std::string_view text);
