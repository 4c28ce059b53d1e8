#include "containers/d64/d64_entry.h"

std::optional<std::string> why_entry_is_unreadable(const dir_entry& entry) {
  if (entry.file_type == d64_file_type::cbm) return std::string(partition_message);
  if (!is_program_file(entry.file_type)) return std::string(not_a_program_message);
  if (entry.chain.broken()) return chain_break_text({entry.size_bytes, entry.chain});
  return std::nullopt;
}
