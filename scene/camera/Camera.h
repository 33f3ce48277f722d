#pragma once
// A camera: a scene object that looks at its target (or along its direction without one).
//
// Lens: focal length f and scene scale s give the vertical field of view 2·atan(25 / (f·s)), so
// f = 50 sees about 53° and raising f or s zooms in. The depth of view is the far clipping
// distance in scene units; the near plane lies at 1/20000 of it, but never nearer than 0.01.

#include "scene/camera/ViewTransform.h"
#include "scene/graph/ObjectRef.h"
#include "scene/graph/SceneObject.h"

namespace velmara::scene {

class Camera : public SceneObject {
public:
  explicit Camera(std::string name = {});

  SceneObject* target() const { return target_.get(); }
  // nullptr looks along the direction.
  void setTarget(const SceneObject* target);

  float focalLength() const { return focalLength_; }
  void setFocalLength(float focalLength) { focalLength_ = focalLength; }
  float sceneScale() const { return sceneScale_; }
  void setSceneScale(float sceneScale) { sceneScale_ = sceneScale; }
  float depthOfView() const { return depthOfView_; }
  void setDepthOfView(float depth) { depthOfView_ = depth; }
  float nearPlane() const;
  // Degrees.
  float verticalFieldOfView() const;

  // The point looked at: the target's absolute position, else a point ahead along the direction.
  glm::vec3 lookPoint() const;
  glm::mat4 viewMatrix() const;
  glm::mat4 projectionMatrix(float aspect) const;
  ViewTransform viewTransform(const Viewport& viewport) const;

  // Orbit the target (see SceneObject::moveAroundTarget); nothing without a target.
  void moveAroundTarget(float pitchDegrees, float turnDegrees);
  // Scales the target-to-camera vector by `factor` (below 1 comes closer).
  void adjustDistanceToTarget(float factor);
  float distanceToTarget() const;

private:
  ObjectRef target_;
  float focalLength_ = 50.0f;
  float sceneScale_ = 1.0f;
  float depthOfView_ = 1024.0f;
};

}  // namespace velmara::scene
