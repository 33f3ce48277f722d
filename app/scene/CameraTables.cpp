#include "app/scene/CameraTables.h"

#include "app/view/MouseNavigation.h"
#include "scene/camera/Camera.h"

#include <algorithm>
#include <stdexcept>

namespace velmara {

TCameraPose TCameraDefaults::PoseOf(const scene::Camera& camera) {
  return {camera.position(), camera.direction(), camera.sceneScale(), camera.focalLength()};
}

void TCameraDefaults::Register(const std::array<scene::Camera*, Count>& cameras) {
  for (int i = 0; i < Count; ++i)
    if (cameras[i]) poses_[i] = PoseOf(*cameras[i]);
  registered_ = true;
}

const TCameraPose& TCameraDefaults::Pose(int number) const {
  if (number < 1 || number > Count) throw std::out_of_range("TCameraDefaults::Pose(): camera number out of range");
  return poses_[number - 1];
}

void TCameraDefaults::Restore(scene::Camera& camera, int number) const {
  const TCameraPose& pose = Pose(number);
  camera.setPosition(pose.Position);
  camera.setDirection(pose.Direction);
  camera.setSceneScale(pose.SceneScale);
  camera.setFocalLength(pose.FocalLength);
}

float TDepthOfViewTable::DepthOfView(Row row, int camRes) {
  static constexpr float kDepths[3][3] = {{4000, 4000, 4000}, {4000, 4000, 4000}, {2048, 2048, 2048}};
  return kDepths[static_cast<int>(row)][Clamp(camRes) - 1];
}

float TDepthOfViewTable::QualityDistance(int camRes) {
  switch (Clamp(camRes)) {
    case 1: return 1024.0f;
    case 3: return 200.0f;
    default: return 400.0f;
  }
}

int TDepthOfViewTable::LodPrecision(int camRes) { return Clamp(camRes) == 3 ? 200 : 100; }

void PointCameraNorth(scene::Camera& camera) {
  if (!camera.target()) return;
  const double heading = CompassHeading(camera.lookPoint() - camera.absolutePosition());
  camera.moveAroundTarget(0.0f, static_cast<float>(heading));
}

float BoatScaleFactor(bool skyCameraCurrent, float skyDistanceToTarget) {
  if (!skyCameraCurrent) return 1.0f;
  return std::max(1.0f, skyDistanceToTarget / 76.1558f);
}

}  // namespace velmara
