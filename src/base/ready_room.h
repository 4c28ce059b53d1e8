#pragma once
// Memory whose pages are mapped in one call. Touching fresh pages one by one takes a fault per
// page, which costs a microsecond or two on bare metal and ten or more on some virtual machines;
// mapping them in one call costs well under one each. For storage that is written whole soon
// after.
#include <cstddef>
#include <cstdint>

// Maps the pages the bytes lie on as writing them would, keeping what they hold. Does nothing
// where the system cannot.
void ready_pages(void* start, size_t bytes);

// Room for bytes, mapped whole when it is made.
class ready_room {
 public:
  ready_room() = default;
  ready_room(const ready_room&) = delete;
  ready_room& operator=(const ready_room&) = delete;
  ~ready_room();

  // At least bytes of room, kept for the next call: its contents are whatever was left in it.
  // Null when the system has no memory for it.
  uint8_t* room(size_t bytes);

 private:
  uint8_t* start_ = nullptr;
  size_t size_ = 0;
};
