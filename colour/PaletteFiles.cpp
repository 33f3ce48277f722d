#include "colour/PaletteFiles.h"

#include <algorithm>
#include <fstream>

#include "app/base/NumberFormat.h"
#include "platform/ProgramDir.h"

namespace velmara {

TPaletteFolders ProgramPaletteFolders() { return {DataDir(), UserDir() / "Palettes"}; }

std::filesystem::path ShippedPaletteFile(int n, const TPaletteFolders& folders) {
  return folders.DataDir / ("pal" + std::to_string(n) + ".cpt");
}

std::filesystem::path PaletteFileFor(const std::string& name, const TPaletteFolders& folders) {
  const std::string prefix = "Velmara #";
  if (name.size() == prefix.size() + 1 && name.starts_with(prefix) && name.back() >= '1' && name.back() <= '9')
    return ShippedPaletteFile(name.back() - '1', folders);
  if (name == "Keelplot Pro") return ShippedPaletteFile(7, folders);
  std::filesystem::path custom = folders.CustomPalettes / (name + ".cpt");
  std::error_code ec;
  if (name == HardRoughPaletteName && !std::filesystem::exists(custom, ec)) return folders.DataDir / (name + ".cpt");
  return custom;
}

std::vector<std::string> ListPalettes(int plotterType, const TPaletteFolders& folders) {
  std::vector<std::string> items = {"Velmara #7", "Velmara #2", "Velmara #3", "Velmara #4",
                                    "Velmara #5", "Velmara #6", "Velmara #7"};
  items.push_back(plotterType == 2 ? "Keelplot Pro" : "Velmara #8");
  std::error_code ec;
  std::vector<std::string> custom;
  for (const auto& entry : std::filesystem::directory_iterator(folders.CustomPalettes, ec))
    if (entry.is_regular_file(ec) && entry.path().extension() == ".cpt") custom.push_back(entry.path().stem().string());
  // The shipped hardness and roughness palette, unless the skipper has one of that name.
  if (std::filesystem::exists(folders.DataDir / (std::string(HardRoughPaletteName) + ".cpt"), ec) &&
      std::find(custom.begin(), custom.end(), HardRoughPaletteName) == custom.end())
    items.push_back(HardRoughPaletteName);
  std::sort(custom.begin(), custom.end());  // a stable order for the skipper, whatever the file system
  items.insert(items.end(), custom.begin(), custom.end());
  return items;
}

std::string MissingPaletteMessage(const std::filesystem::path& path) {
  return "Missing palette file " + path.string() + ". Switching to default";
}

TCustomPaletteTarget CustomPaletteTarget(const std::string& typedName, const TPaletteFolders& folders) {
  TCustomPaletteTarget target;
  const auto first = typedName.find_first_not_of(" \t");
  const auto last = typedName.find_last_not_of(" \t");
  target.name = first == std::string::npos ? "" : typedName.substr(first, last - first + 1);
  if (target.name.empty()) {
    target.error = "ERROR: Please enter a color palette name";
    return target;
  }
  target.file = folders.CustomPalettes / (target.name + ".cpt");
  std::error_code ec;
  target.exists = std::filesystem::exists(target.file, ec);
  return target;
}

bool WritePaletteFile(const std::filesystem::path& file, const std::string& text, std::string& error) {
  std::error_code ec;
  std::filesystem::create_directories(file.parent_path(), ec);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out) {
    error = "Cannot write palette file " + file.string();
    return false;
  }
  return true;
}

bool TPaletteColours::Add(TRgb colour) {
  if (Count() >= Limit) return false;
  colours_.push_back(colour);
  return true;
}

std::string TPaletteColours::FileText() const {
  std::string text;
  for (int k = Count(); k >= 1; --k) {
    const TRgb deep = Entry(k), shallow = Entry(k - 1);
    text += FormatText("%d %3D %3D %3D %d %3D %3D %3D\n", k * 1000, deep.r, deep.g, deep.b, (k - 1) * 1000, shallow.r,
                       shallow.g, shallow.b);
  }
  return text;
}

}  // namespace velmara
