#pragma once
// Decoding UTF-8 text into code points; malformed bytes come out as U+FFFD.

#include <string>
#include <string_view>

namespace velmara::scene {

std::u32string decodeUtf8(std::string_view text);

}  // namespace velmara::scene
