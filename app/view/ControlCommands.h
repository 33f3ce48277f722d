#pragma once
// Commands that other programs (end-to-end tests, support tools) post to the main window's
// "TView3Dfrm" port: press a control or menu item named by the hash of its name (for lists, the
// item to choose goes in lParam) — a button is clicked, a menu item triggered, a check box clicked,
// a list item chosen, as a user would, through the control's own handlers; or write a position
// into the position boxes; or press and release keys in the 3D view.

#include <cstdint>
#include <string_view>

namespace velmara {

constexpr std::uint32_t PressMessage = 0x8000 + 1;           // WM_APP + 1: (name hash, list item or −1)
inline constexpr std::uint32_t SetPositionMessage = 1024 + 201;  // WM_USER + 201: (µ° latitude, µ° longitude)
// Writes one "state" line into the error log: position, "Follow Boat", lamps, the GPS hint and
// the depth unit, for a program that watches this one from outside.
inline constexpr std::uint32_t ReportStateMessage = 0x8000 + 2;  // WM_APP + 2

// A key pressed (lParam 1) or released (lParam 0) in the 3D view, wParam the Qt key code: the view
// takes the focus as a click would give it, then gets the key as from the keyboard.
inline constexpr std::uint32_t KeyMessage = 0x8000 + 3;  // WM_APP + 3

// 64-bit FNV-1a of a control's name: the press message's wParam.
constexpr std::int64_t ControlNameHash(std::string_view name) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : name) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return static_cast<std::int64_t>(hash);
}

}  // namespace velmara
