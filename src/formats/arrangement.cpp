#include "formats/arrangement.h"

#include <memory>

#include "formats/arrangement_families.h"

result<> arrange_picture(arrangement kind, std::span<const uint8_t> file, file_buffer& scratch,
                         picture_model& model) {
  switch (kind) {
    case arrangement::none:
      break;
    case arrangement::bfli:
      return arrange_bfli(file, model);
    case arrangement::printfox:
      return arrange_printfox(file, scratch, model);
  }
  return failure{"the format has no arrangement"};
}

bool arrangement_takes(arrangement kind, std::span<const uint8_t> file) {
  // Identification runs on several threads at once: each has its own scratch model, made once.
  thread_local const std::unique_ptr<picture_model> model = std::make_unique<picture_model>();
  thread_local file_buffer scratch;
  return static_cast<bool>(arrange_picture(kind, file, scratch, *model));
}
