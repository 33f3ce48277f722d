#pragma once
// The program-wide values, set by the program entry before any window exists and read
// everywhere after. One instance.

#include "app/base/Geodesy.h"

#include <string>

namespace velmara {

struct TProgramValues {
  int GridSize = 1024;
  int HalfGrid = 512;
  int ThirdGrid = 341;
  int ThreeQuarterGrid = 768;
  int TerrainQuality = 0;     // 1 would ask for the tessellated quality style; stays 0
  int CameraResolution = 0;   // below 1 means 2
  int WindowPlacement = 0;    // 2: 800 × 600 at 0,0; 3: 1024 × 768 at 0,0; else the work area
  int ShowFrameRateAtStart = 0;
  bool InshoreMode = true;
  TDepthUnit DepthUnit = TDepthUnit::Metres;  // display unit of depths; metres inside
  std::string ProgramDir;       // the program's folder, without a trailing slash
  std::string ProgramDirSlash;  // the same with one
  std::string StartupStatus;    // "GRAPHICCARDPROBLEM" or "MISSINGDB" stop the start
  int TextureUnitCount = 0;
  std::string RendererInfo;

  // The values of a fresh start for a program in `programDir`.
  void Initialise(const std::string& programDir);
  int HeightScale() const { return InshoreMode ? 10 : 1; }
  int CamRes() const { return CameraResolution < 1 ? 2 : CameraResolution; }
};

TProgramValues& Program();

}  // namespace velmara
