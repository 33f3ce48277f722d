#pragma once
// Colours as the boat colour files write them: Windows colour values 0x00BBGGRR, system colours
// (0x80000000 | index) resolved to the RGB of the standard desktop scheme. Plain C++.

#include <cstdint>
#include <optional>
#include <string_view>

namespace velmara {

// A colour text: a colour name with the prefix "cl" ("clRed", "clBtnFace", any letter case) or an
// integer, decimal (optionally signed) or hexadecimal with a leading "$" (or "0x"), read as the
// 32-bit colour value. Surrounding blanks are ignored. Nothing for anything else.
std::optional<std::uint32_t> ColourFromText(std::string_view text);

// The RGB value of a colour: system colours become their scheme colour; other values keep their
// low 24 bits.
std::uint32_t ColourToRgb(std::uint32_t colour);

// Each of red, green and blue becomes c - round(c * percent / 100) (half to even).
std::uint32_t DarkerColour(std::uint32_t colour, int percent);

}  // namespace velmara
