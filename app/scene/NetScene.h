#pragma once
// The trawl in the scene: the net mesh sized for its type and length with the cable ends, the
// doors placed from sweep and spread with the cables hung on them, and showing or hiding it all.

#include "app/scene/MainScene.h"

#include <filesystem>

namespace velmara {

struct TNetSceneState {
  bool NetVisible = false;
  int AppliedNetType = 0;
  bool DisplayDepth = false;
};

// Loads the net model of the type from `programDir` and places it and the cables' near ends.
void BuildNetModel(TMainScene& scene, TNetSceneState& state, const std::filesystem::path& programDir, int netType, int netLength,
                   int opening, double cellSize, double b);
void ShowNet(TMainScene& scene, TNetSceneState& state, bool visible);
// Sweep and spread in scene units; f the cosine of the latitude.
void PlaceDoors(TMainScene& scene, double sweep, float spread, double cellSize, double f, double b, bool twinRig);
void AttachCables(TMainScene& scene);
// The boat's rings and heading arrow for the marker option (1 at start-up).
void ShowBoatMarkers(TMainScene& scene, int boatMarkerOption, bool atBottomCameraCurrent);

}  // namespace velmara
