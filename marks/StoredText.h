#pragma once
// Texts as the database stores them: at most 80 characters (whole code points, not bytes).

#include <QString>
#include <string>

namespace velmara {

inline constexpr int kStoredTextLength = 80;

// The first `count` characters of a UTF-8 text.
std::string FirstCharacters(const std::string& utf8, int count);
// The first 80 characters, ready to bind.
QString StoredText(const std::string& utf8);
// A lake name: trimmed, without quote characters, at most 80 characters.
QString LakeName(const std::string& utf8);

}  // namespace velmara
