#pragma once
// Pressing the main window's controls from another program (end-to-end tests, support tools):
// the message `PressMessage` to the "TView3Dfrm" port names a control or menu item by the hash of
// its name and, for lists, the item to choose. A button is clicked, a menu item triggered, a check
// box clicked, a list item chosen — as a user would, through the control's own handlers.

#include <cstdint>
#include <string_view>

namespace velmara {

constexpr std::uint32_t PressMessage = 0x8000 + 1;  // WM_APP + 1

// 64-bit FNV-1a of a control's name: the message's wParam.
constexpr std::int64_t ControlNameHash(std::string_view name) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : name) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return static_cast<std::int64_t>(hash);
}

}  // namespace velmara
