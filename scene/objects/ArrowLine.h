#pragma once
// An arrow along the object's direction (+Z), its tail at the origin: a round shaft and a cone
// head. Line height is the whole length, head height the head's part of it.

#include "scene/objects/Solid.h"

namespace velmara::scene {

class ArrowLine : public Solid {
public:
  explicit ArrowLine(std::string name = {}) : Solid(std::move(name)) {}

  struct Proportions {
    float height = 1.0f;
    float headHeight = 0.2f;
    float bottomRadius = 0.1f;
    float topRadius = 0.1f;
    float headRadius = 0.2f;
    int slices = 12;
  };
  const Proportions& proportions() const { return proportions_; }
  void setProportions(const Proportions& proportions);

protected:
  std::shared_ptr<const MeshData> buildShape(int level) const override;

private:
  Proportions proportions_;
};

}  // namespace velmara::scene
