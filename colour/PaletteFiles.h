#pragma once
// Where palettes live and how custom ones are written: the shipped files data/pal0.cpt ...
// data/pal7.cpt and data/RoughHard.cpt beside the program, custom palettes in the user's "Palettes" folder (the same
// folder for listing, reading and saving).

#include <filesystem>
#include <string>
#include <vector>

#include "colour/DepthPalette.h"

namespace velmara {

struct TPaletteFolders {
  std::filesystem::path DataDir;         // the shipped palettes
  std::filesystem::path CustomPalettes;  // the skipper's own
};
// The program's folders (DataDir() and UserDir()/"Palettes").
TPaletteFolders ProgramPaletteFolders();

// The palette that hardness and roughness start with; it ships beside the depth palettes.
inline constexpr const char* HardRoughPaletteName = "RoughHard";

// "Velmara #N" → pal(N-1).cpt, "Keelplot Pro" → pal7.cpt, "RoughHard" → the skipper's own or the
// shipped data/RoughHard.cpt, any other name → Palettes/name.cpt.
std::filesystem::path PaletteFileFor(const std::string& name, const TPaletteFolders& folders);
// The shipped file number n.
std::filesystem::path ShippedPaletteFile(int n, const TPaletteFolders& folders);

// The items of the palette list: the shipped palettes ("Velmara #7" twice, no "#1"), then
// "Keelplot Pro" for plotter type 2 or "Velmara #8", then "RoughHard" when it ships, then the
// custom palettes by name.
std::vector<std::string> ListPalettes(int plotterType, const TPaletteFolders& folders);

// "Missing palette file <path>. Switching to default"
std::string MissingPaletteMessage(const std::filesystem::path& path);

// Saving a custom palette: the name is trimmed (an empty one is refused with
// "ERROR: Please enter a color palette name"); `exists` tells the editor to ask before overwriting.
struct TCustomPaletteTarget {
  std::string name;
  std::filesystem::path file;
  bool exists = false;
  std::string error;
};
TCustomPaletteTarget CustomPaletteTarget(const std::string& typedName, const TPaletteFolders& folders);
// Creates the folder and writes the file; false with `error` set when it cannot.
bool WritePaletteFile(const std::filesystem::path& file, const std::string& text, std::string& error);

// The colours a skipper picked in the palette editor, shallowest first, at most 30.
class TPaletteColours {
public:
  static constexpr int Limit = 30;
  static constexpr const char* LimitMessage = "ERROR: Limit of 30 colors reached";

  // False (nothing added) when the list is full.
  bool Add(TRgb colour);
  void Clear() { colours_.clear(); }
  int Count() const { return static_cast<int>(colours_.size()); }
  // Entry i of 1 ... Count; entry 0 is a copy of entry 1.
  TRgb Entry(int i) const { return colours_.at(i == 0 ? 0 : i - 1); }

  // The palette file text: one band a colour, deepest first, "k×1000 R G B (k-1)×1000 R G B"
  // with each channel in three characters ("%3D").
  std::string FileText() const;

private:
  std::vector<TRgb> colours_;
};

}  // namespace velmara
