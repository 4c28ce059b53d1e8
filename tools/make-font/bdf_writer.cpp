#include "bdf_writer.h"

#include <cstdio>

namespace {

void append_line(std::string& out, const char* format, auto... values) {
  char line[160];
  std::snprintf(line, sizeof line, format, values...);
  out += line;
  out += '\n';
}

}  // namespace

std::string bdf_text(const charset& set) {
  int count = 0;
  for (bool present : set.present) count += present;

  std::string out;
  out += "STARTFONT 2.1\n";
  out += "FONT -velora-cbm directory charset-medium-r-normal--8-80-75-75-c-80-iso8859-1\n";
  out += "SIZE 8 75 75\n";
  // The cell is 8x8 with the base line above its last row.
  out += "FONTBOUNDINGBOX 8 8 0 -1\n";
  out += "STARTPROPERTIES 16\n";
  out += "FOUNDRY \"velora\"\n";
  append_line(out, "FAMILY_NAME \"%s\"", directory_font_family);
  out += "WEIGHT_NAME \"Medium\"\n";
  out += "SLANT \"R\"\n";
  out += "SETWIDTH_NAME \"Normal\"\n";
  out += "PIXEL_SIZE 8\n";
  out += "POINT_SIZE 80\n";
  out += "RESOLUTION_X 75\n";
  out += "RESOLUTION_Y 75\n";
  out += "SPACING \"C\"\n";
  out += "AVERAGE_WIDTH 80\n";
  out += "CHARSET_REGISTRY \"ISO8859\"\n";
  out += "CHARSET_ENCODING \"1\"\n";
  out += "FONT_ASCENT 7\n";
  out += "FONT_DESCENT 1\n";
  out += "DEFAULT_CHAR 32\n";
  out += "ENDPROPERTIES\n";
  append_line(out, "CHARS %d", count);
  for (unsigned code = 0; code < set.glyphs.size(); ++code) {
    if (!set.present[code]) continue;
    append_line(out, "STARTCHAR byte%02X", code);
    append_line(out, "ENCODING %u", code);
    out += "SWIDTH 960 0\nDWIDTH 8 0\nBBX 8 8 0 -1\nBITMAP\n";
    for (uint8_t row : set.glyphs[code]) append_line(out, "%02X", row);
    out += "ENDCHAR\n";
  }
  out += "ENDFONT\n";
  return out;
}
