#pragma once
// Packing plain picture files as the packed formats store them: the inverse of unpacking.
#include <cstdint>
#include <span>
#include <vector>

#include "formats/packing.h"

// Packs the plain file (load address at 0..1, then its data) with the scheme into packed from
// index 0; the packed file's size.
uint32_t pack(packing scheme, std::span<const uint8_t> plain, file_buffer& packed);

// The byte value the data use least: the cheapest escape.
uint8_t least_used(std::span<const uint8_t> data);

// Writes data into packed from index at on, runs of four or more and every escape byte as
// "escape count value" (a long count in two bytes, low first), other bytes as they are; the
// index after the last byte written.
uint32_t pack_escape_runs(std::span<const uint8_t> data, uint8_t escape, file_buffer& packed,
                          uint32_t at, bool long_counts = false);

// The commands of a stream read from its end down, whose reader fills its output from the last
// byte down: runs "escape count value" (the escape byte itself a run of one) between plain
// bytes, in the order the reader meets them.
std::vector<uint8_t> backward_commands(std::span<const uint8_t> data, uint8_t escape);

// Writes commands read from the end down into the file from at on, in file order; the index
// after the last.
uint32_t put_backward(const std::vector<uint8_t>& commands, file_buffer& packed, uint32_t at);
