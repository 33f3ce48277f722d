#pragma once
// The files beside a boat model and what the boat loader makes of them: the colour file (".col",
// one colour a line for the materials "mat1" ... "mat5"), the configuration file (".bcfg", the
// model's up, direction, position and scale and two camera anchors), the built-in placements for
// models without one, and the boat scale. Plain C++: the main window applies the results to the
// scene objects.

#include <glm/vec3.hpp>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmara {

// The model path with another extension (".col", ".bcfg").
std::filesystem::path BoatCompanionFile(const std::filesystem::path& model, std::string_view extension);

// Lines as a text-file list reads them: "\r\n", "\n" or "\r" end a line; a last line without an
// end counts, an end at the very end of the text adds no empty line.
std::vector<std::string_view> TextLines(std::string_view text);

// ---- Colour file ----------------------------------------------------------------------------

struct TBoatColourFile {
  static constexpr int MaterialCount = 5;
  // The colours of lines 1 ... 5 up to the first line that is not a colour (0x00BBGGRR values as
  // written; system colours unresolved). Lines after the fifth are not read.
  std::vector<std::uint32_t> colours;
  int badLine = 0;    // 1-based line that stopped the reading, 0 when none did
  std::string error;  // "line 3: \"pink\" is not a colour", empty when none
  bool ok() const { return badLine == 0; }
};
TBoatColourFile ReadBoatColours(std::string_view text);

// red, blue, black, silver, grey: the colours of "mat1" ... "mat5" without a colour file.
std::vector<std::uint32_t> DefaultBoatColours();

struct TBoatMaterialColour {
  std::string material;   // "mat1" ...
  std::uint32_t diffuse;  // RGB 0x00BBGGRR
  std::uint32_t emission; // the diffuse colour darkened by 75 %
};
// One entry per colour given (at most five), in material order.
std::vector<TBoatMaterialColour> BoatMaterialColours(const std::vector<std::uint32_t>& colours);

// ---- Configuration file and built-in placements ----------------------------------------------

// Where the boat mesh and its cameras sit in the boat group. Unset entries stay as loaded.
struct TBoatPlacement {
  std::optional<glm::vec3> up, direction, position, scale;
  std::optional<glm::vec3> fromBoatCamera;   // position of FromBoatCamera
  std::optional<glm::vec3> underBoatAnchor;  // position of DCUnderBoat
};

struct TBoatConfigFile {
  TBoatPlacement placement;
  int linesApplied = 0;  // vectors read, from line 2 on
  int stoppedAtLine = 0; // 1-based line that could not be read, 0 when reading ran to the end
};
// Line 1 is not used; lines 2 ... 7 hold "x, y, z" with "." decimals for up, direction, position,
// scale, the from-boat camera and the under-boat anchor. A line that cannot be read ends the
// reading; what was read before it stays.
TBoatConfigFile ReadBoatConfig(std::string_view text);

// The built-in placement by the model's lower-case file name ("trawler.obj", "velmara.3ds", ...;
// any other name gets the general row). Every entry is set.
TBoatPlacement DefaultBoatPlacement(const std::filesystem::path& model);

// The placement the boat loader applies: the configuration file's when there is one (even one
// that reads nothing), else the built-in one.
TBoatPlacement BoatPlacementFor(const std::filesystem::path& model, const std::optional<std::string>& configText);

// ---- Boat scale and markers -------------------------------------------------------------------

enum class TBoatScaleMode { Larger = 0, Smaller = 1, Reset = 2 };

struct TBoatScale {
  glm::vec3 base;  // BoatBaseScale afterwards
  glm::vec3 form;  // the scale of BoatForm: b x base
};
// Larger multiplies the base scale by 1.5, Smaller divides it by 1.5, Reset takes the model
// scale; b is the boat scale factor of the sky camera. Other modes only re-apply b.
TBoatScale ScaleBoat(int mode, const glm::vec3& base, const glm::vec3& model, float b);

struct TBoatMarkers {
  bool rings = false;  // GLDisk1 and GLDisk2
  bool arrow = false;  // GLHeadingVector
};
// BoatMarkerOption 0 none, 1 rings, 2 arrow, 3 both; the arrow hides under AtBottomCamera.
TBoatMarkers BoatMarkers(int option, bool atBottomCameraCurrent);

}  // namespace velmara
