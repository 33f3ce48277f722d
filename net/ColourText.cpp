#include "net/ColourText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

namespace velmara {
namespace {

constexpr std::uint32_t System = 0x80000000u;

struct NamedColour {
  std::string_view name;
  std::uint32_t value;
};

constexpr NamedColour Names[] = {
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000}, {"clPurple", 0x800080}, {"clTeal", 0x808000}, {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF}, {"clLime", 0x00FF00}, {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000}, {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
    {"clLtGray", 0xC0C0C0}, {"clDkGray", 0x808080}, {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0}, {"clNone", 0x1FFFFFFF}, {"clDefault", 0x20000000},
    {"clScrollBar", System | 0}, {"clBackground", System | 1}, {"clActiveCaption", System | 2},
    {"clInactiveCaption", System | 3}, {"clMenu", System | 4}, {"clWindow", System | 5},
    {"clWindowFrame", System | 6}, {"clMenuText", System | 7}, {"clWindowText", System | 8},
    {"clCaptionText", System | 9}, {"clActiveBorder", System | 10}, {"clInactiveBorder", System | 11},
    {"clAppWorkSpace", System | 12}, {"clHighlight", System | 13}, {"clHighlightText", System | 14},
    {"clBtnFace", System | 15}, {"clBtnShadow", System | 16}, {"clGrayText", System | 17},
    {"clBtnText", System | 18}, {"clInactiveCaptionText", System | 19}, {"clBtnHighlight", System | 20},
    {"cl3DDkShadow", System | 21}, {"cl3DLight", System | 22}, {"clInfoText", System | 23},
    {"clInfoBk", System | 24}, {"clHotLight", System | 26}, {"clGradientActiveCaption", System | 27},
    {"clGradientInactiveCaption", System | 28}, {"clMenuHighlight", System | 29}, {"clMenuBar", System | 30},
};

// The standard desktop scheme, by system colour index.
constexpr std::array<std::uint32_t, 31> SchemeColours = {
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000, 0x000000, 0x000000, 0xB4B4B4,
    0xFCF7F4, 0xABABAB, 0xD77800, 0xFFFFFF, 0xF0F0F0, 0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969,
    0xE3E3E3, 0x000000, 0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xD77800, 0xF0F0F0,
};

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<std::uint32_t> Hexadecimal(std::string_view digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::uint32_t> ColourFromText(std::string_view text) {
  text = Trimmed(text);
  if (text.size() > 2 && SameLetters(text.substr(0, 2), "cl")) {
    for (const NamedColour& named : Names)
      if (SameLetters(text, named.name)) return named.value;
    return std::nullopt;
  }
  if (!text.empty() && text.front() == '$') return Hexadecimal(text.substr(1));
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) return Hexadecimal(text.substr(2));

  // Decimal: the 32-bit signed range, negative values being system colours and the like.
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::uint32_t>(static_cast<std::int32_t>(value));
}

std::uint32_t ColourToRgb(std::uint32_t colour) {
  if (colour & System) {
    const std::uint32_t index = colour & 0xFFu;
    return index < SchemeColours.size() ? SchemeColours[index] : 0u;
  }
  return colour & 0xFFFFFFu;
}

std::uint32_t DarkerColour(std::uint32_t colour, int percent) {
  const std::uint32_t rgb = ColourToRgb(colour);
  std::uint32_t result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double c = static_cast<double>((rgb >> shift) & 0xFFu);
    const double darker = std::clamp(c - std::nearbyint(c * percent / 100.0), 0.0, 255.0);
    result |= static_cast<std::uint32_t>(darker) << shift;
  }
  return result;
}

}  // namespace velmara
