#pragma once
// The font files the build found for the faces the program draws in by name.
#include <span>
#include <string_view>

struct recorded_font {
  std::string_view face;  // as the canvas names it ("Arial")
  bool bold = false;
  std::string_view file;    // what fontconfig matched to it when the program was built
  std::string_view family;  // the family and style that file held then
  std::string_view style;
};

// Written by the build from fontconfig's answers (record_fonts.cpp).
std::span<const recorded_font> recorded_fonts();
