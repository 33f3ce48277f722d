#pragma once
// A flat disc or ring in the object's XY plane, facing its direction (+Z); both faces are drawn.
// An inner radius above 0 makes a ring; start and sweep angles (degrees, counter-clockwise from
// +X) cut a sector.

#include "scene/objects/Solid.h"

namespace velmara::scene {

class Disk : public Solid {
public:
  explicit Disk(std::string name = {});

  float innerRadius() const { return innerRadius_; }
  float outerRadius() const { return outerRadius_; }
  void setRadii(float inner, float outer);
  void setSweep(float startDegrees, float sweepDegrees);
  void setDetail(int slices, int loops);

protected:
  std::shared_ptr<const MeshData> buildShape(int level) const override;
  glm::mat4 sizeTransform() const override;

private:
  float innerRadius_ = 0.0f;
  float outerRadius_ = 0.5f;
  float start_ = 0.0f;
  float sweep_ = 360.0f;
  int slices_ = 32;
  int loops_ = 1;
};

}  // namespace velmara::scene
