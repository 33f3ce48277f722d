#pragma once
// Commands that other programs (and the end-to-end tests) post to the main window's message port:
// press a control by its name, or write a position into the position boxes. A control name of up
// to 16 characters travels packed into the message's two parameters, eight bytes each.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace velmara {

inline constexpr std::uint32_t PressControlMessage = 1024 + 200;  // WM_USER + 200: (name, name)
inline constexpr std::uint32_t SetPositionMessage = 1024 + 201;   // WM_USER + 201: (µ° latitude, µ° longitude)

inline std::pair<std::int64_t, std::int64_t> PackControlName(std::string_view name) {
  std::uint64_t words[2] = {0, 0};
  for (std::size_t i = 0; i < name.size() && i < 16; ++i)
    words[i / 8] |= static_cast<std::uint64_t>(static_cast<unsigned char>(name[i])) << (8 * (i % 8));
  return {static_cast<std::int64_t>(words[0]), static_cast<std::int64_t>(words[1])};
}

inline std::string UnpackControlName(std::int64_t first, std::int64_t second) {
  std::string name;
  const std::uint64_t words[2] = {static_cast<std::uint64_t>(first), static_cast<std::uint64_t>(second)};
  for (std::size_t i = 0; i < 16; ++i) {
    const char c = static_cast<char>((words[i / 8] >> (8 * (i % 8))) & 0xFF);
    if (c == 0) break;
    name.push_back(c);
  }
  return name;
}

struct TMainControls;
// Clicks the enabled button, or triggers the enabled menu item, of that name; false when there is none.
bool PressControl(const TMainControls& controls, const std::string& name);

}  // namespace velmara
