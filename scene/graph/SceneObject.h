#pragma once
// The node of the scene graph. Every object has a position, direction, up vector and scale in its
// parent's frame, a name, a tag and a visibility; it owns its children, which live in its frame.
//
// Frame convention: the object's local +Z axis is its direction, +Y its up vector and +X their
// cross product up × direction (with the scene's axes, +X west, +Y up, +Z north, an object that
// looks north has its +X to the west). Direction and up are kept unit length and perpendicular.
//
// Drawing and picking are virtual hooks that object kinds override; the renderer and the picker
// walk the graph, skip hidden subtrees and hand each object its absolute matrix.
//
// Main thread only. Objects are non-copyable and are owned through std::unique_ptr by their parent.

#include "scene/graph/ObjectRef.h"

#include <glm/glm.hpp>

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmara::scene {

class FrameBuilder;
struct PickQuery;

class SceneObject {
public:
  explicit SceneObject(std::string name = {});
  virtual ~SceneObject();
  SceneObject(const SceneObject&) = delete;
  SceneObject& operator=(const SceneObject&) = delete;

  const std::string& name() const { return name_; }
  void setName(std::string name) { name_ = std::move(name); }
  int tag() const { return tag_; }
  void setTag(int tag) { tag_ = tag; }
  // A hidden object hides its whole subtree.
  bool visible() const { return visible_; }
  void setVisible(bool visible) { visible_ = visible; }
  // Helper objects (anchors, markers) can be left out of picking.
  bool pickable() const { return pickable_; }
  void setPickable(bool pickable) { pickable_ = pickable; }

  // Placement in the parent's frame.
  const glm::vec3& position() const { return position_; }
  void setPosition(const glm::vec3& position) { position_ = position; }
  const glm::vec3& direction() const { return direction_; }
  // Keeps up perpendicular, turning it along with the direction where it would be parallel.
  void setDirection(const glm::vec3& direction);
  const glm::vec3& up() const { return up_; }
  // Keeps the direction; only the part of `up` perpendicular to it counts.
  void setUp(const glm::vec3& up);
  const glm::vec3& scale() const { return scale_; }
  void setScale(const glm::vec3& scale) { scale_ = scale; }
  void setScale(float scale) { scale_ = glm::vec3(scale); }
  // The local +X axis in the parent's frame: up × direction.
  glm::vec3 left() const { return glm::cross(up_, direction_); }

  // This object's frame in its parent's frame, and in the scene's.
  glm::mat4 localMatrix() const;
  glm::mat4 absoluteMatrix() const;
  glm::vec3 absolutePosition() const;
  void setAbsolutePosition(const glm::vec3& position);
  glm::vec3 absoluteDirection() const;
  void setAbsoluteDirection(const glm::vec3& direction);
  glm::vec3 absoluteUp() const;
  void setAbsoluteUp(const glm::vec3& up);
  // Points and vectors between this object's own frame (where its children live) and the scene.
  glm::vec3 localToAbsolute(const glm::vec3& point) const;
  glm::vec3 absoluteToLocal(const glm::vec3& point) const;
  glm::vec3 localVectorToAbsolute(const glm::vec3& vector) const;
  glm::vec3 absoluteVectorToLocal(const glm::vec3& vector) const;

  // Turns the direction towards a point of the scene, or another object's absolute position.
  void pointTo(const glm::vec3& absolutePoint);
  void pointTo(const SceneObject& target);
  // Rotations of direction and up about the object's own axes, in degrees; positive turns
  // are counter-clockwise seen from above the object (right-handed about up).
  void turn(float degrees);
  void pitch(float degrees);
  void roll(float degrees);
  // Moves along the direction, in the parent's units.
  void move(float distance);
  // Orbits a point of the scene: turn about the scene's up axis through the point, pitch about
  // the horizontal axis through it (positive raises the object; stops 1° short of straight above
  // or below), then looks at the point. The distance to the point is kept.
  void moveAroundTarget(float pitchDegrees, float turnDegrees, const glm::vec3& absoluteTarget);

  // Hierarchy. Children are owned; removeChild hands one back to the caller.
  SceneObject* parent() const { return parent_; }
  template <typename T>
  T& addChild(std::unique_ptr<T> child) {
    T& added = *child;
    attachChild(std::unique_ptr<SceneObject>(std::move(child)));
    return added;
  }
  template <typename T, typename... Args>
  T& emplaceChild(Args&&... args) {
    return addChild(std::make_unique<T>(std::forward<Args>(args)...));
  }
  std::unique_ptr<SceneObject> removeChild(SceneObject& child);
  void clearChildren();
  std::span<const std::unique_ptr<SceneObject>> children() const { return children_; }
  // The first object of this name below this one (direct children first, then each child's
  // subtree in order), or nullptr.
  SceneObject* findChild(std::string_view name, bool recursive = true) const;
  ObjectRef ref() const { return ObjectRef(lifetime_); }

  // Adds what the object draws to the frame; `absolute` is absoluteMatrix(), computed once by
  // the caller. Plain objects draw nothing.
  virtual void submit(FrameBuilder& frame, const glm::mat4& absolute) const;
  // Distance along the query's ray to the object's nearest hit, if any.
  virtual std::optional<float> hitDistance(const PickQuery& query, const glm::mat4& absolute) const;

private:
  void attachChild(std::unique_ptr<SceneObject> child);
  // The parent's frame in the scene (identity at the root).
  glm::mat4 parentMatrix() const;

  std::string name_;
  int tag_ = 0;
  bool visible_ = true;
  bool pickable_ = true;
  glm::vec3 position_{0.0f};
  glm::vec3 direction_{0.0f, 0.0f, 1.0f};
  glm::vec3 up_{0.0f, 1.0f, 0.0f};
  glm::vec3 scale_{1.0f};
  SceneObject* parent_ = nullptr;
  std::vector<std::unique_ptr<SceneObject>> children_;
  std::shared_ptr<SceneObject* const> lifetime_;
};

}  // namespace velmara::scene
