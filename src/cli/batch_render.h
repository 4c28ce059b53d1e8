#pragma once
// Rendering a batch: several threads, each over its own workspace, and one sync at the end.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "cli/batch_plan.h"
#include "cli/render_job.h"

struct batch_settings {
  image_kind kind = image_kind::bmp;
  render_settings render;
  unsigned workers = 1;
  bool overwrite = false;  // replace files already in the folder
};

struct batch_report {
  size_t done = 0;
  std::vector<batch_failure> failed;    // skipped inputs first, then failed renders in input order
  std::vector<std::string> left_alone;  // existing outputs not replaced, in input order
  size_t not_started = 0;               // items a quit signal kept from starting
};

// Called after each item, from the thread that rendered it, one call at a time.
using batch_progress = std::function<void(size_t finished, size_t total, const std::string& input)>;

// The CPUs this process may run on: the number of workers unless -j says otherwise.
unsigned available_cpus();

// A worker holds its workspace and a PNG's scratch, at most about 5 MB: this many keep a
// batch under 100 MB, however many CPUs there are.
constexpr unsigned most_batch_workers = 16;

// The workers a batch runs: as many as asked (0: one per CPU), but never more than there are
// CPUs to run them, nor more than most_batch_workers.
unsigned batch_workers(unsigned asked, unsigned cpus);

// Renders every item with the given number of workers, never writing over an input nor, unless
// told to, over a file already there; starts no item once a quit signal has come; syncs the
// output folder's file system once at the end.
batch_report run_batch(const batch_plan& plan, const batch_settings& settings,
                       const batch_progress& progress);
