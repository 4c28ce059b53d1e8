#pragma once
// The BMP export's file: BITMAPFILEHEADER, BITMAPINFOHEADER, 24-bit rows bottom-up.
#include <cstdint>
#include <string>
#include <vector>

#include "display/export_bitmap.h"
#include "formats/safe_file_write.h"

// The whole file: "BM", sizes and offsets little-endian, no colour table, the bottom row first.
std::vector<uint8_t> bmp_file_bytes(const export_bitmap& bitmap);

// Writes the bitmap as a BMP file at path (replacing any file there).
file_write_result write_bmp_file(const std::string& path, const export_bitmap& bitmap);
