#include "net/BoatFiles.h"

#include "net/ColourText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace velmara {
namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::optional<float> Number(std::string_view text) {
  text = Trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  // A vector of the scene must stay finite in single precision.
  if (!std::isfinite(value) || std::fabs(value) > 3.0e38) return std::nullopt;
  return static_cast<float>(value);
}

std::optional<glm::vec3> Vector(std::string_view line) {
  float xyz[3];
  for (int i = 0; i < 3; ++i) {
    const std::size_t comma = line.find(',');
    if ((i < 2) == (comma == std::string_view::npos)) return std::nullopt;  // exactly three fields
    const std::optional<float> value = Number(line.substr(0, comma));
    if (!value) return std::nullopt;
    xyz[i] = *value;
    line = i < 2 ? line.substr(comma + 1) : std::string_view();
  }
  return glm::vec3(xyz[0], xyz[1], xyz[2]);
}

std::string Shown(std::string_view text) {
  constexpr std::size_t Longest = 40;
  std::string shown;
  for (char c : text.substr(0, Longest)) shown += std::isprint(static_cast<unsigned char>(c)) ? c : '?';
  if (text.size() > Longest) shown += "...";
  return shown;
}

struct DefaultRow {
  const char* name;
  TBoatPlacement placement;
};

TBoatPlacement Row(glm::vec3 position, glm::vec3 scale, glm::vec3 fromBoat, glm::vec3 underBoat) {
  return {glm::vec3(0, 1, 0), glm::vec3(0, 0, 1), position, scale, fromBoat, underBoat};
}

}  // namespace

std::filesystem::path BoatCompanionFile(const std::filesystem::path& model, std::string_view extension) {
  std::filesystem::path file = model;
  return file.replace_extension(std::filesystem::path(std::string(extension)));
}

std::vector<std::string_view> TextLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

TBoatColourFile ReadBoatColours(std::string_view text) {
  TBoatColourFile file;
  const std::vector<std::string_view> lines = TextLines(text);
  const int count = std::min<int>(static_cast<int>(lines.size()), TBoatColourFile::MaterialCount);
  for (int i = 0; i < count; ++i) {
    const std::optional<std::uint32_t> colour = ColourFromText(lines[i]);
    if (!colour) {
      file.badLine = i + 1;
      file.error = "line " + std::to_string(i + 1) + ": \"" + Shown(lines[i]) + "\" is not a colour";
      break;
    }
    file.colours.push_back(*colour);
  }
  return file;
}

std::vector<std::uint32_t> DefaultBoatColours() { return {0x0000FF, 0xFF0000, 0x000000, 0xC0C0C0, 0x808080}; }

std::vector<TBoatMaterialColour> BoatMaterialColours(const std::vector<std::uint32_t>& colours) {
  std::vector<TBoatMaterialColour> result;
  for (std::size_t i = 0; i < colours.size() && i < TBoatColourFile::MaterialCount; ++i)
    result.push_back({"mat" + std::to_string(i + 1), ColourToRgb(colours[i]), DarkerColour(colours[i], 75)});
  return result;
}

TBoatConfigFile ReadBoatConfig(std::string_view text) {
  TBoatConfigFile file;
  std::optional<glm::vec3>* const targets[] = {&file.placement.up,       &file.placement.direction,
                                               &file.placement.position, &file.placement.scale,
                                               &file.placement.fromBoatCamera, &file.placement.underBoatAnchor};
  const std::vector<std::string_view> lines = TextLines(text);
  for (std::size_t i = 1; i < lines.size() && i <= std::size(targets); ++i) {
    const std::optional<glm::vec3> vector = Vector(lines[i]);
    if (!vector) {
      file.stoppedAtLine = static_cast<int>(i) + 1;
      break;
    }
    *targets[i - 1] = *vector;
    ++file.linesApplied;
  }
  return file;
}

TBoatPlacement DefaultBoatPlacement(const std::filesystem::path& model) {
  static const DefaultRow Rows[] = {
      {"velmara.3ds", Row({0, 0, 0}, {0.3f, 0.3f, 0.3f}, {0, 1, -4}, {0, -0.6f, 3.3f})},
      {"trawler.obj", Row({0, 0, 0}, {0.3f, 0.3f, 0.3f}, {0, 1, -4}, {0, -0.4f, 3.8f})},
      {"sternkoder.obj", Row({0, 0, 0}, {0.3f, 0.3f, 0.3f}, {0, 1, -4}, {0, -0.4f, 3.9f})},
      {"lobster.obj", Row({0, 0.5f, 0}, {0.4f, 0.4f, 0.35f}, {0, 0.5f, -3}, {0, -0.5f, 3.2f})},
      {"prawn.obj", Row({0, 0.5f, 0}, {0.4f, 0.4f, 0.35f}, {0, 0.5f, -2.8f}, {0, -0.5f, 3.2f})},
  };
  // The name after the last folder separator of either kind: paths may come from a registry
  // value written with backslashes.
  std::string name = model.string();
  if (const std::size_t slash = name.find_last_of("/\\"); slash != std::string::npos) name.erase(0, slash + 1);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const DefaultRow& row : Rows)
    if (name == row.name) return row.placement;
  return Row({0, 0, 0}, {0.3f, 0.3f, 0.3f}, {0, 1, -4}, {0, -0.5f, 2});
}

TBoatPlacement BoatPlacementFor(const std::filesystem::path& model, const std::optional<std::string>& configText) {
  if (configText) return ReadBoatConfig(*configText).placement;
  return DefaultBoatPlacement(model);
}

TBoatScale ScaleBoat(int mode, const glm::vec3& base, const glm::vec3& model, float b) {
  TBoatScale scale{base, {}};
  switch (mode) {
    case static_cast<int>(TBoatScaleMode::Larger): scale.base = base * 1.5f; break;
    case static_cast<int>(TBoatScaleMode::Smaller): scale.base = base / 1.5f; break;
    case static_cast<int>(TBoatScaleMode::Reset): scale.base = model; break;
    default: break;
  }
  scale.form = scale.base * b;
  return scale;
}

TBoatMarkers BoatMarkers(int option, bool atBottomCameraCurrent) {
  TBoatMarkers markers;
  markers.rings = option == 1 || option == 3;
  markers.arrow = (option == 2 || option == 3) && !atBottomCameraCurrent;
  return markers;
}

}  // namespace velmara
