#pragma once
// Counts of the program's calls that make files durable, by interposing them in the test
// executable: how often a run synced one file and how often a whole file system.
#include <cstdint>

struct sync_counts {
  uint64_t file_syncs = 0;         // fsync and fdatasync
  uint64_t file_system_syncs = 0;  // syncfs
};

sync_counts sync_calls();
