#include "scene/text/Utf8.h"

namespace velmara::scene {

std::u32string decodeUtf8(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = 1;
    char32_t code = lead;
    if (lead >= 0xF8 || (lead >= 0x80 && lead < 0xC0)) {
      out.push_back(U'\uFFFD');  // not a lead byte
      ++i;
      continue;
    }
    if (lead >= 0xF0) {
      length = 4;
      code = lead & 0x07u;
    } else if (lead >= 0xE0) {
      length = 3;
      code = lead & 0x0Fu;
    } else if (lead >= 0xC0) {
      length = 2;
      code = lead & 0x1Fu;
    }
    if (i + length > text.size()) {
      out.push_back(U'\uFFFD');
      break;
    }
    bool valid = true;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0u) != 0x80u) valid = false;
      code = (code << 6) | (next & 0x3Fu);
    }
    out.push_back(valid ? code : U'\uFFFD');
    i += valid ? static_cast<std::size_t>(length) : 1;
  }
  return out;
}

}  // namespace velmara::scene
