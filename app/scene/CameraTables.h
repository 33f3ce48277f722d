#pragma once
// The cameras' start values, kept so that "Reset" and the selector can put a camera back, and the
// depth of view each camera uses at each camera resolution. Qt-free; the main scene owns both.

#include <glm/glm.hpp>

#include <array>

namespace velmara {

namespace scene {
class Camera;
}

// Where a camera sits and how its lens is set, relative to its parent.
struct TCameraPose {
  glm::vec3 Position{0.0f};
  glm::vec3 Direction{0.0f, 0.0f, 1.0f};
  float SceneScale = 1.0f;
  float FocalLength = 50.0f;
};

// One pose per selector number 1 … 7, taken once from the cameras at the end of the scene set-up.
class TCameraDefaults {
public:
  static constexpr int Count = 7;

  // Takes the poses of the seven selectable cameras (selector order) as they are now.
  void Register(const std::array<scene::Camera*, Count>& cameras);
  bool Registered() const { return registered_; }
  // The pose of selector number 1 … 7; anything else is a programming error.
  const TCameraPose& Pose(int number) const;
  // Puts the camera back: position and direction first, then scene scale and focal length.
  void Restore(scene::Camera& camera, int number) const;

  static TCameraPose PoseOf(const scene::Camera& camera);

private:
  std::array<TCameraPose, Count> poses_{};
  bool registered_ = false;
};

// The depth of view (far clip distance) per camera and camera resolution 1 … 3. The follow-boat
// and sky cameras see 4000 at every resolution, every other camera 2048.
class TDepthOfViewTable {
public:
  enum class Row { FollowBoat, Sky, Other };

  // Resolution outside 1 … 3 counts as the default 2.
  static int Clamp(int camRes) { return camRes < 1 || camRes > 3 ? 2 : camRes; }
  static float DepthOfView(Row row, int camRes);

  // The renderer's view range for a resolution: quality distance and level-of-detail precision.
  static float QualityDistance(int camRes);
  static int LodPrecision(int camRes);
};

// Turns a camera about its target by the heading it looks along, so that it looks north.
void PointCameraNorth(scene::Camera& camera);

// How much the boat, its heading arrow and the marks are scaled up so that they stay visible from
// the sky camera: 1 unless the sky camera is current, else max(1, distance to its target / 76.1558).
float BoatScaleFactor(bool skyCameraCurrent, float skyDistanceToTarget);

}  // namespace velmara
