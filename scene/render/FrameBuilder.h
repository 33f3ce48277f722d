#pragma once
// Collects one frame's drawing while the renderer walks the scene: each visible object's
// submit() adds what it draws here. Objects outside the view are dropped on the way. Materials
// and meshes are referenced, not copied: they must live until the frame is drawn (they do, being
// owned by the objects). Reused from frame to frame.

#include "scene/camera/ViewTransform.h"
#include "scene/hud/HudCanvas.h"
#include "scene/render/FrameData.h"

#include <span>
#include <vector>

namespace velmara::scene {

class FrameBuilder {
public:
  void begin(const ViewTransform& view);

  const ViewTransform& view() const { return view_; }

  // A mesh drawn with a material; the instance's colours are taken from the material.
  void addMesh(const MeshData& mesh, const glm::mat4& model, const Material& material);
  void addMesh(MeshDraw draw);
  // A camera-facing textured quad at a scene point, size in scene units, rotation in degrees.
  void addSprite(const glm::vec3& centre, const glm::vec2& size, float rotation, const Material& material);
  // A polyline through scene points. Colours: one per node, or empty for `colour` throughout.
  // Runs of nodes that lie on a straight screen line (within a quarter pixel, in depth and in
  // colour too) become one segment, and segments wholly outside the view are left out: a track
  // of thousands of nodes costs what its shape on the screen needs.
  struct LineStyle {
    Colour colour{1.0f};
    float width = 1.0f;
    std::uint16_t pattern = 0xFFFF;
    float patternFactor = 1.0f;
    bool antialiased = false;
    bool nodesVisible = false;
    Colour nodeColour{1.0f};
    float nodeSize = 5.0f;
  };
  void addLine(std::span<const glm::vec3> points, std::span<const Colour> colours, const LineStyle& style);
  void addLight(const LightData& light) { lights_.push_back(light); }
  void addSkyBands(std::span<const SkyBand> bands);
  // Drawing an object does itself (a terrain): called in the opaque pass (or with the
  // translucent draws, back to front, when `translucent`), with the frame's camera and lights.
  void addCustom(CustomDraw draw) { customs_.push_back(std::move(draw)); }
  HudCanvas& hud() { return hud_; }

  // Instance values of a material (colours, lit flag) with the given model matrix.
  static InstanceData instanceFor(const Material& material, const glm::mat4& model);

  const std::vector<MeshDraw>& meshes() const { return meshes_; }
  const std::vector<LineSegment>& lineSegments() const { return lines_; }
  const std::vector<LightData>& lights() const { return lights_; }
  const std::vector<SkyBand>& skyBands() const { return sky_; }
  const std::vector<CustomDraw>& customs() const { return customs_; }
  const HudCanvas& hud() const { return hud_; }
  int culled() const { return culled_; }

private:
  struct Projected {
    glm::vec3 window{0.0f};  // x, y in pixels, depth
    bool inFront = false;
  };
  // Whether nodes first … last may be drawn as one segment from first to last.
  bool straight(std::size_t first, std::size_t last, std::span<const Colour> colours) const;
  bool offScreen(const Projected& a, const Projected& b, float margin) const;

  ViewTransform view_;
  std::vector<Projected> projected_;
  std::vector<MeshDraw> meshes_;
  std::vector<LineSegment> lines_;
  std::vector<LightData> lights_;
  std::vector<SkyBand> sky_;
  std::vector<CustomDraw> customs_;
  HudCanvas hud_;
  int culled_ = 0;
};

}  // namespace velmara::scene
