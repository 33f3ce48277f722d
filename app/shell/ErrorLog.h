#pragma once
// The error log next to the program: every exception that no handler caught, one record a line
// (date, message, where), and the graphics line kept as the file's first line. Plain files, no Qt.

#include <filesystem>
#include <string>
#include <string_view>

namespace velmara {

class TErrorLog {
public:
  static constexpr const char* GraphicsPrefix = "GRAPHIC CARD ";

  explicit TErrorLog(std::filesystem::path file) : file_(std::move(file)) {}
  // The log of the program in `programDir`: named after the program, an extension of its own.
  static std::filesystem::path FileFor(const std::filesystem::path& programDir) { return programDir / "velmara.errlog"; }

  const std::filesystem::path& File() const { return file_; }
  bool Exists() const;
  // Appends "yyyy-mm-dd hh:mm:ss  message  [where]"; false when the file cannot be written.
  bool Append(std::string_view message, std::string_view where);
  // When the file exists and its first line does not name the graphics card, inserts
  // "GRAPHIC CARD " + rendererInfo as its first line.
  bool EnsureGraphicsLine(const std::string& rendererInfo);

private:
  std::filesystem::path file_;
};

}  // namespace velmara
