#pragma once
// A file whose every byte encodes its own offset, a model filled with a sentinel no file byte
// takes, and an expected model built byte by byte from a format's table of steps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>

#include "formats/picture_model.h"

// Never 0xFF: the byte values run 0..254.
inline uint8_t offset_byte(uint32_t offset) {
  return (offset * 7 + (offset >> 8)) % 255;
}

constexpr uint8_t sentinel = 0xFF;

class LoaderTest : public testing::Test {
 protected:
  void SetUp() override {
    for (uint32_t i = 0; i < 65536; ++i) file.bytes[i] = offset_byte(i);
    fill_model(model, sentinel);
    fill_model(expected, sentinel);
  }

  static void fill_model(picture_model& m, uint8_t value) {
    m.line_background.fill(value);
    m.color_ram.fill(value);
    m.screen_a.fill(value);
    m.screen_b.fill(value);
    m.bitmap_a.fill(value);
    m.bitmap_b.fill(value);
  }

  // The file bytes first..last are expected at dest[at], dest[at + 1], ...
  void expect_linear(std::span<uint8_t> dest, uint32_t first, uint32_t last, uint32_t at) {
    for (uint32_t k = 0; first + k <= last; ++k) dest[at + k] = offset_byte(first + k);
  }

  // The file bytes first..last are expected in screen RAM ram, cells 0, 1, ...
  void expect_screen_ram(std::span<uint8_t> screen, uint32_t ram, uint32_t first, uint32_t last) {
    for (uint32_t cell = 0; first + cell <= last; ++cell) {
      screen[cell * 8 + ram] = offset_byte(first + cell);
    }
  }

  // Screen RAMs first_ram..last_ram are expected from 1024 file bytes each, in turn.
  void expect_screen_rams(std::span<uint8_t> screen, uint32_t first, uint32_t first_ram,
                          uint32_t last_ram) {
    for (uint32_t ram = first_ram; ram <= last_ram; ++ram) {
      const uint32_t start = first + (ram - first_ram) * 1024;
      expect_screen_ram(screen, ram, start, start + 1023);
    }
  }

  // Every screen RAM of a cell is expected to hold its screen RAM 0 byte.
  void expect_spread(std::span<uint8_t> screen) {
    for (uint32_t cell = 0; cell < 1024; ++cell) {
      std::fill_n(screen.begin() + cell * 8 + 1, 7, screen[cell * 8]);
    }
  }

  static void expect_same(std::span<const uint8_t> actual, std::span<const uint8_t> want,
                          const std::string& name) {
    const auto mismatch = std::mismatch(actual.begin(), actual.end(), want.begin());
    if (mismatch.first == actual.end()) return;
    ADD_FAILURE() << name << "[" << (mismatch.first - actual.begin()) << "] is "
                  << int{*mismatch.first} << ", expected " << int{*mismatch.second};
  }

  void expect_model_as_expected() {
    expect_same(model.line_background, expected.line_background, "line_background");
    expect_same(model.color_ram, expected.color_ram, "color_ram");
    expect_same(model.screen_a, expected.screen_a, "screen_a");
    expect_same(model.screen_b, expected.screen_b, "screen_b");
    expect_same(model.bitmap_a, expected.bitmap_a, "bitmap_a");
    expect_same(model.bitmap_b, expected.bitmap_b, "bitmap_b");
  }

  file_buffer file;
  picture_model model;
  picture_model expected;
};
