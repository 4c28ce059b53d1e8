#include "text/fontconfig_lookup.h"

#include <fontconfig/fontconfig.h>

#include <atomic>

namespace {

std::atomic<bool> asked{false};  // fontconfig has loaded its configuration

// The file of the best match to the face at the weight, narrowed to fonts holding the
// character when one is given; fontconfig ranks the character set above the family.
std::string matched_file(const std::string& face, bool bold, uint32_t code_point) {
  std::string file;
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(face.c_str()));
  if (!pattern) return file;
  asked = true;
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcCharSet* wanted = code_point != 0 ? FcCharSetCreate() : nullptr;
  if (wanted) {
    FcCharSetAddChar(wanted, code_point);
    FcPatternAddCharSet(pattern, FC_CHARSET, wanted);
  }
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
    FcChar8* path = nullptr;
    FcCharSet* held = nullptr;
    const bool holds =
        !wanted || (FcPatternGetCharSet(match, FC_CHARSET, 0, &held) == FcResultMatch &&
                    FcCharSetHasChar(held, code_point));
    if (holds && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch)
      file = reinterpret_cast<const char*>(path);
    FcPatternDestroy(match);
  }
  if (wanted) FcCharSetDestroy(wanted);
  FcPatternDestroy(pattern);
  return file;
}

}  // namespace

std::string fontconfig_file(const std::string& face, bool bold) {
  return matched_file(face, bold, 0);
}

std::string fontconfig_file_with(const std::string& face, bool bold, uint32_t code_point) {
  return code_point != 0 ? matched_file(face, bold, code_point) : std::string();
}

void release_fontconfig() {
  if (asked.exchange(false)) FcFini();
}
