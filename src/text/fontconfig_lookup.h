#pragma once
// Asking fontconfig which font file shows a face. Costly the first time in a process:
// fontconfig reads its whole configuration then.
#include <cstdint>
#include <string>

// The file fontconfig matches to the face name at regular or bold weight; empty when it
// names none.
std::string fontconfig_file(const std::string& face, bool bold);

// The file of the font fontconfig prefers for the face that holds the character; empty when
// no installed font holds it.
std::string fontconfig_file_with(const std::string& face, bool bold, uint32_t code_point);

// Lets fontconfig drop its configuration; a later question loads it again.
void release_fontconfig();
