#pragma once
// A non-owning reference to a scene object that knows when the object is gone: get() gives
// nullptr after the object was destroyed. Cameras use it for their target, so freeing a target
// never leaves a camera aiming at freed memory.

#include <memory>

namespace velmara::scene {

class SceneObject;

class ObjectRef {
public:
  ObjectRef() = default;

  SceneObject* get() const {
    const auto token = token_.lock();
    return token ? *token : nullptr;
  }
  explicit operator bool() const { return get() != nullptr; }

private:
  friend class SceneObject;
  explicit ObjectRef(std::weak_ptr<SceneObject* const> token) : token_(std::move(token)) {}
  std::weak_ptr<SceneObject* const> token_;
};

}  // namespace velmara::scene
