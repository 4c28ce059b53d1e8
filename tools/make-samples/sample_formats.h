#pragma once
// What make-samples writes: one sample per format of the table, made by painting the scene in
// a style that suits the format, fitting it into the format's limits and storing it by the
// format's layout; and, on request, a file of a size that names no format.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_buffer.h"
#include "formats/format_table.h"
#include "formats/picture_model.h"
#include "picture_fitting.h"
#include "sample_picture.h"

struct sample_format {
  uint8_t format_id = 0;
  std::string file_name;
  uint16_t load_address = 0;
  std::string title;
  picture_constraints limits;  // of a format with a layout; the arrangements' own writers
                               // know their formats' limits
};

// The sample of a format: written at its format's first load address, fitted into the limits
// its layout and decoding set; the seventeen sizes' formats at the top of the samples folder,
// the further formats in its subfolder formats/, named after the format and its extension.
sample_format sample_for(const format_entry& format);

// One sample per format of the table, in format order.
extern const std::vector<sample_format> sample_formats;

struct plain_sample {
  std::string_view file_name;
  uint32_t size = 0;
  uint16_t load_address = 0;
};

// A file of a size no format has: listed, never shown.
extern const plain_sample unknown_size_sample;

// Scratch space for making one sample; nothing is allocated per sample.
struct sample_workspace {
  target_picture picture;
  picture_model model;
  file_buffer plain;  // a packed format's file before packing
  file_buffer file;
};

// Clears the file to zeros and puts the C64 load address in bytes 0..1, low byte first.
void begin_file(file_buffer& file, uint16_t load_address);

// Paints, fits and stores the sample into work.file (with its load address in bytes 0..1);
// returns the file's size in bytes.
uint32_t make_sample(const sample_format& sample, sample_workspace& work);
