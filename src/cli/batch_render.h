#pragma once
// Many pictures into one folder: the inputs expanded to one output file each, rendered by
// several threads, each over its own workspace.
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/render_job.h"

struct batch_item {
  std::string input;   // a host file or IMAGE.d64:N
  std::string output;  // the file to write, inside the output folder
};

struct batch_failure {
  std::string input;
  std::string reason;  // one line
};

struct batch_plan {
  std::vector<batch_item> items;
  std::vector<batch_failure> skipped;  // inputs that yield nothing to render
};

struct batch_report {
  size_t done = 0;
  std::vector<batch_failure> failed;  // skipped inputs first, then failed renders in input order
};

// Called after each item, from the thread that rendered it, one call at a time.
using batch_progress = std::function<void(size_t finished, size_t total, const std::string& input)>;

// A D64 entry name as a file name: letters, digits, '-' and '.' kept, every other run of
// bytes one '_', none at the ends; "entry" when nothing is left.
std::string sanitised_entry_name(std::string_view name);

// The inputs as render items into dir: a host file as its name with the output's extension;
// IMAGE.d64:N as IMAGE-NN-ENTRY; IMAGE.d64 as every "Prg" entry whose size names a format that
// can be shown. A name already taken gets "-2", "-3" ... before its extension.
batch_plan plan_batch(std::span<const std::string> inputs, const std::string& dir, image_kind kind);

// Renders every item with up to thread_count threads and reports what was done and what failed.
batch_report run_batch(const batch_plan& plan, image_kind kind, const render_settings& settings,
                       unsigned thread_count, const batch_progress& progress);
