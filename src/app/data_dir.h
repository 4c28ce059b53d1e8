#pragma once
// Where the program's data files (artwork, directory font) are.
#include <string>

// The given folder made absolute, else data/ beside the executable (the build tree),
// else share/velora2003/data of the prefix the executable sits in, else the configured one.
std::string find_data_dir(const std::string& given);
