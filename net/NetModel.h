#pragma once
// The trawl as the scene shows it, inside the net group NetCube (tow direction +Z, starboard -X,
// port +X): the net mesh's file, scale and place for a net type and rig, the near ends of the
// four cables, which net objects are shown, and where the doors go for a sweep and spread. All
// lengths are scene units (grid cells) unless a name says metres. Plain C++: the main window
// applies the results to the scene objects.

#include <glm/vec3.hpp>

#include <optional>
#include <string>

namespace velmara {

enum class TNetType { Midwater = 0, Bottom = 1, TwinRig = 2 };

// The net length the model is built for: 80 m when none is set, never below 20 m.
int NetModelLength(int netLength);

struct TNetModelPlacement {
  std::string file;        // below ProgramDir: "net.3ds", "Bottomnet.3ds", "doublenet.3ds"
  double modelLength = 0;  // the mesh's length in model units (90, 60, 80)
  double openingDivisor = 0;
  int length = 0;          // metres, from NetModelLength
  glm::vec3 scale{0.0f};   // Netform scale (sx, sy, sx)
  glm::vec3 position{0.0f};// Netform position in the group
  // Node 0 of each cable, in the group's frame.
  glm::vec3 upperStarboard{0.0f}, upperPort{0.0f};
  std::optional<glm::vec3> lowerStarboard, lowerPort;  // midwater only
  bool lowerCablesVisible = false;                     // midwater while the net is shown
};

// netType 0 midwater, 1 bottom, 2 twin rig; netLength and opening in whole metres; cellSize in
// metres per cell; b the boat scale factor. Nothing for another net type: the mesh and the cables
// stay as they are.
std::optional<TNetModelPlacement> NetModelPlacement(int netType, int netLength, int opening, double cellSize,
                                                    double b, bool netVisible);

// What ShowNet changes. Nothing when the net already has that visibility.
struct TNetVisibility {
  bool net = false;          // Netform, both doors and both upper cables
  bool lowerCables = false;  // only for an applied midwater net
  bool netDepthText = false; // hudNetDepth, when the set-up asks for the depth display
};
std::optional<TNetVisibility> NetVisibility(bool visible, bool netVisible, int appliedNetType, bool displayDepth);

struct TDoorPlacement {
  // Positions in the group (x, z); the heights are the net update's business.
  float portX = 0, portZ = 0;
  float starboardX = 0, starboardZ = 0;
  double halfSpread = 0;  // H, scene units, b applied
  double sweep = 0;       // the sweep used, scene units, b applied
  // Set when the sweep was not longer than the half spread and became twice the half spread:
  // Round(cellSize x sweep) in metres, for the dialog's sweep box.
  std::optional<long long> correctedSweepMetres;
};
// sweep and spread in scene units (metres / cellSize); f = cos(latitude); b the boat scale factor.
TDoorPlacement PlaceDoors(double sweep, float spread, double cellSize, double f, double b, bool twinRig);

// The far ends (node 1) of the cables: each hangs on its side's door.
struct TCableEnds {
  glm::vec3 starboard, starboardLower, port, portLower;
};
TCableEnds AttachCables(const glm::vec3& starboardDoor, const glm::vec3& portDoor);

}  // namespace velmara
