#pragma once
// Where the program's data files (artwork, directory font) are.
#include <string>

// The given folder made absolute, else data/ beside the executable (the build tree),
// else the installed share folder.
std::string find_data_dir(const std::string& given);
