#pragma once
// What a batch renders: the inputs expanded to one output file each in one folder.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/regular_file.h"
#include "output/image_export.h"

struct batch_item {
  std::string input;   // a host file, CONTAINER:N or CONTAINER:N:M
  std::string output;  // the file to write, inside the output folder
};

struct batch_failure {
  std::string input;
  std::string reason;  // one line
};

struct batch_plan {
  std::string dir;  // the output folder
  std::vector<batch_item> items;
  std::vector<batch_failure> skipped;      // inputs that yield nothing to render
  std::vector<file_identity> input_files;  // the host files and containers read
};

// A container entry's name as a file name: letters, digits, '-' and '.' kept, every other run of
// bytes one '_', none at the ends; "entry" when nothing is left.
std::string sanitised_entry_name(std::string_view name);

// The inputs as render items into dir: a host file as its name with the output's extension;
// CONTAINER:N as CONTAINER-NN-ENTRY (CONTAINER:N:M as CONTAINER-NN-ENTRY-MM-INNER); a container
// as every picture that can be shown in it and in the containers inside it, named so. A name
// already taken in the run gets "-2", "-3" ... before its extension.
batch_plan plan_batch(std::span<const std::string> inputs, const std::string& dir, image_kind kind);
