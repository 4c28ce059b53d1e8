#include "text/fontconfig_lookup.h"

#include <fontconfig/fontconfig.h>

#include <atomic>

#include "base/library_calls.h"

namespace {

// fontconfig is opened the first time a face is looked up, not linked: most runs find their
// font in the build's record and never ask, and a library loaded at every start costs every
// command its mapping and relocation.
constexpr const char* fontconfig_library_file = "libfontconfig.so.1";

struct fontconfig_calls {
  decltype(&FcNameParse) name_parse = nullptr;
  decltype(&FcPatternAddInteger) add_integer = nullptr;
  decltype(&FcCharSetCreate) charset_create = nullptr;
  decltype(&FcCharSetAddChar) charset_add = nullptr;
  decltype(&FcPatternAddCharSet) add_charset = nullptr;
  decltype(&FcConfigSubstitute) config_substitute = nullptr;
  decltype(&FcDefaultSubstitute) default_substitute = nullptr;
  decltype(&FcFontMatch) font_match = nullptr;
  decltype(&FcPatternGetCharSet) get_charset = nullptr;
  decltype(&FcCharSetHasChar) charset_has = nullptr;
  decltype(&FcPatternGetString) get_string = nullptr;
  decltype(&FcPatternDestroy) pattern_destroy = nullptr;
  decltype(&FcCharSetDestroy) charset_destroy = nullptr;
  decltype(&FcFini) fini = nullptr;
};

bool load(fontconfig_calls& fc) {
  // Kept loaded to the end: its configuration may be asked again after a release.
  void* library = ::dlopen(fontconfig_library_file, RTLD_NOW | RTLD_LOCAL);
  return library != nullptr && find_call(library, "FcNameParse", fc.name_parse) &&
         find_call(library, "FcPatternAddInteger", fc.add_integer) &&
         find_call(library, "FcCharSetCreate", fc.charset_create) &&
         find_call(library, "FcCharSetAddChar", fc.charset_add) &&
         find_call(library, "FcPatternAddCharSet", fc.add_charset) &&
         find_call(library, "FcConfigSubstitute", fc.config_substitute) &&
         find_call(library, "FcDefaultSubstitute", fc.default_substitute) &&
         find_call(library, "FcFontMatch", fc.font_match) &&
         find_call(library, "FcPatternGetCharSet", fc.get_charset) &&
         find_call(library, "FcCharSetHasChar", fc.charset_has) &&
         find_call(library, "FcPatternGetString", fc.get_string) &&
         find_call(library, "FcPatternDestroy", fc.pattern_destroy) &&
         find_call(library, "FcCharSetDestroy", fc.charset_destroy) &&
         find_call(library, "FcFini", fc.fini);
}

// The calls, or null where fontconfig is not installed: then no face has a file.
const fontconfig_calls* fontconfig() {
  static fontconfig_calls calls{};
  static const bool loaded = load(calls);
  return loaded ? &calls : nullptr;
}

std::atomic<bool> asked{false};  // fontconfig has loaded its configuration

// The file of the best match to the face at the weight, narrowed to fonts holding the
// character when one is given; fontconfig ranks the character set above the family.
std::string matched_file(const std::string& face, bool bold, uint32_t code_point) {
  std::string file;
  const fontconfig_calls* fc = fontconfig();
  if (!fc) return file;
  FcPattern* pattern = fc->name_parse(reinterpret_cast<const FcChar8*>(face.c_str()));
  if (!pattern) return file;
  asked = true;
  fc->add_integer(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcCharSet* wanted = code_point != 0 ? fc->charset_create() : nullptr;
  if (wanted) {
    fc->charset_add(wanted, code_point);
    fc->add_charset(pattern, FC_CHARSET, wanted);
  }
  fc->config_substitute(nullptr, pattern, FcMatchPattern);
  fc->default_substitute(pattern);
  FcResult result;
  if (FcPattern* match = fc->font_match(nullptr, pattern, &result)) {
    FcChar8* path = nullptr;
    FcCharSet* held = nullptr;
    const bool holds = !wanted || (fc->get_charset(match, FC_CHARSET, 0, &held) == FcResultMatch &&
                                   fc->charset_has(held, code_point));
    if (holds && fc->get_string(match, FC_FILE, 0, &path) == FcResultMatch)
      file = reinterpret_cast<const char*>(path);
    fc->pattern_destroy(match);
  }
  if (wanted) fc->charset_destroy(wanted);
  fc->pattern_destroy(pattern);
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
  if (asked.exchange(false)) fontconfig()->fini();
}
