#include "app/shell/ErrorLog.h"

#include <chrono>
#include <ctime>
#include <fstream>
#include <sstream>

namespace velmara {
namespace {

std::string Now() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

// One line: line breaks inside a message would split its record.
std::string OneLine(std::string_view text) {
  std::string line(text);
  for (char& c : line)
    if (c == '\n' || c == '\r') c = ' ';
  return line;
}

}  // namespace

bool TErrorLog::Exists() const {
  std::error_code error;
  return std::filesystem::is_regular_file(file_, error);
}

bool TErrorLog::Append(std::string_view message, std::string_view where) {
  std::ofstream out(file_, std::ios::app | std::ios::binary);
  if (!out) return false;
  out << Now() << "  " << OneLine(message) << "  [" << OneLine(where) << "]\n";
  return static_cast<bool>(out.flush());
}

bool TErrorLog::EnsureGraphicsLine(const std::string& rendererInfo) {
  if (!Exists()) return false;
  std::ifstream in(file_, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  const std::string text = content.str();
  const std::string first = text.substr(0, text.find('\n'));
  if (first.find("GRAPHIC CARD") != std::string::npos) return false;
  // Written aside and moved over the log, so that a failure never leaves half a log.
  const std::filesystem::path temporary = file_.string() + ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << GraphicsPrefix << OneLine(rendererInfo) << '\n' << text;
    if (!out.flush()) return false;
  }
  std::error_code error;
  std::filesystem::rename(temporary, file_, error);
  return !error;
}

}  // namespace velmara
