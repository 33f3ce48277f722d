#include "scene/material/ImageFile.h"

#include <fstream>
#include <string>

namespace velmara::scene {
namespace {

// Next header number, skipping white space and # comments.
bool readNumber(std::istream& in, int& value) {
  for (;;) {
    const int c = in.peek();
    if (c == '#') {
      std::string comment;
      std::getline(in, comment);
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      in.get();
    } else {
      break;
    }
  }
  return static_cast<bool>(in >> value);
}

}  // namespace

Result<Image> readPpm(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Result<Image>::failure("readPpm(): cannot open " + path.string());
  std::string magic(2, '\0');
  in.read(magic.data(), 2);
  int width = 0, height = 0, maximum = 0;
  if (magic != "P6" || !readNumber(in, width) || !readNumber(in, height) || !readNumber(in, maximum) ||
      width <= 0 || height <= 0 || maximum != 255) {
    return Result<Image>::failure("readPpm(): " + path.string() + " is not an 8-bit binary PPM picture");
  }
  in.get();  // the single white space before the pixels
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
  if (!in.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()))) {
    return Result<Image>::failure("readPpm(): " + path.string() + " is cut short");
  }
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width) * height * 4);
  for (std::size_t i = 0, n = static_cast<std::size_t>(width) * height; i < n; ++i) {
    rgba[i * 4] = rgb[i * 3];
    rgba[i * 4 + 1] = rgb[i * 3 + 1];
    rgba[i * 4 + 2] = rgb[i * 3 + 2];
    rgba[i * 4 + 3] = 255;
  }
  return Image(width, height, std::move(rgba));
}

Status writePpm(const std::filesystem::path& path, const Image& image) {
  std::ofstream out(path, std::ios::binary);
  if (!out) return Status::failure("writePpm(): cannot create " + path.string());
  out << "P6\n" << image.width() << ' ' << image.height() << "\n255\n";
  const auto& pixels = image.pixels();
  for (std::size_t i = 0; i < pixels.size(); i += 4) out.write(reinterpret_cast<const char*>(&pixels[i]), 3);
  return out ? Status::success() : Status::failure("writePpm(): cannot write " + path.string());
}

}  // namespace velmara::scene
