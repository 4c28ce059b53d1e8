#pragma once
// The BMP export's file: BITMAPFILEHEADER, BITMAPINFOHEADER, then the 24-bit rows bottom-up.
#include <array>
#include <cstdint>
#include <string>

#include "output/export_bitmap.h"
#include "output/safe_file_write.h"

constexpr size_t bmp_headers_size = 14 + 40;

// The two headers: "BM", sizes and offsets little-endian, positive height, no colour table.
std::array<uint8_t, bmp_headers_size> bmp_headers(int width, int height);

// Writes the bitmap as a BMP file at path (replacing any file there).
result<> write_bmp_file(const std::string& path, const export_bitmap& bitmap,
                        const write_options& options = {});

// Writes the same file as the export of the surface through a bitmap would, a band of rows at a
// time: no bitmap of the whole picture is filled first.
result<> write_bmp_file(const std::string& path, const surface& image,
                        const write_options& options = {});
