#pragma once
// What the last frame cost: for the frame-rate read-out and the benchmarks.

namespace velmara::scene {

struct FrameStats {
  int drawCalls = 0;
  int batches = 0;        // instanced mesh draws
  int meshInstances = 0;  // meshes drawn (each instance of a batch counts)
  int culled = 0;         // meshes left out as outside the view
  int lineSegments = 0;
  int hudQuads = 0;
  int failedDraws = 0;    // draws left out because their shader did not build
};

}  // namespace velmara::scene
